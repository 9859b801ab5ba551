#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/log/activity_log.h"

using ledgrix::ActivityLog;
using ledgrix::FixedClock;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

class ActivityLogTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    FixedClock clock{QDateTime(QDate(2023, 3, 7), QTime(9, 5, 3))};
    QString user = QStringLiteral("ADMIN");
    ActivityLog log{dir.path(), clock, [this] { return user; }};
};

}  // namespace

TEST_F(ActivityLogTest, ErrorLinesCarryDateTimeUserAndMessageAndAreAppended) {
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(QFile::exists(log.errorFile()));
    EXPECT_TRUE(log.error(QStringLiteral("violation of PRIMARY or UNIQUE KEY")));
    clock.set(QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59)));
    user = QStringLiteral("CAJERO");  // the user at the moment of the error
    EXPECT_TRUE(log.error(QStringLiteral("second, with a comma")));

    EXPECT_EQ(log.errorFile(), dir.filePath(QStringLiteral("ERRORES.TXT")));
    EXPECT_EQ(contents(log.errorFile()),
              QByteArray("2023/03/07,09:05:03,ADMIN,violation of PRIMARY or UNIQUE KEY\n"
                         "2023/12/31,23:59:59,CAJERO,second, with a comma\n"));
    EXPECT_FALSE(QFile::exists(log.performanceFile()));
}

TEST_F(ActivityLogTest, ExistingFileIsKeptAndAppendedToWhileTheTraceHasNoUserField) {
    {
        QFile f(dir.filePath(QStringLiteral("ERRORES.TXT")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("older line from another session\n");
    }
    ASSERT_TRUE(log.error(QStringLiteral("new")));
    ASSERT_TRUE(log.MensajeRend(QStringLiteral("abre egresos 120 ms")));
    ASSERT_TRUE(log.MensajeRend(QStringLiteral("graba")));
    EXPECT_EQ(contents(log.errorFile()),
              QByteArray("older line from another session\n2023/03/07,09:05:03,ADMIN,new\n"));
    EXPECT_EQ(contents(log.performanceFile()),
              QByteArray("2023/03/07,09:05:03,abre egresos 120 ms\n2023/03/07,09:05:03,graba\n"));
}

TEST_F(ActivityLogTest, AccentsAreUtf8MultiLineMessagesStayOneRecordAndNoUserLeavesTheFieldEmpty) {
    user = QStringLiteral("PEÑA");
    ASSERT_TRUE(log.error(QStringLiteral("Está borrando\r\nSQL error code = -204\nTable unknown")));
    EXPECT_EQ(QString::fromUtf8(contents(log.errorFile())),
              QStringLiteral(
                  "2023/03/07,09:05:03,PEÑA,Está borrando SQL error code = -204 Table unknown\n"));

    ActivityLog early(dir.path(), clock, {});
    ASSERT_TRUE(early.error(QStringLiteral("before login")));
    EXPECT_TRUE(contents(early.errorFile()).endsWith(",,before login\n"));
}

TEST(ActivityLogFailures, UnwritablePlacesReturnFalseWithoutThrowing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    FixedClock clock(QDateTime(QDate(2023, 3, 7), QTime(9, 5, 3)));
    auto user = [] { return QStringLiteral("ADMIN"); };

    ActivityLog missing(dir.filePath(QStringLiteral("no/such/dir")), clock, user);
    EXPECT_FALSE(missing.error(QStringLiteral("x")));
    EXPECT_FALSE(missing.MensajeRend(QStringLiteral("x")));

    ActivityLog nowhere(QString(), clock, user);
    EXPECT_FALSE(nowhere.error(QStringLiteral("x")));

    // A directory where the file should be.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ERRORES.TXT")));
    ActivityLog blocked(dir.path(), clock, user);
    EXPECT_FALSE(blocked.error(QStringLiteral("x")));
    EXPECT_TRUE(blocked.MensajeRend(QStringLiteral("the other log still works")));
}
