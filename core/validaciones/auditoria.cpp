#include "core/validaciones/auditoria.h"

#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

bool grabe_auditoria(Tfdm& dm, bool entrada) {
    return dm.sql().execute(
        QStringLiteral(
            "insert into auditoria (TIDO_COD, AUDI_IDDOC, AUDI_OPER, AUDI_COD) VALUES (") +
        sql::number(entrada ? kAuditoriaEntrada : kAuditoriaSalida) + QStringLiteral(", 0, 'I', ") +
        sql::quoted(dm.ctx.modulo) + QStringLiteral(")"));
}

}  // namespace ledgrix
