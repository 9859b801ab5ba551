#pragma once

#include <QString>

#include "tools/admin/dbsetup/dbsetup.h"

// Backups with Firebird's own gbak, so they restore on any Firebird of the
// same major version and let the engine rebuild indexes and check data.
namespace ledgrix::dbsetup {

// Writes `backupFile`; an older backup of that name is replaced only once
// the new one is complete.
Result backupDatabase(const QString& database, const QString& backupFile);

// Creates `database` from `backupFile`. An existing database is refused
// unless `replace`, and then replaced only once the restore succeeded.
Result restoreDatabase(const QString& backupFile, const QString& database, bool replace);

}  // namespace ledgrix::dbsetup
