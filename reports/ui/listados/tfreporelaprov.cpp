#include "reports/ui/listados/tfreporelaprov.h"

#include <QCheckBox>

namespace ledgrix {

Tfreporelaprov::Tfreporelaprov(Tfdm& dm, QWidget* parent)
    : TfReporteImpreso(dm, new RetencionProveedor(dm), QStringLiteral("Tfreporelaprov"),
                       QStringLiteral("Retención Por Proveedor"), parent) {
    construya();
    oculte_corte();
}

QStringList Tfreporelaprov::agrupaciones() const {
    return {QStringLiteral("Ciudad"), QStringLiteral("Grupo")};
}

void Tfreporelaprov::agregue_propios(QVBoxLayout* caja) {
    agregue_periodo(caja);
    detalle_ = casilla(caja, QStringLiteral("Detalle de comprobantes"), "detalle");
}

void Tfreporelaprov::lea_propios() {
    logica().detalle = detalle_->isChecked();
}

}  // namespace ledgrix
