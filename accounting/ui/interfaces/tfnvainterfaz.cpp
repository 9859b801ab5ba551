#include "accounting/ui/interfaces/tfnvainterfaz.h"

namespace ledgrix {

Tfnvainterfaz::Tfnvainterfaz(Tfdm& dm, QWidget* parent)
    : VentanaInterfaz(dm, EdicionInterfaz::Modo::Nueva, 0, parent) {
    setObjectName(QStringLiteral("Tfnvainterfaz"));
    setWindowTitle(QStringLiteral("Nueva interface contable"));
}

}  // namespace ledgrix
