#pragma once

#include <QString>

namespace ledgrix {

// The program's revision, as the status line, the about box and the printed
// reports ("version") show it.
inline QString revision_programa() {
    return QStringLiteral("2022/09/21");
}

}  // namespace ledgrix
