#pragma once

namespace ledgrix {

// Makes the windows of the supplier master (list, new and modify suppliers, groups, cities) known by name to the main window's menus.
void registre_ventanas_terceros();

}  // namespace ledgrix
