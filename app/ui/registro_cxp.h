#pragma once

namespace ledgrix {

// Registers the payables area's working windows (charges) and shows its
// code choosers (suppliers, purchase invoices, articles, businesses,
// documents to apply to) in their window.
void registre_ventanas_cxp();

}  // namespace ledgrix
