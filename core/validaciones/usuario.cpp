#include "core/validaciones/usuario.h"

#include <QSqlQuery>

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

QString valide_usuario(Tfdm& dm, const QString& codigo) {
    auto q = dm.sqlGeneral().select(
        QStringLiteral("select usua_nombre from usuario where usua_cod = ") + sql::quoted(codigo));
    // A failed statement was reported by the error translation; saying the
    // name is wrong on top of it would mislead.
    if (!q)
        return {};
    if (!q->next()) {
        dm.dialogs().error(QStringLiteral("Nombre de usuario incorrecto"));
        return {};
    }
    return q->value(0).toString();
}

}  // namespace ledgrix
