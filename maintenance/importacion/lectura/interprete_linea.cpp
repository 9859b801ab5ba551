#include "maintenance/importacion/lectura/interprete_linea.h"

namespace ledgrix::importacion {

std::variant<Registro, Rechazo> interprete(const Linea& linea, Clase, const QList<ColumnaDato>&,
                                           const FormatoArchivo&) {
    return Registro{linea.numero, {}};
}

}  // namespace ledgrix::importacion
