#pragma once


#include "core/ui/lista/tflista.h"
#include "payments/anticipos/busqueda_anticipos.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ledgrix {

// "Búsqueda de Anticipos": the stored advances, filtered by the column chosen
// once the user stops typing for the login's search delay, and ordered by
// it. F4 or a double click consults the advance, F12 opens its payment
// history, F3 annuls it, Esc closes.
class Tfbuscantipos : public Tflista {
    Q_OBJECT
  public:
    explicit Tfbuscantipos(Tfdm& dm, QWidget* parent = nullptr);

    BusquedaAnticipos& logica() { return logica_; }
    QComboBox* columna_filtro() const { return columna_; }
    QLineEdit* texto() const { return texto_; }
    QCheckBox* contiene() const { return contiene_; }
    // Runs the search when the typing pauses.

    void busque();
    void SBConsultarClick();
    void SBAbonosClick();
    void SBAnularClick();

  private:
    BusquedaAnticipos logica_;
    QComboBox* columna_;
    QLineEdit* texto_;
    QCheckBox* contiene_;
};

}  // namespace ledgrix
