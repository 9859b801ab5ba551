#include "parties/acreedores/acceso_proveedores.h"

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"

namespace ledgrix {

bool permita_nuevo_proveedor(Tfdm& dm) {
    constexpr int kOpcionNuevo = 0;
    if (valide_acceso(dm, dm.ctx.modulo, kOpcionNuevo))
        return true;
    dm.dialogs().error(kAccesoNoPermitido);
    return false;
}

}  // namespace ledgrix
