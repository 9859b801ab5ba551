#include "app/ui/registro_procedimientos.h"

#include "app/ui/principal/registro_ventanas.h"

namespace ledgrix {

void registre_ventanas_procedimientos() {}

}  // namespace ledgrix
