#pragma once

#include "accounting/interfaces/lista_interfaces.h"
#include "core/ui/lista/tflista.h"

namespace ledgrix {

class Tfdm;

// "Interfaces Cuentas x pagar": the module's accounting interfaces. F5 new,
// F4 or a double click modify, F3 delete, F8 shows the copy panel and F2
// copies the interface to the prefix chosen there, Esc closes.
class Tfinterfaces : public Tflista {
    Q_OBJECT
  public:
    explicit Tfinterfaces(Tfdm& dm, QWidget* parent = nullptr);

    ListaInterfaces& logica() { return logica_; }

    void SBNuevoClick();
    void SBModificarClick();

  private:
    ListaInterfaces logica_;
};

}  // namespace ledgrix
