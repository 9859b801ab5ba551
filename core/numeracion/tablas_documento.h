#pragma once

#include <QString>
#include <optional>

namespace ledgrix {

// Where the documents of a type are stored: table, id column, prefix column
// and number column.
struct TablaDocumento {
    QString tabla;
    QString id;
    QString prefijo;
    QString numero;
};

std::optional<TablaDocumento> tabla_documento(int tipo);

}  // namespace ledgrix
