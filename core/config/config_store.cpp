#include "core/config/config_store.h"

#include <QSqlError>
#include <QSqlQuery>

namespace ledgrix {

QString ConfigStore::key(const QString& m, const QString& c, const QString& p) {
    return m + QChar(0x1F) + c + QChar(0x1F) + p;
}

bool ConfigStore::load(const QSqlDatabase& db, QString* error) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT * FROM CONFIGURACION"))) {
        if (error) *error = q.lastError().databaseText();
        return false;
    }
    values_.clear();
    while (q.next()) {
        // Firebird pads CHAR columns; the keys are compared as the user wrote them.
        values_.insert(key(q.value(QStringLiteral("CONF_MODULO")).toString().trimmed(),
                           q.value(QStringLiteral("CONF_CATEGORIA")).toString().trimmed(),
                           q.value(QStringLiteral("CONF_PROPIEDAD")).toString().trimmed()),
                       q.value(QStringLiteral("CONF_VALOR")).toString());
    }
    return true;
}

std::optional<QString> ConfigStore::value(const QString& m, const QString& c, const QString& p) const {
    auto it = values_.constFind(key(m, c, p));
    if (it == values_.constEnd()) return std::nullopt;
    return *it;
}

}  // namespace ledgrix
