#pragma once

class QCoreApplication;

namespace ledgrix {

// A date box reached from the keyboard (Enter or Tab from the box before)
// is typed over whole, "2026/06/01" at once, as a text box is. Left to
// itself the editor selects one part of the date and spreads the typing
// over the parts after it, so a clerk who types the whole date gets
// another one. A click keeps the editor's own behaviour (the part clicked).
void instale_fechas_al_teclado(QCoreApplication& app);

}  // namespace ledgrix
