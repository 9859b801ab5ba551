#pragma once

#include <QString>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix::anticipos {

// A dataset over a statement on the company database, owned by `dueno`.
inline ClientDataset* conjunto(QObject* dueno, Tfdm& dm, const QString& nombre,
                               const QString& sql) {
    auto* p = new Provider(dueno, QStringLiteral("P") + nombre);
    p->setConnectionName(dm.Ledgrix());
    p->setQueryName(QStringLiteral("Q") + nombre);
    p->setCommandText(sql);
    p->setAllowCommandText(true);
    auto* ds = new ClientDataset(dueno, QStringLiteral("C") + nombre);
    ds->setProvider(p);
    return ds;
}

}  // namespace ledgrix::anticipos
