#include "maintenance/recalculo/recalculo_saldos.h"

#include <QSqlError>

#include "core/errors/error_translator.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "maintenance/progreso.h"

namespace ledgrix {

RecalculoSaldos::RecalculoSaldos(Tfdm& dm) : dm_(dm) {}

std::optional<QList<ErrorSaldo>> RecalculoSaldos::recalcule(const QString& nit_inicial,
                                                            const QString& nit_final,
                                                            Progreso& progreso) {
    const QString desde = nit_inicial.trimmed();
    const QString hasta = nit_final.trimmed();
    if (desde.isEmpty() || hasta.isEmpty()) {
        dm_.dialogs().warning(
            QStringLiteral("Ingrese un rango de proveedores para realizar el procedimiento."));
        return std::nullopt;
    }
    progreso.avance(0, QStringLiteral("Recalculando saldos documentos cxpagar ..."));
    // The procedure repairs as it reads: its answer and its repairs are
    // committed together or not at all.
    Transaccion unidad(dm_.Ledgrix());
    auto q = dm_.sql().select(QStringLiteral("select * from CHEQUEO_SALDOS_DOC_Cxpagar (") +
                              sql::quoted(desde) + QStringLiteral(",") + sql::quoted(hasta) +
                              QStringLiteral(")"));
    if (!q)
        return std::nullopt;
    QList<ErrorSaldo> errores;
    while (q->next())
        errores.append({q->value(0).toInt(), q->value(1).toInt(), q->value(2).toString(),
                        q->value(3).toString(), q->value(4).toString()});
    // The procedure does its work as the rows are fetched: a refusal arrives
    // here, and nothing of the run may stay.
    if (q->lastError().isValid()) {
        Transaccion::falle(dm_.Ledgrix());
        dm_.traductor().ENoManejada(&dm_, q->lastError().databaseText());
        return std::nullopt;
    }
    q->finish();
    if (!unidad.confirme())
        return std::nullopt;
    progreso.avance(100, QString());
    return errores;
}

}  // namespace ledgrix
