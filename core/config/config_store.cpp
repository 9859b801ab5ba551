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
        if (error)
            *error = q.lastError().databaseText();
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

std::optional<QString> ConfigStore::value(const QString& m, const QString& c,
                                          const QString& p) const {
    auto it = values_.constFind(key(m, c, p));
    if (it == values_.constEnd())
        return std::nullopt;
    return *it;
}

std::optional<int> ConfigStore::integer(const QString& m, const QString& c, const QString& p,
                                        QString* error) const {
    const auto texto = value(m, c, p);
    QString why;
    if (!texto) {
        why = QStringLiteral("No se encontró la configuración ") + p;
    } else if (texto->trimmed().isEmpty()) {
        why =
            QStringLiteral("La configuración «%1» debe ser un número entero y está vacía.").arg(p);
    } else {
        bool ok = false;
        const int n = texto->trimmed().toInt(&ok);
        if (ok)
            return n;
        why = QStringLiteral("La configuración «%1» debe ser un número entero y dice «%2».")
                  .arg(p, texto->trimmed());
    }
    if (error)
        *error = why;
    return std::nullopt;
}

}  // namespace ledgrix
