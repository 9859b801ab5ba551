#include "app/ui/registro_anticipos.h"

#include "app/ui/principal/registro_ventanas.h"
#include "payments/ui/anticipos/tfabonosprv.h"
#include "payments/ui/anticipos/tfanticiposprv.h"
#include "payments/ui/anticipos/tfbuscantipos.h"
#include "payments/ui/anticipos/tfconsanticipo.h"

namespace ledgrix {

void registre_ventanas_anticipos() {
    RegistroVentanas& registro = RegistroVentanas::global();
    registro.registre(QStringLiteral("Tfanticiposprv"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfanticiposprv(dm, parent);
    });
    registro.registre(QStringLiteral("Tfbuscantipos"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfbuscantipos(dm, parent);
    });
    registro.registre(QStringLiteral("Tfconsanticipo"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfconsanticipo(dm, parent);
    });
    registro.registre(QStringLiteral("Tfabonosprv"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfabonosprv(dm, parent);
    });
}

}  // namespace ledgrix
