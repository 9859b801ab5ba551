#pragma once

namespace ledgrix {

void registre_ventanas_busquedas_cxp();

}  // namespace ledgrix
