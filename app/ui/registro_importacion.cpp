#include "app/ui/registro_importacion.h"

#include "app/ui/principal/registro_ventanas.h"

namespace ledgrix {

void registre_ventanas_importacion() {}

}  // namespace ledgrix
