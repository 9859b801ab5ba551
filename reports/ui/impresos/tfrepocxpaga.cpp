#include "reports/ui/impresos/tfrepocxpaga.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/tfdm/tfdm.h"
#include "reports/impresos/relacion_cxpagar.h"

namespace ledgrix {

Tfrepocxpaga::Tfrepocxpaga(Tfdm& dm, QWidget* parent)
    : TfReporteImpreso(dm, new RelacionCxPagar(dm), QStringLiteral("Tfrepocxpaga"),
                       QStringLiteral("Reporte Cuentas Por Pagar"), parent) {
    construya();
}

void Tfrepocxpaga::agregue_propios(QVBoxLayout* caja) {
    detalle_ = casilla(caja, QStringLiteral("Detalle de comprobantes"), "detalle");
    detalle_->setChecked(logica().detalle);
    diferencia_ = casilla(caja, QStringLiteral("Diferencia en cambio a hoy"), "diferencia");
    rangos_ = casilla(caja, QStringLiteral("Rangos de vencimiento"), "rangos");
    auto* incluir = new QGroupBox(QStringLiteral("Incluir"), this);
    auto* fila = new QHBoxLayout(incluir);
    const auto fecha = [this, incluir, fila](const QString& texto, const char* nombre, QDate d) {
        fila->addWidget(new QLabel(texto, incluir));
        QDateEdit* e = caja_fecha(incluir, nombre, d);
        fila->addWidget(e);
        return e;
    };
    vence_desde_ = fecha(QStringLiteral("Desde"), "vence_desde", logica().vence_desde);
    vence_hasta_ = fecha(QStringLiteral("Hasta"), "vence_hasta", logica().vence_hasta);
    incluir->setEnabled(false);
    caja->addWidget(incluir);
    sin_saldo_ = casilla(caja, QStringLiteral("Incluir acreedores sin saldo"), "sin_saldo");
    // The due-date range filters documents; without detail there are none.
    const auto habilite = [this, incluir] {
        rangos_->setEnabled(detalle_->isChecked());
        incluir->setEnabled(detalle_->isChecked() && rangos_->isChecked());
        sin_saldo_->setEnabled(!detalle_->isChecked());
        diferencia_->setEnabled(detalle_->isChecked());
    };
    connect(detalle_, &QCheckBox::toggled, this, habilite);
    connect(rangos_, &QCheckBox::toggled, this, habilite);
    habilite();
}

void Tfrepocxpaga::lea_propios() {
    logica().detalle = detalle_->isChecked();
    logica().diferencia_cambio = diferencia_->isChecked();
    logica().rangos_vencimiento = rangos_->isChecked();
    logica().vence_desde = vence_desde_->date();
    logica().vence_hasta = vence_hasta_->date();
    logica().incluir_sin_saldo = sin_saldo_->isChecked();
}

}  // namespace ledgrix
