#pragma once

#include "accounting/ui/interfaces/ventana_interfaz.h"

namespace ledgrix {

// An existing interface, by id; closes at once when it is not found.
class Tfmodinterfaz : public VentanaInterfaz {
    Q_OBJECT
  public:
    Tfmodinterfaz(Tfdm& dm, int id, QWidget* parent = nullptr);
};

}  // namespace ledgrix
