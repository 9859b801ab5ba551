#include "parties/ui/acreedores/tfbuscprove.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/ventanas_externas.h"
#include "parties/tfdmter.h"
#include "parties/ui/acreedores/tfmodproveedor.h"
#include "parties/ui/acreedores/tfnvoproveedor.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

Tfbuscprove::Tfbuscprove(Tfdm& dm, QWidget* parent)
    : Tflista(dm, S("Tfbuscprove"), S("Acreedores"), parent), logica_(dm, this) {
    resize(900, 440);
    grilla()->setExportTitle(S("Acreedores"));

    auto* criterios = new QHBoxLayout;
    criterios->addWidget(new QLabel(S("Buscar por:"), this));
    columna_ = new QComboBox(this);
    columna_->setObjectName(S("columna"));
    using C = CriterioProveedores::Columna;
    columna_->addItem(S("Nombre"), static_cast<int>(C::Nombre));
    columna_->addItem(S("NIT"), static_cast<int>(C::Nit));
    columna_->addItem(S("Código"), static_cast<int>(C::Codigo));
    columna_->addItem(S("Contacto"), static_cast<int>(C::Contacto));
    criterios->addWidget(columna_);
    texto_ = new QLineEdit(logica_.texto_inicial(), this);
    texto_->setObjectName(S("texto"));
    criterios->addWidget(texto_, 1);
    contiene_ = new QCheckBox(S("Contiene"), this);
    contiene_->setObjectName(S("contiene"));
    contiene_->setChecked(true);
    criterios->addWidget(contiene_);
    inactivos_ = new QCheckBox(S("Incluir inactivos"), this);
    inactivos_->setObjectName(S("inactivos"));
    criterios->addWidget(inactivos_);
    criterios->addWidget(new QLabel(S("Año:"), this));
    ano_ = new QSpinBox(this);
    ano_->setObjectName(S("ano"));
    ano_->setRange(1990, 2100);
    ano_->setValue(dm.clock().today().year());
    criterios->addWidget(ano_);
    static_cast<QVBoxLayout*>(layout())->insertLayout(0, criterios);

    muestre(logica_.filas(), [this] {
        if (logica_.para_elegir())
            SBSeleccionarClick();
        else
            SBModificarClick();
    });
    connect(columna_, &QComboBox::currentIndexChanged, this, &Tfbuscprove::busque);
    busque_al_pausar(texto_, [this] { busque(); });
    connect(contiene_, &QCheckBox::toggled, this, &Tfbuscprove::busque);
    connect(inactivos_, &QCheckBox::toggled, this, &Tfbuscprove::busque);
    // The window's keys reach it from the criteria being typed too.
    for (QWidget* w : {static_cast<QWidget*>(columna_), static_cast<QWidget*>(texto_),
                       static_cast<QWidget*>(contiene_), static_cast<QWidget*>(inactivos_),
                       static_cast<QWidget*>(ano_)})
        w->installEventFilter(this);
    abra_a_lo_ancho();

    if (logica_.para_elegir()) {
        agregue_tecla(Qt::Key_F2, S("F2: Seleccionar"), [this] { SBSeleccionarClick(); });
        agregue_tecla(Qt::Key_Return, S("Enter: Seleccionar"), [this] { SBSeleccionarClick(); });
    }
    agregue_tecla(Qt::Key_F5, S("F5: Nuevo"), [this] { SBNuevoClick(); });
    agregue_tecla(Qt::Key_F4, S("F4: Modificar"), [this] { SBModificarClick(); });
    agregue_tecla(Qt::Key_F3, S("F3: Borrar"), [this] { SBBorrarClick(); });
    agregue_tecla(Qt::Key_F6, S("F6: Compras anuales"), [this] { SBComprasClick(); });
    agregue_tecla(Qt::Key_F7, S("F7: Imprimir"), [this] { grilla()->printPreview(); });
    agregue_tecla(Qt::Key_F8, S("F8: Calificación"),
                  [this] { abra_del_proveedor(S("Tfcalificacionprv")); });
    agregue_tecla(Qt::Key_F11, S("F11: Compromisos"),
                  [this] { abra_del_proveedor(S("Tfcompromisos")); });
    agregue_tecla(Qt::Key_F9, S("F9: Guardar"), [this] { grilla()->exportRows(false); });
}

void Tfbuscprove::busque() {
    espera().stop();
    logica_.cargue({static_cast<CriterioProveedores::Columna>(columna_->currentData().toInt()),
                    texto_->text().trimmed(), contiene_->isChecked(), inactivos_->isChecked()});
}

void Tfbuscprove::SBNuevoClick() {
    if (!logica_.permita_nuevo())
        return;
    dm().dialogs().modal(S("Tfnvoproveedor"), [this] {
        Tfnvoproveedor ventana(dm(), this);
        return ventana.exec();
    });
    logica_.refresque();
}

void Tfbuscprove::SBModificarClick() {
    const QString nit = logica_.nit_actual();
    if (nit.isEmpty())
        return;
    dm().dialogs().modal(S("Tfmodproveedor"), [this, nit] {
        Tfmodproveedor ventana(dm(), nit, this);
        return ventana.exec();
    });
    logica_.refresque();
}

// The rating and the commitments read their supplier from the hand-over.
void Tfbuscprove::abra_del_proveedor(const QString& clase) {
    const QString nit = logica_.nit_actual();
    if (nit.isEmpty())
        return;
    Tfdmter::entregado = {nit, logica_.filas().fieldByName(S("TERC_NOM")).asString().trimmed()};
    abra_externa(dm(), clase, this);
}

void Tfbuscprove::SBBorrarClick() {
    logica_.borre();
}

void Tfbuscprove::SBSeleccionarClick() {
    const QString nit = logica_.seleccione();
    if (nit.isEmpty())
        return;
    emit elegido(nit);
    close();
}

void Tfbuscprove::SBComprasClick() {
    ClientDataset* compras = logica_.compras_anuales(ano_->value());
    if (!compras)
        return;
    dm().dialogs().modal(S("Tfcomprasanuales"), [this, compras] {
        QDialog ventana(this);
        ventana.setObjectName(S("Tfcomprasanuales"));
        ventana.setWindowTitle(S("Compras anuales ") + QString::number(ano_->value()) + S(" - ") +
                               logica_.nit_actual());
        ventana.resize(520, 380);
        auto* caja = new QVBoxLayout(&ventana);
        auto* grilla = new LedgrixGrid(&ventana);
        grilla->setDialogs(&dm().dialogs());
        grilla->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grilla->setModel(new DatasetModel(compras, &ventana));
        caja->addWidget(grilla);
        return ventana.exec();
    });
}

}  // namespace ledgrix
