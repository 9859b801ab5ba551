#include "reports/impresos/criterios.h"

namespace ledgrix {

Rango Rango::efectivo(const QString& minimo, const QString& maximo) const {
    const QString d = desde.trimmed();
    const QString h = hasta.trimmed();
    if (d.isEmpty() && h.isEmpty())
        return {minimo, maximo};
    if (h.isEmpty())
        return {d, d};
    return {d.isEmpty() ? minimo : d, h};
}

}  // namespace ledgrix
