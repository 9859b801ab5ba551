#pragma once

#include <QString>

namespace ledgrix {

// The launcher hands the password to the module scrambled, so that it does not
// travel in clear on the command line. Each character is shifted inside its own
// band (printable ASCII, or the accented Latin-1 letters) by an amount that
// depends on its position, the text's length and a small key table.
QString embrolle_clave(const QString& clave);
QString desembrolle_clave(const QString& embrollada);

}  // namespace ledgrix
