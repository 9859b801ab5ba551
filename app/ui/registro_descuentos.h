#pragma once

namespace ledgrix {

// Makes the descuentos windows known by name to the main window's menus.
void registre_ventanas_descuentos();

}  // namespace ledgrix
