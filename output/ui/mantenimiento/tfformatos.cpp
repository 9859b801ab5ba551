#include "output/ui/mantenimiento/tfformatos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/delegados.h"
#include "output/ui/mantenimiento/tfdefformato.h"
#include "output/ui/mantenimiento/tfmodformato.h"

namespace ledgrix {

Tfformatos::Tfformatos(Tfdm& dm, QWidget* parent) : QWidget(parent), dm_(dm), logica_(dm, this) {
    setObjectName(QStringLiteral("Tfformatos"));
    setWindowTitle(QStringLiteral("Formatos de impresión"));
    resize(520, 360);

    auto* caja = new QVBoxLayout(this);
    filtros_ = new QCheckBox(QStringLiteral("Habilitar filtros"), this);
    filtros_->setObjectName(QStringLiteral("filtros"));
    caja->addWidget(filtros_);

    modelo_ = new DatasetModel(&logica_.formatos(), this);
    grilla_ = new LedgrixGrid(this);
    grilla_->setObjectName(QStringLiteral("grilla"));
    grilla_->setDialogs(&dm.dialogs());
    grilla_->setExportTitle(QStringLiteral("Formatos"));
    grilla_->setSearchDelay(dm.ctx.duracion_busquedas > 0 ? dm.ctx.duracion_busquedas
                                                          : grilla_->searchDelay());
    grilla_->setModel(modelo_);
    grilla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grilla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grilla_->setSortingEnabled(true);
    caja->addWidget(grilla_, 1);

    panel_copia_ = new QFrame(this);
    panel_copia_->setObjectName(QStringLiteral("panel_copia"));
    panel_copia_->setFrameShape(QFrame::StyledPanel);
    auto* panel = new QHBoxLayout(panel_copia_);
    panel->addWidget(new QLabel(QStringLiteral("Nuevo prefijo:"), panel_copia_));
    nuevo_prefijo_ = new QComboBox(panel_copia_);
    nuevo_prefijo_->setObjectName(QStringLiteral("nuevo_prefijo"));
    panel->addWidget(nuevo_prefijo_, 1);
    auto* copiar = new QPushButton(QStringLiteral("F2: Copiar"), panel_copia_);
    auto* cancelar = new QPushButton(QStringLiteral("ESC: Cancelar"), panel_copia_);
    panel->addWidget(copiar);
    panel->addWidget(cancelar);
    panel_copia_->hide();
    caja->addWidget(panel_copia_);

    auto* abajo = new QHBoxLayout;
    auto* nuevo = new QPushButton(QStringLiteral("F5: Nuevo"), this);
    auto* modificar = new QPushButton(QStringLiteral("F4: Modificar"), this);
    auto* borrar = new QPushButton(QStringLiteral("F3: Borrar"), this);
    auto* copia = new QPushButton(QStringLiteral("F8: Copiar"), this);
    auto* salir = new QPushButton(QStringLiteral("ESC:Salir"), this);
    for (QPushButton* b : {nuevo, modificar, borrar, copia})
        abajo->addWidget(b);
    abajo->addStretch(1);
    abajo->addWidget(salir);
    caja->addLayout(abajo);

    connect(filtros_, &QCheckBox::toggled, grilla_, &LedgrixGrid::setFiltersEnabled);
    connect(grilla_, &QAbstractItemView::doubleClicked, this, &Tfformatos::SBModificarClick);
    connect(grilla_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& actual) {
                const QModelIndex fila = grilla_->sourceIndex(actual);
                if (fila.isValid() && fila.row() != logica_.formatos().recNo())
                    logica_.formatos().moveTo(fila.row());
            });
    connect(nuevo, &QPushButton::clicked, this, &Tfformatos::SBNuevoClick);
    connect(modificar, &QPushButton::clicked, this, &Tfformatos::SBModificarClick);
    connect(borrar, &QPushButton::clicked, this, &Tfformatos::SBBorrarClick);
    connect(copia, &QPushButton::clicked, this, &Tfformatos::SBCopiarClick);
    connect(copiar, &QPushButton::clicked, this, &Tfformatos::SBCopiaClick);
    connect(cancelar, &QPushButton::clicked, panel_copia_, &QWidget::hide);
    connect(salir, &QPushButton::clicked, this, &Tfformatos::SBSalirClick);
    for (QWidget* w : {static_cast<QWidget*>(grilla_), static_cast<QWidget*>(nuevo_prefijo_),
                       static_cast<QWidget*>(filtros_)})
        w->installEventFilter(this);
}

void Tfformatos::SBNuevoClick() {
    dm_.dialogs().modal(QStringLiteral("Tfdefformato"), [this] {
        Tfdefformato ventana(dm_, this);
        return ventana.exec();
    });
    logica_.refresque();
}

void Tfformatos::SBModificarClick() {
    const int tipo = logica_.tipo_actual();
    if (tipo == 0)
        return;
    const QString prefijo = logica_.prefijo_actual();
    dm_.dialogs().modal(QStringLiteral("Tfmodformato"), [this, tipo, prefijo] {
        Tfmodformato ventana(dm_, tipo, prefijo, this);
        return ventana.exec();
    });
    logica_.refresque();
}

void Tfformatos::SBBorrarClick() {
    logica_.borre();
}

void Tfformatos::SBCopiarClick() {
    if (logica_.tipo_actual() == 0)
        return;
    nuevo_prefijo_->clear();
    nuevo_prefijo_->addItems(logica_.prefijos_copia());
    panel_copia_->show();
    nuevo_prefijo_->setFocus();
}

void Tfformatos::SBCopiaClick() {
    panel_copia_->hide();
    logica_.copie(nuevo_prefijo_->currentText());
    grilla_->setFocus();
}

void Tfformatos::SBSalirClick() {
    if (panel_copia_->isVisible()) {
        panel_copia_->hide();
        grilla_->setFocus();
        return;
    }
    close();
}

bool Tfformatos::tecla(int key) {
    switch (key) {
        case Qt::Key_F5:
            SBNuevoClick();
            return true;
        case Qt::Key_F4:
            SBModificarClick();
            return true;
        case Qt::Key_F3:
            SBBorrarClick();
            return true;
        case Qt::Key_F8:
            SBCopiarClick();
            return true;
        case Qt::Key_F2:
            if (panel_copia_->isVisible())
                SBCopiaClick();
            return true;
        case Qt::Key_Escape:
            SBSalirClick();
            return true;
        default:
            return false;
    }
}

bool Tfformatos::eventFilter(QObject* watched, QEvent* event) {
    // The window's keys win over the children's own use of them.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_F2 || key == Qt::Key_F3 || key == Qt::Key_F4 || key == Qt::Key_F5 ||
            key == Qt::Key_F8 || key == Qt::Key_Escape) {
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();
                return true;
            }
            return tecla(key);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Tfformatos::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key()))
        QWidget::keyPressEvent(event);
}

void Tfformatos::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!ubicada_) {
        ubicada_ = true;
        centre_en_area(this, 135, 140);
    }
}

}  // namespace ledgrix
