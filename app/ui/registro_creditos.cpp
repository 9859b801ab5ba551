#include "app/ui/registro_creditos.h"

#include "app/ui/principal/registro_ventanas.h"

namespace ledgrix {

void registre_ventanas_creditos() {
    [[maybe_unused]] RegistroVentanas& registro = RegistroVentanas::global();
}

}  // namespace ledgrix
