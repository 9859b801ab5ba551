#pragma once

#include "parties/ui/acreedores/ventana_proveedor.h"

namespace ledgrix {

// "Nuevo acreedor": a stored supplier leaves the window ready for the next.
class Tfnvoproveedor : public VentanaProveedor {
    Q_OBJECT
  public:
    explicit Tfnvoproveedor(Tfdm& dm, QWidget* parent = nullptr);
};

}  // namespace ledgrix
