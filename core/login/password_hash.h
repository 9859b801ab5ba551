#pragma once

#include <QString>

// The embedded engine checks no password, so the programs keep their own:
// USUARIO.USUA_SAL holds a random salt and USUARIO.USUA_CLAVE the SHA-256 of
// salt + password (UTF-8), in lower-case hex.
namespace ledgrix {

// 16 random bytes as 32 hex digits.
QString newSalt();

QString passwordHash(const QString& salt, const QString& password);

// Compares in time independent of where the hashes differ.
bool passwordMatches(const QString& salt, const QString& storedHash, const QString& password);

}  // namespace ledgrix
