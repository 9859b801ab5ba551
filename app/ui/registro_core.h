#pragma once

namespace ledgrix {

// Registers the core area's working windows (numbering, authorisations).
void registre_ventanas_core();

}  // namespace ledgrix
