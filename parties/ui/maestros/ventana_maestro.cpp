#include "parties/ui/maestros/ventana_maestro.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/teclas_ventana.h"
#include "parties/maestros/maestro_grilla.h"

namespace ledgrix {

VentanaMaestro::VentanaMaestro(Tfdm& dm, const QString& clase, const QString& titulo,
                               QWidget* parent)
    : QWidget(parent), dm_(dm) {
    setObjectName(clase);
    setWindowTitle(titulo);
    resize(720, 400);
    auto* caja = new QVBoxLayout(this);
    grilla_ = new LedgrixGrid(this);
    grilla_->setObjectName(QStringLiteral("grilla"));
    grilla_->setDialogs(&dm.dialogs());
    grilla_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                             QAbstractItemView::EditKeyPressed);
    caja->addWidget(grilla_, 1);
    barra_ = new QHBoxLayout;
    barra_->addStretch(1);
    caja->addLayout(barra_);
    grilla_->installEventFilter(this);
}

void VentanaMaestro::muestre(MaestroGrilla& maestro) {
    maestro_ = &maestro;
    grilla_->setModel(new DatasetModel(&maestro.filas(), this));
    connect(grilla_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& actual) {
                const QModelIndex fila = grilla_->sourceIndex(actual);
                if (fila.isValid() && fila.row() != maestro_->filas().recNo())
                    maestro_->filas().moveTo(fila.row());
            });
    agregue_tecla(Qt::Key_Insert, QStringLiteral("Ins: Nuevo"), [this] {
        cierre_edicion();
        if (maestro_->filas().append())
            grilla_->setCurrentIndex(grilla_->model()->index(maestro_->filas().recNo(), 0));
    });
    agregue_tecla(Qt::Key_F2, QStringLiteral("F2: Grabar"), [this] { SBGrabarClick(); });
    agregue_tecla(Qt::Key_Escape, QStringLiteral("ESC: Cancelar"), [this] { SBCancelarClick(); });
}

void VentanaMaestro::agregue_tecla(int key, const QString& texto, std::function<void()> accion) {
    auto* boton = new QPushButton(texto, this);
    boton->setFocusPolicy(Qt::NoFocus);
    barra_->addWidget(boton);
    connect(boton, &QPushButton::clicked, this, [this, key] { tecla(key); });
    teclas_.insert(key, std::move(accion));
}

void VentanaMaestro::cierre_edicion() {
    // The open cell editor hands its text in when it loses the focus.
    grilla_->setFocus();
    grilla_->setCurrentIndex(grilla_->currentIndex());
}

void VentanaMaestro::SBGrabarClick() {
    cierre_edicion();
    maestro_->grabe();
}

void VentanaMaestro::SBCancelarClick() {
    if (!maestro_->pendientes() && maestro_->filas().state() == ClientDataset::State::Browse) {
        close();
        return;
    }
    maestro_->cancele();
}

bool VentanaMaestro::tecla(int key) {
    const auto accion = teclas_.constFind(key);
    if (accion == teclas_.constEnd())
        return false;
    (*accion)();
    return true;
}

bool VentanaMaestro::eventFilter(QObject* watched, QEvent* event) {
    if (teclas_de_la_ventana(
            event, [this](int key) { return teclas_.contains(key); },
            [this](int key) { return tecla(key); }))
        return true;
    return QWidget::eventFilter(watched, event);
}

void VentanaMaestro::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key()))
        QWidget::keyPressEvent(event);
}

}  // namespace ledgrix
