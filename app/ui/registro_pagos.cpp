#include "app/ui/registro_pagos.h"

#include "app/ui/principal/registro_ventanas.h"
#include "payments/ui/egresos/tfegresos.h"

namespace ledgrix {

void registre_ventanas_pagos() {
    RegistroVentanas::global().registre(
        QStringLiteral("Tfegresos"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfegresos(dm, parent); });
}

}  // namespace ledgrix
