#pragma once

#include "reports/listados/retencion_proveedor.h"
#include "reports/ui/impresos/tfreporte_impreso.h"

namespace ledgrix {

// "Retención Por Proveedor".
class Tfreporelaprov : public TfReporteImpreso {
    Q_OBJECT
  public:
    explicit Tfreporelaprov(Tfdm& dm, QWidget* parent = nullptr);
    RetencionProveedor& logica() const { return static_cast<RetencionProveedor&>(logica_base()); }

  protected:
    void agregue_propios(QVBoxLayout* caja) override;
    void lea_propios() override;
    QStringList agrupaciones() const override;

  private:
    QCheckBox* detalle_ = nullptr;
};

}  // namespace ledgrix
