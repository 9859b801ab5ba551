#include "core/sql/runner.h"

#include <QSqlError>
#include <QSqlRecord>

#include "core/sql/transaccion.h"

namespace ledgrix {

std::optional<QSqlQuery> SqlRunner::select(const QString& sql) const {
    QSqlDatabase db = database();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!db.isOpen() || !q.exec(sql)) {
        Transaccion::falle(connection_);
        if (onError_)
            onError_(db.isOpen() ? q.lastError().databaseText()
                                 : QStringLiteral("Connection is not open"));
        return std::nullopt;
    }
    return q;
}

QVariant SqlRunner::scalar(const QString& sql) const {
    auto q = select(sql);
    if (!q || !q->next())
        return {};
    return q->value(0);
}

bool SqlRunner::execute(const QString& sql) const {
    QSqlDatabase db = database();
    QSqlQuery q(db);
    if (!db.isOpen() || !q.exec(sql)) {
        Transaccion::falle(connection_);
        if (onError_)
            onError_(db.isOpen() ? q.lastError().databaseText()
                                 : QStringLiteral("Connection is not open"));
        return false;
    }
    // QIBASE runs each statement outside an explicit transaction in its own
    // auto-committed one, so the change is already durable here; inside a
    // unit of work (Transaccion) it waits for the unit's commit.
    return true;
}

Currency decimal(const QSqlQuery& query, int column) {
    return Currency::fromVariant(query.value(column));
}

Currency decimal(const QSqlQuery& query, const QString& column) {
    return decimal(query, query.record().indexOf(column));
}

}  // namespace ledgrix
