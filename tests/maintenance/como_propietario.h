#pragma once

#include <gtest/gtest.h>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace ledgrix::test {

// A statement only the owner of the tables may run (a rule added to a table
// so that the database refuses what a test needs refused), on its own
// connection to the company database.
inline void como_propietario(const QString& base, const QString& sentencia) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), QStringLiteral("propietario"));
        db.setDatabaseName(base);
        db.setUserName(QStringLiteral("SYSDBA"));
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(sentencia)) << q.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("propietario"));
}

}  // namespace ledgrix::test
