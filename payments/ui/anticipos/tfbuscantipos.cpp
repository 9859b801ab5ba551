#include "payments/ui/anticipos/tfbuscantipos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/ventanas_externas.h"

namespace ledgrix {

Tfbuscantipos::Tfbuscantipos(Tfdm& dm, QWidget* parent)
    : Tflista(dm, QStringLiteral("Tfbuscantipos"), QStringLiteral("Búsqueda de Anticipos"), parent),
      logica_(dm, this) {
    resize(900, 420);
    grilla()->setExportTitle(QStringLiteral("Anticipos"));

    auto* criterios = new QHBoxLayout;
    criterios->addWidget(new QLabel(QStringLiteral("Buscar por:"), this));
    columna_ = new QComboBox(this);
    columna_->setObjectName(QStringLiteral("columna"));
    using C = BusquedaAnticipos::Columna;
    columna_->addItem(QStringLiteral("Fecha"), static_cast<int>(C::Fecha));
    columna_->addItem(QStringLiteral("Número"), static_cast<int>(C::Numero));
    columna_->addItem(QStringLiteral("Proveedor"), static_cast<int>(C::Nombre));
    columna_->addItem(QStringLiteral("Concepto"), static_cast<int>(C::Concepto));
    criterios->addWidget(columna_);
    texto_ = new QLineEdit(this);
    texto_->setObjectName(QStringLiteral("texto"));
    criterios->addWidget(texto_, 1);
    contiene_ = new QCheckBox(QStringLiteral("En cualquier parte"), this);
    contiene_->setObjectName(QStringLiteral("contiene"));
    contiene_->setChecked(true);
    criterios->addWidget(contiene_);
    static_cast<QVBoxLayout*>(layout())->insertLayout(0, criterios);

    logica_.cargue();
    muestre(logica_.filas(), [this] { SBConsultarClick(); });
    abra_a_lo_ancho();
    busque_al_pausar(texto_, [this] { busque(); });
    connect(columna_, &QComboBox::currentIndexChanged, this, &Tfbuscantipos::busque);
    connect(contiene_, &QCheckBox::toggled, this, &Tfbuscantipos::busque);
    // The window's keys reach it from the text being typed too.
    for (QWidget* w : {static_cast<QWidget*>(columna_), static_cast<QWidget*>(texto_),
                       static_cast<QWidget*>(contiene_)})
        w->installEventFilter(this);

    agregue_tecla(Qt::Key_F4, QStringLiteral("F4: Consultar"), [this] { SBConsultarClick(); });
    agregue_tecla(Qt::Key_F12, QStringLiteral("F12: Abonos"), [this] { SBAbonosClick(); });
    agregue_tecla(Qt::Key_F3, QStringLiteral("F3: Anular"), [this] { SBAnularClick(); });
}

void Tfbuscantipos::busque() {
    espera().stop();
    logica_.cargue(static_cast<BusquedaAnticipos::Columna>(columna_->currentData().toInt()),
                   texto_->text().trimmed(), contiene_->isChecked());
}

void Tfbuscantipos::SBConsultarClick() {
    if (logica_.a_consultar())
        abra_externa(dm(), QStringLiteral("Tfconsanticipo"), this);
}

void Tfbuscantipos::SBAbonosClick() {
    if (logica_.a_consultar())
        abra_externa(dm(), QStringLiteral("Tfabonosprv"), this);
}

void Tfbuscantipos::SBAnularClick() {
    logica_.anule();
}

}  // namespace ledgrix
