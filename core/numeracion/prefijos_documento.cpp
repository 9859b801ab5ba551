#include "core/numeracion/prefijos_documento.h"

#include "core/data/client_dataset.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

bool abra_prefijos_documento(Tfdm& dm, ClientDataset& prefijos, int tipo, bool por_usuario,
                             const QString& sin_prefijos) {
    QString sql = QStringLiteral(
        "SELECT P.TIDO_COD, P.PREF_PRE, PREF_ACTUAL, PREF_AUTO, PREF_IVAINC, PREF_PROY, "
        "PREF_CENTRO, PREF_ACTIVO, PREF_USUARIO, TICO_COD, SUCU_ID, PREF_SUBC FROM PREFIJOS P");
    if (por_usuario)
        sql += QStringLiteral(
                   ", PREFIJOS_USUARIO U WHERE P.TIDO_COD = U.tido_cod AND P.pref_pre "
                   "= U.pref_pre AND U.user_cod = ") +
               sql::quoted(dm.ctx.usuario) + QStringLiteral(" AND ");
    else
        sql += QStringLiteral(" WHERE ");
    sql += QStringLiteral("  P.tido_cod = ") + sql::number(tipo) +
           QStringLiteral(" AND pref_activo = 'S'");
    if (dm.ctx.agencia != 0)
        sql += QStringLiteral(" AND (SUCU_ID = ") + sql::number(dm.ctx.agencia) +
               QStringLiteral(" OR SUCU_ID = 0)");
    prefijos.setCommandText(sql + QStringLiteral(" ORDER BY P.PREF_PRE"));
    if (!prefijos.open())
        return false;
    prefijos.fetchAll();
    if (prefijos.isEmpty()) {
        dm.dialogs().error(
            sin_prefijos.isEmpty()
                ? QStringLiteral("Debe crear antes un prefijo válido para el documento.")
                : sin_prefijos);
        return false;
    }
    return true;
}

}  // namespace ledgrix
