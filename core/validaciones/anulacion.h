#pragma once

#include <QString>

namespace ledgrix {

class Tfdm;

// Why and by whom a document was annulled, as the search windows show it:
// "<reason>:<text>. Anulado por:<user>", or the text alone when no reason
// was chosen, or "Sin explicación del usuario. Anulado por:" when nothing
// was written.
QString razon_anulacion(Tfdm& dm, int tipo, qint64 id);

}  // namespace ledgrix
