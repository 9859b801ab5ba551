#pragma once

#include <QString>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"

namespace ledgrix {

// A client dataset over a statement on `conexion`, with its provider, both
// owned by `dueno` and named after `nombre` ("P"/"Q"/"C" + nombre) as the
// error translation and the packet settings expect.
inline ClientDataset* conjunto(QObject* dueno, const QString& conexion, const QString& nombre,
                               const QString& sql) {
    auto* p = new Provider(dueno, QStringLiteral("P") + nombre);
    p->setConnectionName(conexion);
    p->setQueryName(QStringLiteral("Q") + nombre);
    p->setCommandText(sql);
    p->setAllowCommandText(true);
    auto* ds = new ClientDataset(dueno, QStringLiteral("C") + nombre);
    ds->setProvider(p);
    return ds;
}

}  // namespace ledgrix
