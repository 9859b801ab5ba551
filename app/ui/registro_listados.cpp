#include "app/ui/registro_listados.h"

namespace ledgrix {

void registre_ventanas_listados() {}

}  // namespace ledgrix
