#pragma once

#include "reports/impresos/reporte_periodo.h"
#include "reports/ui/impresos/tfreporte_impreso.h"

namespace ledgrix {

// The window of a report by supplier over a period: the common boxes, the
// period, "Detalle de comprobantes", grouped by city or group.
class TfReportePeriodo : public TfReporteImpreso {
    Q_OBJECT
  protected:
    TfReportePeriodo(Tfdm& dm, ReportePeriodo* logica, const QString& clase, const QString& titulo,
                     QWidget* parent);
    void agregue_propios(QVBoxLayout* caja) override;
    void lea_propios() override;
    QStringList agrupaciones() const override;

  private:
    ReportePeriodo& logica_periodo_;
    QCheckBox* detalle_ = nullptr;
};

}  // namespace ledgrix
