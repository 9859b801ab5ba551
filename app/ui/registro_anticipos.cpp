#include "app/ui/registro_anticipos.h"

#include "app/ui/principal/registro_ventanas.h"
#include "payments/ui/anticipos/tfanticiposprv.h"

namespace ledgrix {

void registre_ventanas_anticipos() {
    RegistroVentanas::global().registre(
        QStringLiteral("Tfanticiposprv"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfanticiposprv(dm, parent); });
}

}  // namespace ledgrix
