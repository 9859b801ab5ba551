#pragma once

#include "parties/maestros/grupos_proveedores.h"
#include "parties/ui/maestros/ventana_maestro.h"

namespace ledgrix {

// "Grupos acreedores": the supplier groups and their accounts; "?" typed
// first in an account cell opens the chart chooser of its book.
class Tfgruprov : public VentanaMaestro {
    Q_OBJECT
  public:
    explicit Tfgruprov(Tfdm& dm, QWidget* parent = nullptr);
    GruposProveedores& logica() { return logica_; }

  private:
    GruposProveedores logica_;
};

}  // namespace ledgrix
