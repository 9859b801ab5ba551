#include "app/ui/registro_movimiento_mes.h"

namespace ledgrix {

void registre_ventanas_movimiento_mes() {}

}  // namespace ledgrix
