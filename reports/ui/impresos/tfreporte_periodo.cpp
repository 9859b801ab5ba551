#include "reports/ui/impresos/tfreporte_periodo.h"

#include <QCheckBox>

namespace ledgrix {

TfReportePeriodo::TfReportePeriodo(Tfdm& dm, ReportePeriodo* logica, const QString& clase,
                                   const QString& titulo, QWidget* parent)
    : TfReporteImpreso(dm, logica, clase, titulo, parent), logica_periodo_(*logica) {
    construya();
    oculte_corte();
}

QStringList TfReportePeriodo::agrupaciones() const {
    return {QStringLiteral("Ciudad"), QStringLiteral("Grupo")};
}

void TfReportePeriodo::agregue_propios(QVBoxLayout* caja) {
    agregue_periodo(caja);
    detalle_ = casilla(caja, QStringLiteral("Detalle de comprobantes"), "detalle");
}

void TfReportePeriodo::lea_propios() {
    logica_periodo_.detalle = detalle_->isChecked();
}

}  // namespace ledgrix
