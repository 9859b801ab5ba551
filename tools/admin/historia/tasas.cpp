#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "tools/admin/historia/entrada.h"

namespace ledgrix::historia {

// The dollar's rate of every day of the history, so the dollar invoices
// find theirs and the rate list reads like one kept every day. Days the
// installation already records keep their rate.
bool registreTasas(Entrada& e) {
    Transaccion unidad(e.dm.Ledgrix());
    for (const Tasa& t : e.plan.tasas) {
        const QString valor = QStringLiteral("%1.%2")
                                  .arg(t.centavos / 100)
                                  .arg(t.centavos % 100, 2, 10, QLatin1Char('0'));
        if (!e.dm.sql().execute(
                QStringLiteral("insert into TASA_CAMBIO_MONEDA (TACA_FECHA, TIMO_COD, TACA_VALOR) "
                               "select %1, 2, %2 from RDB$DATABASE where not exists (select 1 "
                               "from TASA_CAMBIO_MONEDA where TIMO_COD = 2 and TACA_FECHA = %1)")
                    .arg(sql::date(t.fecha), valor)))
            return e.falle(QStringLiteral("No se pudieron registrar las tasas de cambio."));
    }
    if (!unidad.confirme())
        return e.falle(QStringLiteral("No se pudieron registrar las tasas de cambio."));
    return true;
}

}  // namespace ledgrix::historia
