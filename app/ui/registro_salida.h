#pragma once

namespace ledgrix {

// Registers the document output area's working windows (print formats).
void registre_ventanas_salida();

}  // namespace ledgrix
