#pragma once

class QWidget;

namespace ledgrix {

// A document window placed in the main window's work area the first time it
// is shown: as large as it asks, never beyond the area, centred in it, so
// the whole document is in sight without scrolling. A window outside the
// work area (a test, a modal) is left as it is.
void ajuste_al_area(QWidget* ventana);

// A list window's frame at the size it wants (`ancho` x `alto`, the frame
// included), from `lugar` in the work area and never beyond it.
void ajuste_al_area(QWidget* ventana, int ancho, int alto, int x, int y);

}  // namespace ledgrix
