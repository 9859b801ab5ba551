#include "app/ui/registro_analisis_movimiento.h"

namespace ledgrix {

void registre_ventanas_analisis_movimiento() {}

}  // namespace ledgrix
