#pragma once

#include "core/ui/lista/tflista.h"
#include "reports/movimiento/movimiento_en_pantalla.h"

class QDateEdit;
class QLabel;

namespace ledgrix {

// "Movimiento del proveedor <name>": the supplier's rows over the period
// handed over by the window that opened it, with the running balance. F2
// computes again for the dates in the boxes, F4 opens the consultation of
// the current row's document, Esc closes.
class Tfmovimientoprv : public Tflista {
    Q_OBJECT
  public:
    explicit Tfmovimientoprv(Tfdm& dm, QWidget* parent = nullptr);

    MovimientoEnPantalla& logica() { return logica_; }
    QDateEdit* desde() const { return desde_; }
    QDateEdit* hasta() const { return hasta_; }

    void SBCalculaClick();
    void SBConsultarClick();

  private:
    MovimientoEnPantalla logica_;
    QDateEdit* desde_;
    QDateEdit* hasta_;
    QLabel* saldos_ = nullptr;
};

}  // namespace ledgrix
