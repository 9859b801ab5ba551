#include "app/ui/registro_pagos.h"

#include "app/ui/principal/registro_ventanas.h"
#include "payments/ui/busquedas/tfbuscaprogpagos.h"
#include "payments/ui/egresos/tfegresos.h"
#include "payments/ui/programacion/tfprogpagos.h"

namespace ledgrix {

void registre_ventanas_pagos() {
    RegistroVentanas& registro = RegistroVentanas::global();
    registro.registre(QStringLiteral("Tfegresos"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfegresos(dm, parent);
    });
    registro.registre(
        QStringLiteral("Tfbuscaprogpagos"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfbuscaprogpagos(dm, parent); });
    registro.registre(QStringLiteral("Tfprogpagos"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfprogpagos(dm, 0, parent);
    });
}

}  // namespace ledgrix
