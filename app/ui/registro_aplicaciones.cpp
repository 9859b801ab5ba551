#include "app/ui/registro_aplicaciones.h"

#include "app/ui/principal/registro_ventanas.h"

namespace ledgrix {

void registre_ventanas_aplicaciones() {}

}  // namespace ledgrix
