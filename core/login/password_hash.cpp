#include "core/login/password_hash.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

namespace ledgrix {

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

}  // namespace ledgrix
