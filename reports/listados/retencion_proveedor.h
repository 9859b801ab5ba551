#pragma once

#include "reports/impresos/reporte_periodo.h"

namespace ledgrix {

// "Retención Por Proveedor" (Tfreporelaprov): what was withheld from each
// supplier over a period, document by document or one line per supplier,
// grouped by city or group.
class RetencionProveedor : public ReportePeriodo {
    Q_OBJECT
  public:
    explicit RetencionProveedor(Tfdm& dm, QObject* parent = nullptr);

    QString consulta() const override;
    QString proyecto() const override { return QStringLiteral("reporelaprov"); }
    QString archivo_exportacion() const override { return QStringLiteral("RepRetProv"); }
};

}  // namespace ledgrix
