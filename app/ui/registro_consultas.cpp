#include "app/ui/registro_consultas.h"

#include "app/ui/principal/registro_ventanas.h"

namespace ledgrix {

void registre_ventanas_consultas() {
    [[maybe_unused]] RegistroVentanas& registro = RegistroVentanas::global();
}

}  // namespace ledgrix
