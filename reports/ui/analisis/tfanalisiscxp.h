#pragma once

#include "core/ui/lista/tflista.h"
#include "reports/analisis/analisis_cxp.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;

namespace ledgrix {

class GraficaTramos;

// "Análisis de Cuentas x pagar": every supplier's balance in aging buckets at
// a cut-off date, with the buckets drawn beside the grid for the company or
// for the supplier the user moves to. F2 calculates, F5 refreshes, F8 or a
// double click show the supplier's open documents, F9 its movement for the
// cut-off month, Esc closes. Coming back to the window, the grid shows the
// supplier it showed before.
class Tfanalisiscxp : public Tflista {
    Q_OBJECT
  public:
    explicit Tfanalisiscxp(Tfdm& dm, QWidget* parent = nullptr);

    AnalisisCxp& logica() { return logica_; }
    QDateEdit* corte() const { return corte_; }
    QComboBox* moneda() const { return moneda_; }
    QLineEdit* rango() const { return rango_; }
    QComboBox* agencia() const { return agencia_; }
    QCheckBox* por_vencer() const { return por_vencer_; }
    QCheckBox* incluir_cero() const { return incluir_cero_; }
    GraficaTramos* grafica() const { return grafica_; }

    void SBCalculaClick();
    void SBSaldosClick();
    void SBMovimientoClick();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void lea_criterios();
    void muestre_fila();
    void dibuje();
    void vuelva_al_visto();

    AnalisisCxp logica_;
    QDateEdit* corte_;
    QComboBox* moneda_;
    QLineEdit* rango_;
    QComboBox* agencia_;
    QCheckBox* por_vencer_;
    QCheckBox* incluir_cero_;
    GraficaTramos* grafica_;
    // The supplier on screen, to come back to; empty before the first calculation.
    QString visto_;
    bool moviendo_ = false;
    bool ubicada_ = false;
};

}  // namespace ledgrix
