#pragma once

namespace ledgrix {

// Makes the windows of supplier evaluation and commitments known by name to the main window's menus.
void registre_ventanas_evaluacion();

}  // namespace ledgrix
