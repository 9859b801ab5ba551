#include "reports/ui/impresos/tfrepomovprove.h"

#include <QCheckBox>

namespace ledgrix {

Tfrepomovprove::Tfrepomovprove(Tfdm& dm, QWidget* parent)
    : TfReporteImpreso(dm, new MovimientoProveedor(dm), QStringLiteral("Tfrepomovprove"),
                       QStringLiteral("Movimiento Proveedor"), parent) {
    construya();
    oculte_corte();
}

QStringList Tfrepomovprove::agrupaciones() const {
    return {QStringLiteral("Ciudad"), QStringLiteral("Grupo")};
}

void Tfrepomovprove::agregue_propios(QVBoxLayout* caja) {
    agregue_periodo(caja);
    detalle_ = casilla(caja, QStringLiteral("Detalle de comprobantes"), "detalle");
}

void Tfrepomovprove::lea_propios() {
    logica().detalle = detalle_->isChecked();
}

}  // namespace ledgrix
