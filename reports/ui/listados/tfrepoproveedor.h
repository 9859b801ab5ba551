#pragma once

#include "reports/listados/directorio_proveedores.h"
#include "reports/ui/impresos/tfreporte_impreso.h"

namespace ledgrix {

// "Proveedores".
class Tfrepoproveedor : public TfReporteImpreso {
    Q_OBJECT
  public:
    explicit Tfrepoproveedor(Tfdm& dm, QWidget* parent = nullptr);
    DirectorioProveedores& logica() const {
        return static_cast<DirectorioProveedores&>(logica_base());
    }

  protected:
    void agregue_propios(QVBoxLayout* caja) override;
    void lea_propios() override;
    QStringList agrupaciones() const override;

  private:
    QCheckBox* agenda_ = nullptr;
    QCheckBox* inactivos_ = nullptr;
};

}  // namespace ledgrix
