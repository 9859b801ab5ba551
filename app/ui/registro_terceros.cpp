#include "app/ui/registro_terceros.h"

#include "app/ui/principal/registro_ventanas.h"

namespace ledgrix {

void registre_ventanas_terceros() {
    [[maybe_unused]] RegistroVentanas& registro = RegistroVentanas::global();
}

}  // namespace ledgrix
