#include "reports/impresos/criterios.h"

#include "core/services/dialogs.h"

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

bool valide_periodo(Dialogs& dialogs, const QDate& desde, const QDate& hasta) {
    if (!desde.isValid() || !hasta.isValid()) {
        dialogs.error(QStringLiteral("Las fechas del periodo no son válidas."));
        return false;
    }
    if (hasta < desde) {
        dialogs.error(QStringLiteral("La fecha final del periodo es anterior a la fecha inicial."));
        return false;
    }
    return true;
}

}  // namespace ledgrix
