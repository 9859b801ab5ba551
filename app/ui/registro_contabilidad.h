#pragma once

namespace ledgrix {

// Registers the accounting area's working windows (interfaces) and installs
// the choosers its services open: the interface chooser and the chart of
// accounts.
void registre_ventanas_contabilidad();

}  // namespace ledgrix
