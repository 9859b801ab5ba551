#pragma once

namespace ledgrix {

// Makes the anticipos windows known by name to the main window's menus.
void registre_ventanas_anticipos();

}  // namespace ledgrix
