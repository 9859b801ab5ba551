#pragma once

#include <QString>
#include <QStringList>

#include "tools/admin/dbsetup/dbsetup.h"

// Runs the SQL scripts of db/ through Firebird's isql, as SYSDBA, on the
// embedded engine (or on a server when ISC_PASSWORD is set for isql).
namespace ledgrix::dbsetup::scripts {

// The *.sql files directly in `folder`, in name order; sub-folders are not
// entered (they hold the scripts of another database).
QStringList files(const QString& folder);

// An empty database: ISO8859_1, dialect 3, page size 8192.
Result createDatabase(const QString& database);

// Runs one script file; it must leave the terminator as ";".
Result runFile(const QString& database, const QString& file);

// Every file of `folder` in name order; stops at the first failure.
Result runFolder(const QString& database, const QString& folder);

// Runs statements composed by the program (written to a temporary script).
Result runText(const QString& database, const QString& statements);

}  // namespace ledgrix::dbsetup::scripts
