#include "tools/admin/dbsetup/password.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QSqlQuery>

#include "core/services/paths.h"
#include "core/sql/sqltext.h"
#include "tools/admin/dbsetup/connection.h"

namespace ledgrix::dbsetup {

QString newSalt() {
    QByteArray bytes(16, Qt::Uninitialized);
    for (char& b : bytes)
        b = static_cast<char>(QRandomGenerator::system()->bounded(256));
    return QString::fromLatin1(bytes.toHex());
}

QString passwordHash(const QString& salt, const QString& password) {
    return QString::fromLatin1(
        QCryptographicHash::hash((salt + password).toUtf8(), QCryptographicHash::Sha256).toHex());
}

bool passwordMatches(const QString& salt, const QString& storedHash, const QString& password) {
    if (salt.isEmpty() || storedHash.isEmpty())
        return false;
    const QByteArray a = passwordHash(salt, password).toLatin1();
    const QByteArray b = storedHash.trimmed().toLower().toLatin1();
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

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
