#pragma once

#include "payments/ui/comun/panel_lineas.h"

class QComboBox;

namespace ledgrix {

class ClientDataset;

// Codes and names of a look-up list, for a drop-down or a code column; empty
// while the list is not open. `nombre` may be null: the code alone.
PanelLineas::Opciones opciones(const ClientDataset& ds, const char* codigo, const char* nombre);

// A drop-down showing each name (the code where it has none) with its code
// as the item's data; `vacio` puts a blank item first.
void llene(QComboBox* combo, const PanelLineas::Opciones& opciones, bool vacio);

}  // namespace ledgrix
