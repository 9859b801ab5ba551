#include "app/ui/registro_anticipos.h"

#include "app/ui/principal/registro_ventanas.h"

namespace ledgrix {

void registre_ventanas_anticipos() {}

}  // namespace ledgrix
