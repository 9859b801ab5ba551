#pragma once

#include <QString>
#include <QStringList>

namespace ledgrix {

class Tfdm;

// The last step of annulling (or deleting) a stored document from its
// search, in one unit of work: the document's own statements, then its
// ledger voucher annulled (an annulled document leaves no live posting) and
// the user's reason, when one was asked, on the audit row the triggers wrote
// for the operation ("A" annulled, "D" deleted). All or nothing.
bool anule_en_unidad(Tfdm& dm, int tipo, qint64 id, QStringList sentencias,
                     const QString& razon, const QString& operacion = QStringLiteral("A"));

}  // namespace ledgrix
