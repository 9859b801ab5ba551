#pragma once

#include <QString>

namespace ledgrix::paths {

// A database location is a plain folder (embedded engine on this workstation)
// or "host:folder" / "host/port:folder" (a Firebird server shared by several).
// Paths keep "/" as separator, as the server expects on every platform.
inline QString generalDatabase(const QString& location) {
    return location + QStringLiteral("/datos/general.fdb");
}
inline QString companyDatabase(const QString& location, const QString& company) {
    return location + QStringLiteral("/datos/") + company + QStringLiteral("/ledgrix.fdb");
}

// True when the location names a server ("host:folder"), not a local folder.
// A one-letter prefix ("C:") is a Windows drive, not a host.
inline bool isServerLocation(const QString& location) {
    const qsizetype colon = location.indexOf(QLatin1Char(':'));
    return colon > 1 && !location.startsWith(QLatin1Char('/'));
}

}  // namespace ledgrix::paths
