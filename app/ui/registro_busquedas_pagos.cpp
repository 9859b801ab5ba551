#include "app/ui/registro_busquedas_pagos.h"

#include "app/ui/principal/registro_ventanas.h"

namespace ledgrix {

void registre_ventanas_busquedas_pagos() {
    [[maybe_unused]] RegistroVentanas& registro = RegistroVentanas::global();
}

}  // namespace ledgrix
