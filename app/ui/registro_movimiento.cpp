#include "app/ui/registro_movimiento.h"

namespace ledgrix {

void registre_ventanas_movimiento() {}

}  // namespace ledgrix
