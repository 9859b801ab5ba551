#pragma once

class QWidget;

namespace ledgrix {

class SeleccionVarios;
class Tfdm;

// Opens the chooser of `seleccion` as a modal window through dm.dialogs(),
// under the selection's class name (tests answer it with expectModal): a
// search box over the lines, several of which may be marked with Shift or
// Ctrl. Enter or a double click hand over the marked lines, or the one under
// the cursor, and end with 1; Esc ends with 0.
int abra_seleccion(Tfdm& dm, SeleccionVarios& seleccion, QWidget* parent);

}  // namespace ledgrix
