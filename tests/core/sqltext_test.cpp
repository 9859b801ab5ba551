#include <gtest/gtest.h>

#include "core/sql/sqltext.h"

using namespace ledgrix;

TEST(SqlText, QuotesDoubleInnerQuotesAndKeepAccents) {
    EXPECT_EQ(sql::quoted(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
    EXPECT_EQ(sql::quoted(QStringLiteral("''")), QStringLiteral("''''''"));
    EXPECT_EQ(sql::quoted(QString()), QStringLiteral("''"));
    EXPECT_EQ(sql::quoted(QStringLiteral("PEÑA Ñandú")), QStringLiteral("'PEÑA Ñandú'"));
}

TEST(SqlText, DatesUseTheProcessFormat) {
    EXPECT_EQ(sql::date(QDate(2022, 9, 1)), QStringLiteral("'2022/09/01'"));
    EXPECT_EQ(sql::date(QDate()), QStringLiteral("NULL"));
    EXPECT_EQ(sql::parseDate(QStringLiteral("2022/09/21")), QDate(2022, 9, 21));
    EXPECT_EQ(sql::parseDate(QStringLiteral("2022-09-21")), QDate(2022, 9, 21));
    EXPECT_FALSE(sql::parseDate(QStringLiteral("2022/13/01")).isValid());
}
