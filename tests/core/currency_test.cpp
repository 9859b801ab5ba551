#include <gtest/gtest.h>

#include <limits>

#include "core/money/currency.h"

using ledgrix::Currency;
using ledgrix::R;

namespace {

Currency C(const char* text) {
    const auto parsed = Currency::parse(QString::fromUtf8(text));
    EXPECT_TRUE(parsed.has_value()) << text;
    return parsed.value_or(Currency());
}

int64_t units(const char* text) {
    return C(text).units();
}

bool refused(const char* text) {
    return !Currency::parse(QString::fromUtf8(text)).has_value();
}

// The largest magnitude a NUMERIC(15,2) column holds.
constexpr int64_t kColumnMax = 99999999999999900;

}  // namespace

TEST(CurrencyParse, AcceptsTheDecimalTextsTheDriverAndUsersWrite) {
    EXPECT_EQ(units("1234.56"), 12345600);
    EXPECT_EQ(units("-0.005"), -50);
    EXPECT_EQ(units("+3"), 30000);
    EXPECT_EQ(units(".5"), 5000);
    EXPECT_EQ(units("5."), 50000);
    EXPECT_EQ(units("-.25"), -2500);
    EXPECT_EQ(units("  42.1 "), 421000);
    EXPECT_EQ(units("0"), 0);
    EXPECT_EQ(units("-0"), 0);
    EXPECT_EQ(units("0001.5"), 15000);
}

TEST(CurrencyParse, RefusesAnythingThatIsNotOneDecimalNumber) {
    for (const char* bad : {"", "   ", "-", "+", ".", "-.", "1,000", "1.000,50", "12a", "abc",
                            "1e5", "--1", "+-1", "1.2.3", "1 000", "0x10", "١٢٣"}) {
        EXPECT_TRUE(refused(bad)) << bad;
    }
    EXPECT_EQ(Currency::fromText(QStringLiteral("1,000")), Currency());
}

TEST(CurrencyParse, RefusesMoreIntegerDigitsThanAnAmountCanHave) {
    EXPECT_TRUE(refused("1234567890123456"));
    EXPECT_TRUE(refused("-1234567890123456.5"));
    EXPECT_EQ(units("123456789012345"), 1234567890123450000);
    // Fifteen digits that do not fit in the 64-bit count must not wrap around.
    EXPECT_TRUE(refused("999999999999999"));
    EXPECT_TRUE(refused("-999999999999999.9999"));
    EXPECT_EQ(units("922337203685477.5807"), std::numeric_limits<int64_t>::max());
    EXPECT_TRUE(refused("922337203685477.5808"));
    // Rounding the fifth decimal up must not carry past the largest count either.
    EXPECT_TRUE(refused("922337203685477.58075"));
}

TEST(CurrencyParse, RoundsDecimalsPastTheFourthHalfToEven) {
    EXPECT_EQ(units("0.00005"), 0);
    EXPECT_EQ(units("0.00015"), 2);
    EXPECT_EQ(units("-0.00015"), -2);
    EXPECT_EQ(units("-0.00005"), 0);
    EXPECT_EQ(units("0.00025"), 2);
    EXPECT_EQ(units("0.000250001"), 3);  // beyond the half: up, whatever the parity
    EXPECT_EQ(units("0.00024999"), 2);
    EXPECT_EQ(units("0.99995"), 10000);  // carries into the whole part
    EXPECT_EQ(units("1.2345000000000000000000001"), 12345);
}

TEST(CurrencyLimits, ColumnExtremesRoundTripAndAddWithoutOverflow) {
    const Currency top = C("9999999999999.99");
    const Currency bottom = C("-9999999999999.99");
    EXPECT_EQ(top.units(), kColumnMax);
    EXPECT_EQ(bottom, -top);
    EXPECT_EQ(top.toString(), QStringLiteral("9999999999999.99"));
    EXPECT_EQ(bottom.toString(), QStringLiteral("-9999999999999.99"));
    EXPECT_EQ(Currency::parse(top.toString(4)), top);
    EXPECT_EQ(top.toDisplay(), QStringLiteral("9,999,999,999,999.99"));
    EXPECT_EQ(bottom.toDisplay(), QStringLiteral("-9,999,999,999,999.99"));

    // Sums of many column values, as a report total does.
    Currency total;
    for (int k = 0; k < 90; ++k)
        total += top;
    EXPECT_EQ(total.toString(), QStringLiteral("899999999999999.10"));
    EXPECT_EQ((top + top).toString(), QStringLiteral("19999999999999.98"));
    EXPECT_EQ((bottom - top).toString(), QStringLiteral("-19999999999999.98"));
    EXPECT_TRUE((top + bottom).isZero());
    EXPECT_EQ(bottom.abs(), top);
}

TEST(CurrencyLimits, TextOfTheSmallestCountDoesNotOverflow) {
    const Currency least = Currency::fromUnits(std::numeric_limits<int64_t>::min());
    EXPECT_EQ(least.toString(4), QStringLiteral("-922337203685477.5808"));
    EXPECT_EQ(least.toString(0), QStringLiteral("-922337203685478"));
    EXPECT_EQ(least.toDisplay(2), QStringLiteral("-922,337,203,685,477.58"));
}

TEST(CurrencyArithmetic, MultiplicationRoundsToFourDecimalsHalfToEven) {
    EXPECT_EQ((C("0.0001") * C("0.5")).units(), 0);
    EXPECT_EQ((C("0.0003") * C("0.5")).units(), 2);
    EXPECT_EQ((C("-0.0003") * C("0.5")).units(), -2);
    EXPECT_EQ((C("-0.0001") * C("0.5")).units(), 0);
    EXPECT_EQ(C("100000") * C("0.19"), C("19000"));
    // VAT on an amount with cents: 1234.57 * 19% = 234.5683.
    EXPECT_EQ(C("1234.57") * C("0.19"), C("234.5683"));
    // VAT at the top of the column does not overflow the intermediate product.
    EXPECT_EQ((C("9999999999999.99") * C("0.19")).toString(4),
              QStringLiteral("1899999999999.9981"));
    EXPECT_EQ(C("-12.5") * C("-2"), C("25"));
    EXPECT_EQ(C("12.5") * int64_t{3}, C("37.5"));
}

TEST(CurrencyArithmetic, DivisionRoundsHalfToEvenAndByZeroGivesZero) {
    EXPECT_EQ(C("1") / C("3"), C("0.3333"));
    EXPECT_EQ(C("2") / C("3"), C("0.6667"));
    EXPECT_EQ(C("-2") / C("3"), C("-0.6667"));
    EXPECT_EQ(C("2") / C("-3"), C("-0.6667"));
    EXPECT_EQ(C("0.0001") / C("2"), C("0"));       // 0.00005 -> even 0
    EXPECT_EQ(C("0.0003") / C("2"), C("0.0002"));  // 0.00015 -> even 0.0002
    EXPECT_EQ(C("-0.0003") / C("-2"), C("0.0002"));
    EXPECT_EQ(C("1190") / C("1.19"), C("1000"));
    EXPECT_TRUE((C("5") / Currency()).isZero());
    EXPECT_TRUE((C("-5") / C("0.00001")).isZero());  // rounds to a zero divisor
}

TEST(CurrencyRounding, RoundsToAPowerOfTenHalfToEven) {
    EXPECT_EQ(R(C("2.5"), 0), C("2"));
    EXPECT_EQ(R(C("3.5"), 0), C("4"));
    EXPECT_EQ(R(C("-2.5"), 0), C("-2"));
    EXPECT_EQ(R(C("-3.5"), 0), C("-4"));
    EXPECT_EQ(R(C("2.5001"), 0), C("3"));
    EXPECT_EQ(R(C("0.125"), -2), C("0.12"));
    EXPECT_EQ(R(C("0.135"), -2), C("0.14"));
    EXPECT_EQ(R(C("-0.135"), -2), C("-0.14"));
    EXPECT_EQ(R(C("1250"), 2), C("1200"));
    EXPECT_EQ(R(C("1350"), 2), C("1400"));
    EXPECT_EQ(R(C("1249.99"), 2), C("1200"));
    EXPECT_EQ(R(C("1500"), 3), C("2000"));
    EXPECT_EQ(R(C("2500"), 3), C("2000"));
    EXPECT_EQ(R(C("2500.01"), 3), C("3000"));
    EXPECT_EQ(R(C("499"), 3), C("0"));
    EXPECT_EQ(R(C("0.00015"), -3), C("0.000"));  // parsed to 0.0002, then to 0.000
    EXPECT_EQ(R(C("0.0015"), -3), C("0.002"));
}

TEST(CurrencyRounding, FourDecimalsOrFinerLeaveTheValueAlone) {
    for (int n : {-4, -5, -10, -100}) {
        EXPECT_EQ(R(C("1.2345"), n), C("1.2345")) << n;
        EXPECT_EQ(R(C("-0.0001"), n), C("-0.0001")) << n;
    }
}

TEST(CurrencyRounding, PowersBeyondTheRangeGiveZeroInsteadOfOverflowing) {
    EXPECT_EQ(R(C("9999999999999.99"), 13), C("10000000000000"));
    EXPECT_EQ(R(C("9999999999999.99"), 14), C("0"));
    EXPECT_EQ(R(C("-9999999999999.99"), 40), C("0"));
    EXPECT_EQ(R(C("123"), 1000), C("0"));
}

TEST(CurrencyText, ToStringRoundsToTheDecimalsAskedHalfToEven) {
    EXPECT_EQ(C("1234.565").toString(), QStringLiteral("1234.56"));
    EXPECT_EQ(C("1234.575").toString(), QStringLiteral("1234.58"));
    EXPECT_EQ(C("-0.005").toString(), QStringLiteral("0.00"));  // no "-0.00"
    EXPECT_EQ(C("-0.015").toString(), QStringLiteral("-0.02"));
    EXPECT_EQ(C("7").toString(0), QStringLiteral("7"));
    EXPECT_EQ(C("0.05").toString(1), QStringLiteral("0.0"));
    EXPECT_EQ(C("0.0001").toString(9), QStringLiteral("0.0001"));  // clamped to four
    EXPECT_EQ(C("2.5").toString(-1), QStringLiteral("2"));
}

TEST(CurrencyText, DisplayGroupsThousandsWithCommas) {
    EXPECT_EQ(C("1234567.89").toDisplay(), QStringLiteral("1,234,567.89"));
    EXPECT_EQ(C("-1234567.89").toDisplay(), QStringLiteral("-1,234,567.89"));
    EXPECT_EQ(C("123456").toDisplay(0), QStringLiteral("123,456"));
    EXPECT_EQ(C("-123").toDisplay(), QStringLiteral("-123.00"));
    EXPECT_EQ(C("1000").toDisplay(), QStringLiteral("1,000.00"));
    EXPECT_EQ(C("999.995").toDisplay(), QStringLiteral("1,000.00"));
    EXPECT_EQ(C("0").toDisplay(), QStringLiteral("0.00"));
}

TEST(CurrencyVariant, ReadsDriverTextIntegersAndNulls) {
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral("1234.5600"))), C("1234.56"));
    EXPECT_EQ(Currency::fromVariant(QVariant(qlonglong{-42})), C("-42"));
    EXPECT_EQ(Currency::fromVariant(QVariant(7)), C("7"));
    EXPECT_EQ(Currency::fromVariant(QVariant()), Currency());
    EXPECT_EQ(Currency::fromVariant(QVariant(QMetaType(QMetaType::QString))), Currency());
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral("n/a"))), Currency());
}

TEST(CurrencySplit, WholePartAndCentsRoundedHalfToEven) {
    using ledgrix::splitCents;
    EXPECT_EQ(splitCents(C("2500000.50")).whole, 2500000);
    EXPECT_EQ(splitCents(C("2500000.50")).cents, 50);
    EXPECT_EQ(splitCents(C("31.05")).cents, 5);
    EXPECT_EQ(splitCents(C("0.01")).whole, 0);
    EXPECT_EQ(splitCents(C("0.01")).cents, 1);
    EXPECT_EQ(splitCents(C("10.125")).cents, 12);
    EXPECT_EQ(splitCents(C("10.135")).cents, 14);
    EXPECT_EQ(splitCents(C("10.0049")).cents, 0);
    // Rounding the fraction alone does not carry into the whole part.
    EXPECT_EQ(splitCents(C("7.995")).whole, 7);
    EXPECT_EQ(splitCents(C("7.995")).cents, 100);
    EXPECT_EQ(splitCents(C("9999999999999.99")).whole, 9999999999999);
    EXPECT_EQ(splitCents(C("9999999999999.99")).cents, 99);
    EXPECT_EQ(splitCents(C("-3.25")).whole, -3);
    EXPECT_EQ(splitCents(C("-3.25")).cents, -25);
}
