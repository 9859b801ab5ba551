#pragma once

#include "reports/impresos/relacion_cxpagar.h"
#include "reports/ui/impresos/tfreporte_impreso.h"

namespace ledgrix {

// "Reporte Cuentas Por Pagar".
class Tfrepocxpaga : public TfReporteImpreso {
    Q_OBJECT
  public:
    explicit Tfrepocxpaga(Tfdm& dm, QWidget* parent = nullptr);
    RelacionCxPagar& logica() const { return static_cast<RelacionCxPagar&>(logica_base()); }

  protected:
    void agregue_propios(QVBoxLayout* caja) override;
    void lea_propios() override;

  private:
    QCheckBox* detalle_ = nullptr;
    QCheckBox* diferencia_ = nullptr;
    QCheckBox* rangos_ = nullptr;
    QDateEdit* vence_desde_ = nullptr;
    QDateEdit* vence_hasta_ = nullptr;
    QCheckBox* sin_saldo_ = nullptr;
};

}  // namespace ledgrix
