#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

#include "core/money/currency.h"

namespace ledgrix {

// Runs statements composed as text on one connection. A statement that
// returns nothing commits at once; a failure is handed to `onError` with the
// driver's text (the core module routes it to the error translation) and the
// caller gets an empty answer instead of an exception.
class SqlRunner {
public:
    using ErrorHandler = std::function<void(const QString& message)>;

    SqlRunner(QString connectionName, ErrorHandler onError)
        : connection_(std::move(connectionName)), onError_(std::move(onError)) {}

    QSqlDatabase database() const { return QSqlDatabase::database(connection_, false); }
    const QString& connectionName() const { return connection_; }

    // Rows of a SELECT (or a selectable procedure), positioned before the first.
    // Decimals arrive as exact text.
    std::optional<QSqlQuery> select(const QString& sql) const;
    // First column of the first row; an invalid QVariant when there is no row
    // or the statement failed.
    QVariant scalar(const QString& sql) const;
    // INSERT/UPDATE/DELETE/EXECUTE PROCEDURE, committed at once.
    bool execute(const QString& sql) const;

private:
    QString connection_;
    ErrorHandler onError_;
};

// An amount of a result row, exactly as stored (see Currency::fromVariant).
// By name costs a description of the result's columns, which the driver
// builds with catalogue queries: read a row of many amounts by position.
Currency decimal(const QSqlQuery& query, int column);
Currency decimal(const QSqlQuery& query, const QString& column);

}  // namespace ledgrix
