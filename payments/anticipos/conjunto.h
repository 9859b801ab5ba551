#pragma once

#include <QString>
#include <initializer_list>

#include "core/data/client_dataset.h"
#include "core/data/conjunto.h"
#include "core/data/field.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix::anticipos {

// A dataset over a statement on the company database, owned by `dueno`.
inline ClientDataset* conjunto(QObject* dueno, Tfdm& dm, const QString& nombre,
                               const QString& sql) {
    return ledgrix::conjunto(dueno, dm.Ledgrix(), nombre, sql);
}

// A column a procedure answers, with the title its grid shows; an empty
// title keeps it out of sight (ids the keys work with).
struct Columna {
    const char* campo;
    const char* titulo;
    Field::Type tipo;
};

// Declared before the first open, the titles stay across searches.
inline void declare_columnas(ClientDataset& ds, std::initializer_list<Columna> columnas) {
    for (const Columna& c : columnas) {
        Field& f = ds.declareField(QString::fromUtf8(c.campo), c.tipo);
        f.setDisplayLabel(QString::fromUtf8(c.titulo));
        f.setVisible(*c.titulo != '\0');
    }
}

}  // namespace ledgrix::anticipos
