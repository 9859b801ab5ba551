#pragma once

namespace ledgrix {

// Makes the windows of credit payable known by name to the main window's menus.
void registre_ventanas_creditos();

}  // namespace ledgrix
