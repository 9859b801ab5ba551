#include "app/ui/registro_descuentos.h"

#include "app/ui/principal/registro_ventanas.h"

namespace ledgrix {

void registre_ventanas_descuentos() {}

}  // namespace ledgrix
