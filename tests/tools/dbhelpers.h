#pragma once

#include <gtest/gtest.h>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include "tools/admin/dbsetup/connection.h"

namespace ledgrix::test {

// First column of the first row; fails the test when the statement fails.
inline QVariant scalar(QSqlDatabase db, const QString& select) {
    QSqlQuery q(db);
    if (!q.exec(select)) {
        ADD_FAILURE() << select.toStdString() << ": " << q.lastError().text().toStdString();
        return {};
    }
    return q.next() ? q.value(0) : QVariant();
}

inline int count(QSqlDatabase db, const QString& from) {
    return scalar(db, QStringLiteral("select count(*) from ") + from).toInt();
}

// Whether the engine accepts the statement; its refusal text goes to `error`.
inline bool accepts(QSqlDatabase db, const QString& statement, QString* error = nullptr) {
    QString e;
    const bool ok = dbsetup::exec(db, statement, &e);
    if (error)
        *error = e;
    return ok;
}

}  // namespace ledgrix::test
