#pragma once

#include "accounting/ui/interfaces/ventana_interfaz.h"

namespace ledgrix {

// "Nueva interface contable".
class Tfnvainterfaz : public VentanaInterfaz {
    Q_OBJECT
  public:
    explicit Tfnvainterfaz(Tfdm& dm, QWidget* parent = nullptr);
};

}  // namespace ledgrix
