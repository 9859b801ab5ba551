#pragma once

#include "reports/impresos/movimiento_proveedor.h"
#include "reports/ui/impresos/tfreporte_periodo.h"

namespace ledgrix {

// "Movimiento Proveedor".
class Tfrepomovprove : public TfReportePeriodo {
    Q_OBJECT
  public:
    explicit Tfrepomovprove(Tfdm& dm, QWidget* parent = nullptr)
        : TfReportePeriodo(dm, new MovimientoProveedor(dm), QStringLiteral("Tfrepomovprove"),
                           QStringLiteral("Movimiento Proveedor"), parent) {}
    MovimientoProveedor& logica() const { return static_cast<MovimientoProveedor&>(logica_base()); }
};

}  // namespace ledgrix
