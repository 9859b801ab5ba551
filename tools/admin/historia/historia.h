#pragma once

#include <QDate>
#include <QString>

#include "tools/admin/dbsetup/dbsetup.h"

namespace ledgrix::historia {

// Adds the months of activity before `hoy` to the demo company installed at
// `location`: its extra suppliers, the dollar's rates, purchase invoices and
// posted charges. The same day always gives the same documents.
dbsetup::Result agregue(const QString& location, const QDate& hoy,
                        const QString& scriptsDir = QStringLiteral(LEDGRIX_DB_DIR));

// The demo installation with its history, all or nothing: both are built in
// a scratch folder of the location and moved in only once complete, so a
// failure leaves an existing installation as it was.
dbsetup::Result instaleDemo(const QString& location, const dbsetup::Options& options,
                            const QDate& hoy);

}  // namespace ledgrix::historia
