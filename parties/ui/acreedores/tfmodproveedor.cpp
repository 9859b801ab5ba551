#include "parties/ui/acreedores/tfmodproveedor.h"

namespace ledgrix {

Tfmodproveedor::Tfmodproveedor(Tfdm& dm, const QString& nit, QWidget* parent)
    : VentanaProveedor(dm, FichaProveedor::Modo::Modificar, nit, QStringLiteral("Tfmodproveedor"),
                       QStringLiteral("Modificar acreedor"), parent) {}

}  // namespace ledgrix
