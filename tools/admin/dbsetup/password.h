#pragma once

#include <QString>

#include "core/login/password_hash.h"

// The embedded engine checks no password, so the programs keep their own:
// USUARIO.USUA_SAL holds a random salt and USUARIO.USUA_CLAVE the SHA-256 of
// salt + password (UTF-8), in lower-case hex.
namespace ledgrix::dbsetup {

// Whether `password` is the one stored for `user` in the general database of
// `location`. Connects as the user himself; any failure answers false.
bool checkPassword(const QString& location, const QString& user, const QString& password);

}  // namespace ledgrix::dbsetup
