#include "core/ui/numeracion/tfautorizacion.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/delegados.h"
#include "core/ui/teclas_ventana.h"

namespace ledgrix {

Tfautorizacion::Tfautorizacion(Tfdm& dm, QWidget* parent) : QWidget(parent), logica_(dm, this) {
    setObjectName(QStringLiteral("Tfautorizacion"));
    setWindowTitle(QStringLiteral("Autorizaciones de numeración"));
    resize(626, 259);
    lista_ = logica_.prepare();

    auto* caja = new QVBoxLayout(this);
    modelo_ = new DatasetModel(&logica_.autorizaciones(), this);
    grilla_ = new LedgrixGrid(this);
    grilla_->setObjectName(QStringLiteral("grilla"));
    grilla_->setDialogs(&dm.dialogs());
    grilla_->setExportTitle(QStringLiteral("Autorizaciones"));
    grilla_->setModel(modelo_);
    if (lista_) {
        QList<ListaDelegate::Opcion> prefijos;
        for (const QString& p : logica_.codigos_prefijo())
            prefijos << ListaDelegate::Opcion{p, QString()};
        grilla_->setItemDelegateForColumn(0, new ListaDelegate(prefijos, this));
    }
    caja->addWidget(grilla_, 1);
    auto* abajo = new QHBoxLayout;
    auto* grabar = new QPushButton(QStringLiteral("F2: Grabar"), this);
    auto* cancelar = new QPushButton(QStringLiteral("Esc: Cancelar"), this);
    abajo->addStretch(1);
    abajo->addWidget(grabar);
    abajo->addWidget(cancelar);
    caja->addLayout(abajo);
    connect(grabar, &QPushButton::clicked, this, &Tfautorizacion::SBGrabarClick);
    connect(cancelar, &QPushButton::clicked, this, &Tfautorizacion::SBCancelarClick);
    grilla_->installEventFilter(this);
    // Nothing to work on: leave once the caller has placed the window.
    if (!lista_)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void Tfautorizacion::SBGrabarClick() {
    if (logica_.grabe())
        close();
}

void Tfautorizacion::SBCancelarClick() {
    logica_.cancele();
    close();
}

bool Tfautorizacion::tecla(int key) {
    switch (key) {
        case Qt::Key_F2:
            SBGrabarClick();
            return true;
        case Qt::Key_Escape:
            SBCancelarClick();
            return true;
        default:
            return false;
    }
}

bool Tfautorizacion::eventFilter(QObject* watched, QEvent* event) {
    if (teclas_de_la_ventana(event, {Qt::Key_F2, Qt::Key_Escape},
                             [this](int key) { return tecla(key); }))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Tfautorizacion::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key()))
        QWidget::keyPressEvent(event);
}

void Tfautorizacion::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!ubicada_) {
        ubicada_ = true;
        centre_en_area(this, 135, 140);
    }
}

}  // namespace ledgrix
