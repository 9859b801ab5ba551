#pragma once

#include "core/ui/lista/tflista.h"
#include "output/mantenimiento/lista_formatos.h"

namespace ledgrix {

class Tfdm;

// "Formatos de impresión": the payables print formats. F5 new, F4 or a
// double click modify, F3 delete, F8 shows the copy panel and F2 copies the
// format to the prefix chosen there, Esc closes.
class Tfformatos : public Tflista {
    Q_OBJECT
  public:
    explicit Tfformatos(Tfdm& dm, QWidget* parent = nullptr);

    ListaFormatos& logica() { return logica_; }

    void SBNuevoClick();
    void SBModificarClick();

  private:
    ListaFormatos logica_;
};

}  // namespace ledgrix
