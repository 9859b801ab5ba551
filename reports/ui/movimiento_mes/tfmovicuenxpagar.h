#pragma once

#include "core/ui/lista/tflista.h"
#include "reports/movimiento_mes/movimiento_mes.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;

namespace ledgrix {

class GraficaMeses;

// "Movimiento Cuentas por Pagar Mensual": every supplier's balance at the
// start and end of a period with what moved it, their totals under the
// grid, and the twelve months up to the period's end drawn below, of the
// company or of the supplier on the row. F2 calculates, F8 shows the
// supplier's open documents, F9, Enter or a double click its movement over
// the period, Esc closes. Each window opened after it steps down and right.
class Tfmovicuenxpagar : public Tflista {
    Q_OBJECT
  public:
    explicit Tfmovicuenxpagar(Tfdm& dm, QWidget* parent = nullptr);

    MovimientoMes& logica() { return logica_; }
    QDateEdit* desde() const { return desde_; }
    QDateEdit* hasta() const { return hasta_; }
    QComboBox* moneda() const { return moneda_; }
    QCheckBox* solo_proveedor() const { return solo_proveedor_; }
    QLabel* totales() const { return totales_; }
    GraficaMeses* grafica() const { return grafica_; }

    void SBCalculaClick();
    void SBSaldosClick();
    void SBMovimientoClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void lea_criterios();
    void muestre_totales();
    void dibuje();
    bool editando() const;

    MovimientoMes logica_;
    QDateEdit* desde_;
    QDateEdit* hasta_;
    QComboBox* moneda_;
    QCheckBox* solo_proveedor_;
    QLabel* totales_;
    GraficaMeses* grafica_;
    QPushButton* calcula_;
    bool ubicada_ = false;
};

}  // namespace ledgrix
