#pragma once

class QCoreApplication;

namespace ledgrix {

// A date box reached from the keyboard (Enter or Tab from the box before)
// is typed over whole, "2026/06/01" at once, as a text box is. Left to
// itself the editor selects one part of the date and spreads the typing
// over the parts after it, so a clerk who types the whole date gets
// another one. A click selects the part clicked, which typing then writes
// over (left to itself the editor only placed its cursor in it, where a
// full part refuses every digit).
void instale_fechas_al_teclado(QCoreApplication& app);

}  // namespace ledgrix
