#pragma once

#include <QString>

namespace ledgrix {

class Tfdm;

// The printer this workstation assigns to a logical printer name, from the
// lines "LOGICAL,PRINTER" of impresoras.cfg in the installation directory.
// Empty when the name is not listed or the file cannot be read (told to the
// user).
QString nombre_impresora(Tfdm& dm, const QString& nombre_logico);

}  // namespace ledgrix
