#pragma once

#include "reports/impresos/analisis_impreso.h"
#include "reports/ui/impresos/tfreporte_impreso.h"

namespace ledgrix {

// "Análisis Cuentas por Pagar".
class Tfrepoanalisi : public TfReporteImpreso {
    Q_OBJECT
  public:
    explicit Tfrepoanalisi(Tfdm& dm, QWidget* parent = nullptr);
    AnalisisImpreso& logica() const { return static_cast<AnalisisImpreso&>(logica_base()); }

  protected:
    void agregue_propios(QVBoxLayout* caja) override;
    void lea_propios() override;

  private:
    QLineEdit* ancho_ = nullptr;
    QCheckBox* detalle_ = nullptr;
    QCheckBox* por_vencer_ = nullptr;
    QCheckBox* vencidos_ = nullptr;
    QCheckBox* sin_cartera_ = nullptr;
};

}  // namespace ledgrix
