#pragma once

#include "reports/listados/retencion_proveedor.h"
#include "reports/ui/impresos/tfreporte_periodo.h"

namespace ledgrix {

// "Retención Por Proveedor".
class Tfreporelaprov : public TfReportePeriodo {
    Q_OBJECT
  public:
    explicit Tfreporelaprov(Tfdm& dm, QWidget* parent = nullptr)
        : TfReportePeriodo(dm, new RetencionProveedor(dm), QStringLiteral("Tfreporelaprov"),
                           QStringLiteral("Retención Por Proveedor"), parent) {}
    RetencionProveedor& logica() const { return static_cast<RetencionProveedor&>(logica_base()); }
};

}  // namespace ledgrix
