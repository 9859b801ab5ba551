#include "accounting/ui/interfaces/tfmodinterfaz.h"

namespace ledgrix {

Tfmodinterfaz::Tfmodinterfaz(Tfdm& dm, int id, QWidget* parent)
    : VentanaInterfaz(dm, EdicionInterfaz::Modo::Modificar, id, parent) {
    setObjectName(QStringLiteral("Tfmodinterfaz"));
    setWindowTitle(QStringLiteral("Modificar interface contable"));
}

}  // namespace ledgrix
