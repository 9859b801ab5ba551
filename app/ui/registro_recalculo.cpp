#include "app/ui/registro_recalculo.h"

#include "app/ui/principal/registro_ventanas.h"

namespace ledgrix {

void registre_ventanas_recalculo() {}

}  // namespace ledgrix
