#pragma once

namespace ledgrix {

// Makes the aplicaciones windows known by name to the main window's menus.
void registre_ventanas_aplicaciones();

}  // namespace ledgrix
