#include "core/sql/anulacion.h"

#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

bool anule_en_unidad(Tfdm& dm, int tipo, qint64 id, QStringList sentencias, const QString& razon,
                     const QString& operacion) {
    const QString ids = sql::number(id);
    const QString tipos = sql::number(tipo);
    sentencias << QStringLiteral("update comprobante_encabezado set enco_anulado = 'S' where "
                                 "enco_tiporef = ") +
                      tipos + QStringLiteral(" and enco_anulado = 'N' and enco_idref = ") + ids;
    if (!razon.isEmpty())
        sentencias << QStringLiteral("update auditoria set AUDI_RAZON = ") + sql::quoted(razon) +
                          QStringLiteral(" where tido_cod = ") + tipos +
                          QStringLiteral(" and audi_iddoc = ") + ids +
                          QStringLiteral(" and audi_oper = ") + sql::quoted(operacion);
    Transaccion unidad(dm.Ledgrix());
    for (const QString& s : sentencias)
        if (!dm.sql().execute(s)) {
            unidad.deshaga();
            return false;
        }
    return unidad.confirme();
}

}  // namespace ledgrix
