#pragma once

#include <QString>
#include <functional>

namespace ledgrix {

// The chart of accounts as the supplier master sees it. The accounting
// module owns the checks and the chooser and builds on this one, so whoever
// links both hands them in.
struct CuentasTerceros {
    // Whether the account may be posted to in the book; tells the user why not.
    std::function<bool(const QString& cuenta, bool niif)> valide;
    // The chooser opened with a text; the code chosen, empty when none.
    std::function<QString(const QString& texto, bool niif)> busque;
};

// Columns of the NIIF book carry its name; the others are the local book's.
inline bool es_cuenta_niif(const QString& columna) {
    return columna.contains(QStringLiteral("NIIF"), Qt::CaseInsensitive);
}

}  // namespace ledgrix
