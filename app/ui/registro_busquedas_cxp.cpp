#include "app/ui/registro_busquedas_cxp.h"

#include "app/ui/principal/registro_ventanas.h"

namespace ledgrix {

void registre_ventanas_busquedas_cxp() {
    [[maybe_unused]] RegistroVentanas& registro = RegistroVentanas::global();
}

}  // namespace ledgrix
