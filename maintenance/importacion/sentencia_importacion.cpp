#include "maintenance/importacion/sentencia_importacion.h"

#include <QSet>
#include <QSqlError>

#include "core/money/currency.h"

namespace ledgrix::importacion {

bool Sentencia::prepare(const QString& sql) {
    if (q_.prepare(sql))
        return true;
    error_ = q_.lastError().text();
    return false;
}

bool Sentencia::ejecute(const QVariantList& valores) {
    for (int i = 0; i < valores.size(); ++i)
        q_.bindValue(i, valores[i]);
    if (q_.exec())
        return true;
    error_ = q_.lastError().text();
    return false;
}

QString texto(const Registro& r, const char* dato) {
    return r.valores.value(QLatin1String(dato)).toString().trimmed();
}

QDate fecha(const Registro& r, const char* dato) {
    return r.valores.value(QLatin1String(dato)).toDate();
}

qint64 monto(const Registro& r, const char* dato) {
    return r.valores.value(QLatin1String(dato)).toLongLong();
}

QVariant texto_o_nulo(const Registro& r, const char* dato) {
    const QString t = texto(r, dato);
    return t.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(t);
}

QString monto_sql(qint64 diezmilesimas) {
    return Currency::fromUnits(diezmilesimas).toString(4);
}

bool lea_claves(const QSqlDatabase& db, const QString& sql, QSet<QString>& claves, QString& error) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        error = q.lastError().text();
        return false;
    }
    while (q.next())
        claves.insert(q.value(0).toString().trimmed());
    return true;
}

}  // namespace ledgrix::importacion
