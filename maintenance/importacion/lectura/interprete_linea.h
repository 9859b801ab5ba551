#pragma once

#include <QList>
#include <variant>

#include "maintenance/importacion/formato_importacion.h"

namespace ledgrix::importacion {

// Reads a cut line into typed values for the kind being imported: only items
// flagged for import whose column holds a value; texts trimmed and checked
// against the length of the database column they go to and against the
// character set the database stores; NITs checked against their check digit
// and kept without it; amounts read with the file's number format; dates in
// the file's order. The first value that does not read refuses the line
// with a Spanish reason naming the item and the value.
std::variant<Registro, Rechazo> interprete(const Linea& linea, Clase clase,
                                           const QList<ColumnaDato>& columnas,
                                           const FormatoArchivo& formato);

}  // namespace ledgrix::importacion
