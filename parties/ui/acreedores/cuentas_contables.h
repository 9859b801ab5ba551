#pragma once

#include "parties/acreedores/cuentas_terceros.h"

namespace ledgrix {

class Tfdm;

// The accounting module's checks and chart chooser, for the supplier master.
CuentasTerceros cuentas_contables(Tfdm& dm);

}  // namespace ledgrix
