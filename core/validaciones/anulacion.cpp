#include "core/validaciones/anulacion.h"

#include <QSqlQuery>

#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {
const QString kAnuladoPor = QStringLiteral(". Anulado por:");
const QString kSinExplicacion = QStringLiteral("Sin explicación del usuario. Anulado por:");
}  // namespace

QString razon_anulacion(Tfdm& dm, int tipo, qint64 id) {
    auto q = dm.sql().select(
        QStringLiteral(
            "select audi_razon, audi_usuario, audi_motivo from auditoria where tido_cod = ") +
        sql::number(tipo) + QStringLiteral(" and audi_iddoc = ") + sql::number(id) +
        QStringLiteral(" and audi_oper = 'A'"));
    if (!q || !q->next())
        return kSinExplicacion;
    const QString razon = q->value(0).toString();
    const QString usuario = q->value(1).toString();
    const QVariant motivo = q->value(2);
    if (!motivo.isNull()) {
        // A reason deleted from the catalogue falls back to the user's text.
        const QString nombre =
            dm.sql()
                .scalar(QStringLiteral("select MOAN_NOM from MOTIVO_ANULACION where MOAN_ID = ") +
                        sql::number(motivo.toLongLong()))
                .toString();
        if (!nombre.isEmpty())
            return nombre + QStringLiteral(":") + razon + kAnuladoPor + usuario;
    }
    if (!razon.isEmpty())
        return razon + kAnuladoPor + usuario;
    return kSinExplicacion + usuario;
}

}  // namespace ledgrix
