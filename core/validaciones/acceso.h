#pragma once

#include <QString>

namespace ledgrix {

class Tfdm;

// What every window says when the access check refuses it.
inline const QString kAccesoNoPermitido =
    QStringLiteral("Acceso no permitido. comuníquese con el administrador del sistema.");

// Whether the logged-in user may use `opcion` of `modulo`. Administrators
// pass everything, also options nobody has recorded; anyone else needs a row
// that says "S".
bool valide_acceso(Tfdm& dm, const QString& modulo, int opcion);

// The same question asked for another user (a supervisor authorising an
// edit). The administrator bypass still follows whoever is logged in.
bool acceso_editacomproba(Tfdm& dm, const QString& usuario, const QString& modulo, int opcion);

}  // namespace ledgrix
