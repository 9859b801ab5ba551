#pragma once

#include "core/ui/lista/tflista.h"
#include "reports/consulta/consulta_cxpagar.h"

class QComboBox;
class QDateEdit;
class QLabel;

namespace ledgrix {

// "Consulta de cuentas x pagar": the open documents of the supplier handed
// over through the third parties module (Tfdmter::entregado). Enter hands the
// current document to the opener and closes, F5 the marked ones; F4 opens the
// document's own window, F8 its payments; Esc closes. The label under the
// grid adds up the balances of the rows marked.
class Tfconscxpagar : public Tflista {
    Q_OBJECT
  public:
    explicit Tfconscxpagar(Tfdm& dm, QWidget* parent = nullptr);

    ConsultaCxpagar& logica() { return logica_; }
    QDateEdit* fecha() const { return fecha_; }
    QComboBox* moneda() const { return moneda_; }
    QLabel* suma() const { return suma_; }
    // Dataset rows of the rows marked in the grid, in order.
    QList<int> marcadas() const;

    void SBSeleccionaClick();
    void SBMarcadosClick();
    void SBConsultarClick();
    void SBAbonosClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void muestre_suma();
    void mire_documento(const QString& clase);

    ConsultaCxpagar logica_;
    QDateEdit* fecha_;
    QComboBox* moneda_;
    QLabel* suma_;
    bool enfocada_ = false;
};

// Opens the consultation over `parent` until it closes; answers 1 when
// documents were handed over (Tfdm::documentos_seleccionados), else 0.
int abra_conscxpagar(Tfdm& dm, QWidget* parent);

}  // namespace ledgrix
