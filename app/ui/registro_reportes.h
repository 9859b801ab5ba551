#pragma once

namespace ledgrix {

// Registers the report windows with the main window's window registry, and
// lets them open the windows of other parts by class name through it.
void registre_ventanas_reportes();

}  // namespace ledgrix
