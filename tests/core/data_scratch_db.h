#pragma once

// A small database of its own for a data-layer test: created with isql-fb
// from the tables the test gives, opened embedded under a unique connection.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <memory>

namespace ledgrix::test {

class ScratchDb {
public:
    explicit ScratchDb(const QString& tables) {
        const QString root = qEnvironmentVariable("LEDGRIX_TEST_TMP", QDir::tempPath());
        QDir().mkpath(root);
        dir_ = std::make_unique<QTemporaryDir>(root + QStringLiteral("/data-XXXXXX"));
        path_ = dir_->filePath(QStringLiteral("scratch.fdb"));
        const QString script = dir_->filePath(QStringLiteral("create.sql"));
        QFile f(script);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("CREATE DATABASE '%1' USER 'SYSDBA' PAGE_SIZE 8192 DEFAULT CHARACTER SET ISO8859_1;\n%2\nCOMMIT;\n")
                    .arg(path_, tables)
                    .toLatin1());
        f.close();
        QProcess isql;
        isql.start(QStringLiteral("isql-fb"), {QStringLiteral("-q"), QStringLiteral("-b"), QStringLiteral("-i"), script});
        isql.waitForFinished(60000);
        EXPECT_EQ(isql.exitCode(), 0) << isql.readAllStandardError().toStdString();
        connection_ = open();
    }

    ~ScratchDb() {
        for (const QString& name : opened_) {
            QSqlDatabase::database(name, false).close();
            QSqlDatabase::removeDatabase(name);
        }
    }

    const QString& path() const { return path_; }
    const QString& connection() const { return connection_; }
    QSqlDatabase db() const { return QSqlDatabase::database(connection_, false); }

    // Another connection to the same file: sees only what was committed.
    QString open() {
        const QString name = QStringLiteral("scratch-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name);
        db.setDatabaseName(path_);
        db.setUserName(QStringLiteral("SYSDBA"));
        db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=ISO8859_1"));
        EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
        opened_ << name;
        return name;
    }

    // Runs statements on the main connection, each committed.
    void exec(const QStringList& statements) {
        for (const QString& s : statements) {
            QSqlQuery q(db());
            EXPECT_TRUE(q.exec(s)) << s.toStdString() << ": " << q.lastError().text().toStdString();
        }
    }

    // A single value read through a fresh connection.
    QVariant scalar(const QString& sql) {
        QSqlDatabase other = QSqlDatabase::database(open(), false);
        QSqlQuery q(other);
        q.setNumericalPrecisionPolicy(QSql::HighPrecision);
        EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
        const QVariant v = q.next() ? q.value(0) : QVariant();
        q.finish();
        return v;
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
    QString connection_;
    QStringList opened_;
};

}  // namespace ledgrix::test
