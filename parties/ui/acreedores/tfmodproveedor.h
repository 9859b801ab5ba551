#pragma once

#include "parties/ui/acreedores/ventana_proveedor.h"

namespace ledgrix {

// The record of an existing supplier, by NIT.
class Tfmodproveedor : public VentanaProveedor {
    Q_OBJECT
  public:
    Tfmodproveedor(Tfdm& dm, const QString& nit, QWidget* parent = nullptr);
};

}  // namespace ledgrix
