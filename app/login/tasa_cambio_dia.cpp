#include "app/login/tasa_cambio_dia.h"

#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

TasaCambioDia::TasaCambioDia(Tfdm& dm, int moneda) : dm_(dm), moneda_(moneda) {
    nombre_ = dm_.sql()
                  .scalar(QStringLiteral("select TIMO_NOMBRE from TIPOS_MONEDA where TIMO_COD = ") +
                          sql::number(moneda_))
                  .toString();
}

QDate TasaCambioDia::fecha() const { return dm_.clock().today(); }

bool TasaCambioDia::grabe(Currency tasa) {
    // The column keeps cents: a rate that rounds to nothing is no rate.
    const Currency valor = R(tasa, -2);
    if (valor <= Currency()) {
        dm_.dialogs().error(QStringLiteral("La tasa de cambio debe ser un valor mayor que cero."));
        return false;
    }
    return dm_.sql().execute(
        QStringLiteral("insert into TASA_CAMBIO_MONEDA (TACA_FECHA, TIMO_COD, TACA_VALOR) "
                       "values (") +
        sql::date(fecha()) + QStringLiteral(", ") + sql::number(moneda_) + QStringLiteral(", ") +
        valor.toString(2) + QStringLiteral(")"));
}

}  // namespace ledgrix
