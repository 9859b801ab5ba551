#include "tools/admin/dbsetup/connection.h"

#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace ledgrix::dbsetup {

ScopedConnection::ScopedConnection(const QString& database, const QString& user,
                                   const QString& password) {
    static std::atomic<int> counter{0};
    name_ = QStringLiteral("ledgrix-dbsetup-%1").arg(++counter);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name_);
    db.setDatabaseName(database);
    db.setUserName(user);
    db.setPassword(password);
}

ScopedConnection::~ScopedConnection() {
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

bool ScopedConnection::open() {
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    if (db.open())
        return true;
    const QSqlError e = db.lastError();
    error_ = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return false;
}

QSqlDatabase ScopedConnection::db() const {
    return QSqlDatabase::database(name_, false);
}

bool exec(QSqlDatabase db, const QString& statement, QString* error) {
    QSqlQuery q(db);
    if (q.exec(statement))
        return true;
    const QSqlError e = q.lastError();
    *error = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return false;
}

}  // namespace ledgrix::dbsetup
