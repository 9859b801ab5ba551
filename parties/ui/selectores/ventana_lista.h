#pragma once

namespace ledgrix {

// Shows every list chooser (suppliers, purchase invoices, articles,
// businesses, documents to apply to) in the chooser window (Tfbusclista):
// its object name is the selector's window name, Enter or a double click end
// it with 1 and the line chosen in the selector, Esc with 0.
void instale_ventana_lista();

}  // namespace ledgrix
