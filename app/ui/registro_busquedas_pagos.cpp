#include "app/ui/registro_busquedas_pagos.h"

#include "app/ui/principal/registro_ventanas.h"
#include "payments/ui/busquedas/tfbuscegreso.h"

namespace ledgrix {

void registre_ventanas_busquedas_pagos() {
    RegistroVentanas::global().registre(
        QStringLiteral("Tfbuscegreso"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfbuscegreso(dm, parent); });
}

}  // namespace ledgrix
