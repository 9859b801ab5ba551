#include "core/validaciones/acceso.h"

#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

bool valide_acceso(Tfdm& dm, const QString& modulo, int opcion) {
    return acceso_editacomproba(dm, dm.ctx.usuario, modulo, opcion);
}

bool acceso_editacomproba(Tfdm& dm, const QString& usuario, const QString& modulo, int opcion) {
    if (dm.ctx.es_administrador)
        return true;
    // A failed statement has been reported already and answers "no": a
    // broken check must never open a window.
    const QVariant si = dm.sql().scalar(
        QStringLiteral("select acus_si from acceso_usuario where user_cod = ") +
        sql::quoted(usuario) + QStringLiteral(" and acus_modulo = ") + sql::quoted(modulo) +
        QStringLiteral(" and acus_opcion = ") + sql::number(opcion));
    return si.toString() == QStringLiteral("S");
}

}  // namespace ledgrix
