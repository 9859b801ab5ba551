#pragma once

#include <QString>

#include "core/data/conjunto.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix::anticipos {

// A dataset over a statement on the company database, owned by `dueno`.
inline ClientDataset* conjunto(QObject* dueno, Tfdm& dm, const QString& nombre,
                               const QString& sql) {
    return ledgrix::conjunto(dueno, dm.Ledgrix(), nombre, sql);
}

}  // namespace ledgrix::anticipos
