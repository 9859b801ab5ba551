#include "tools/admin/dbsetup/password.h"

#include <QSqlQuery>

#include "core/login/password_hash.h"
#include "core/services/paths.h"
#include "core/sql/sqltext.h"
#include "tools/admin/dbsetup/connection.h"

namespace ledgrix::dbsetup {

bool checkPassword(const QString& location, const QString& user, const QString& password) {
    const QString code = user.trimmed().toUpper();
    if (code.isEmpty())
        return false;
    ScopedConnection con(paths::generalDatabase(location), code, password);
    if (!con.open())
        return false;
    QSqlQuery q(con.db());
    if (!q.exec(QStringLiteral("select USUA_SAL, USUA_CLAVE from USUARIO where USUA_COD = ") +
                sql::quoted(code)) ||
        !q.next())
        return false;
    return passwordMatches(q.value(0).toString(), q.value(1).toString(), password);
}

}  // namespace ledgrix::dbsetup
