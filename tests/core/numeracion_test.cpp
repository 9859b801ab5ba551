#include <gtest/gtest.h>

#include "core/numeracion/numeracion.h"

using namespace ledgrix;

TEST(Numeracion, ZeroFillsOnlyShortNumbers) {
    EXPECT_EQ(complete_numero(QStringLiteral("45")), QStringLiteral("000045"));
    EXPECT_EQ(complete_numero(QString()), QStringLiteral("000000"));
    EXPECT_EQ(complete_numero(QStringLiteral("000123")), QStringLiteral("000123"));
    EXPECT_EQ(complete_numero(QStringLiteral("1234567")), QStringLiteral("1234567"));
    EXPECT_EQ(complete_numero_n(QStringLiteral("99"), 8), QStringLiteral("00000099"));
    EXPECT_EQ(complete_numero_n(QStringLiteral("123"), 2), QStringLiteral("123"));
}
