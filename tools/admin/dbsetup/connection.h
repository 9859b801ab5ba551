#pragma once

#include <QSqlDatabase>
#include <QString>

namespace ledgrix::dbsetup {

// A QIBASE connection under a name of its own, removed when it goes out of
// scope, so that set-up code never disturbs the program's named connections.
// Queries on it must be destroyed before it is.
class ScopedConnection {
  public:
    // `password` matters only on a server; the embedded engine checks none.
    ScopedConnection(const QString& database, const QString& user, const QString& password = {});
    ~ScopedConnection();
    ScopedConnection(const ScopedConnection&) = delete;
    ScopedConnection& operator=(const ScopedConnection&) = delete;

    // False with error() set when the database cannot be opened.
    bool open();
    QSqlDatabase db() const;
    QString error() const { return error_; }

  private:
    QString name_;
    QString error_;
};

// Runs one statement; on failure returns false and sets `error` to the
// engine's own text.
bool exec(QSqlDatabase db, const QString& statement, QString* error);

}  // namespace ledgrix::dbsetup
