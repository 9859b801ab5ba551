#pragma once

#include "reports/impresos/movimiento_proveedor.h"
#include "reports/ui/impresos/tfreporte_impreso.h"

namespace ledgrix {

// "Movimiento Proveedor".
class Tfrepomovprove : public TfReporteImpreso {
    Q_OBJECT
  public:
    explicit Tfrepomovprove(Tfdm& dm, QWidget* parent = nullptr);
    MovimientoProveedor& logica() const { return static_cast<MovimientoProveedor&>(logica_base()); }

  protected:
    void agregue_propios(QVBoxLayout* caja) override;
    void lea_propios() override;
    QStringList agrupaciones() const override;

  private:
    QCheckBox* detalle_ = nullptr;
};

}  // namespace ledgrix
