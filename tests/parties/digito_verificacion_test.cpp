#include <gtest/gtest.h>

#include "parties/digito_verificacion.h"

using namespace ledgrix;

TEST(DigitoVerificacion, RealAndWorkedNits) {
    EXPECT_EQ(dv(QStringLiteral("800197268")), 4);
    EXPECT_EQ(dv(QStringLiteral("899999068")), 1);
    EXPECT_EQ(dv(QStringLiteral("123456789")), 6);  // sum 665, remainder 5
    EXPECT_EQ(dv(QStringLiteral("103")), 0);        // remainder 0
    EXPECT_EQ(dv(QStringLiteral("107")), 1);        // remainder 1
    EXPECT_EQ(dv(QString()), 0);
    EXPECT_EQ(dv(QStringLiteral("900123456")), 8);  // the supplier master's example
    EXPECT_EQ(dv(QStringLiteral("000000000000103")), 0) << "leading zeros weigh nothing";
}

TEST(DigitoVerificacion, RefusesWhatTheSchemeCannotWeigh) {
    EXPECT_FALSE(dv(QStringLiteral("80019726-8")));
    EXPECT_FALSE(dv(QStringLiteral("80O197268")));
    EXPECT_FALSE(dv(QStringLiteral("1234567890123456")));  // sixteen digits
    EXPECT_TRUE(dv(QStringLiteral("123456789012345")));    // fifteen still weigh
}
