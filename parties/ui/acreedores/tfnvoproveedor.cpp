#include "parties/ui/acreedores/tfnvoproveedor.h"

namespace ledgrix {

Tfnvoproveedor::Tfnvoproveedor(Tfdm& dm, QWidget* parent)
    : VentanaProveedor(dm, FichaProveedor::Modo::Nuevo, {}, QStringLiteral("Tfnvoproveedor"),
                       QStringLiteral("Nuevo acreedor"), parent) {}

}  // namespace ledgrix
