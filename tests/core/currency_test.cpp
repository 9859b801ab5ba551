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

bool refused(const char* text) {
    return !Currency::parse(QString::fromUtf8(text)).has_value();
}

struct TextUnits {
    const char* text;
    int64_t units;
};

}  // namespace

TEST(CurrencyParse, AcceptsTheDecimalTextsTheDriverAndUsersWriteRoundingPastTheFourthHalfToEven) {
    for (const TextUnits& c : std::initializer_list<TextUnits>{
             {"1234.56", 12345600}, {"-0.005", -50}, {"+3", 30000}, {".5", 5000}, {"5.", 50000},
             {"-.25", -2500}, {"  42.1 ", 421000}, {"-0", 0}, {"0001.5", 15000},
             {"123456789012345", 1234567890123450000},
             {"922337203685477.5807", std::numeric_limits<int64_t>::max()},
             // Past the fourth decimal: half to even, beyond the half always away from zero.
             {"0.00005", 0}, {"0.00015", 2}, {"-0.00015", -2}, {"0.00025", 2}, {"0.000250001", 3},
             {"0.00024999", 2}, {"0.99995", 10000}, {"1.2345000000000000000000001", 12345}})
        EXPECT_EQ(C(c.text).units(), c.units) << c.text;
}

TEST(CurrencyParse, RefusesAnythingThatIsNotOneDecimalNumberOrDoesNotFit) {
    for (const char* bad : {"", "   ", "-", "+", ".", "-.", "1,000", "1.000,50", "12a", "1e5", "--1",
                            "+-1", "1.2.3", "1 000", "0x10", "١٢٣",
                            // Too many digits, or fifteen that would wrap the 64-bit count,
                            // also when rounding the fifth decimal carries past the largest.
                            "1234567890123456", "-1234567890123456.5", "999999999999999",
                            "-999999999999999.9999", "922337203685477.5808", "922337203685477.58075"})
        EXPECT_TRUE(refused(bad)) << bad;
    EXPECT_EQ(Currency::fromText(QStringLiteral("1,000")), Currency());
}

TEST(CurrencyLimits, ColumnExtremesRoundTripAndAddWithoutOverflow) {
    const Currency top = C("9999999999999.99");
    const Currency bottom = C("-9999999999999.99");
    EXPECT_EQ(top.units(), 99999999999999900);
    EXPECT_EQ(bottom, -top);
    EXPECT_EQ(bottom.toString(), QStringLiteral("-9999999999999.99"));
    EXPECT_EQ(Currency::parse(top.toString(4)), top);
    EXPECT_EQ(bottom.toDisplay(), QStringLiteral("-9,999,999,999,999.99"));

    // Sums of many column values, as a report total does.
    Currency total;
    for (int k = 0; k < 90; ++k)
        total += top;
    EXPECT_EQ(total.toString(), QStringLiteral("899999999999999.10"));
    EXPECT_EQ((bottom - top).toString(), QStringLiteral("-19999999999999.98"));
    EXPECT_EQ(bottom.abs(), top);

    const Currency least = Currency::fromUnits(std::numeric_limits<int64_t>::min());
    EXPECT_EQ(least.toString(4), QStringLiteral("-922337203685477.5808"));
    EXPECT_EQ(least.toString(0), QStringLiteral("-922337203685478"));
    EXPECT_EQ(least.toDisplay(2), QStringLiteral("-922,337,203,685,477.58"));
}

TEST(CurrencyArithmetic, MultiplicationRoundsToFourDecimalsHalfToEven) {
    EXPECT_EQ((C("0.0001") * C("0.5")).units(), 0);
    EXPECT_EQ((C("0.0003") * C("0.5")).units(), 2);
    EXPECT_EQ((C("-0.0003") * C("0.5")).units(), -2);
    // VAT on an amount with cents: 1234.57 * 19% = 234.5683.
    EXPECT_EQ(C("1234.57") * C("0.19"), C("234.5683"));
    // VAT at the top of the column does not overflow the intermediate product.
    EXPECT_EQ((C("9999999999999.99") * C("0.19")).toString(4), QStringLiteral("1899999999999.9981"));
    EXPECT_EQ(C("-12.5") * C("-2"), C("25"));
    EXPECT_EQ(C("12.5") * int64_t{3}, C("37.5"));
}

TEST(CurrencyArithmetic, DivisionRoundsHalfToEvenAndByZeroGivesZero) {
    EXPECT_EQ(C("1") / C("3"), C("0.3333"));
    EXPECT_EQ(C("2") / C("-3"), C("-0.6667"));
    EXPECT_EQ(C("0.0001") / C("2"), C("0"));       // 0.00005 -> even 0
    EXPECT_EQ(C("0.0003") / C("2"), C("0.0002"));  // 0.00015 -> even 0.0002
    EXPECT_EQ(C("1190") / C("1.19"), C("1000"));
    EXPECT_TRUE((C("5") / Currency()).isZero());
    EXPECT_TRUE((C("-5") / C("0.00001")).isZero());  // rounds to a zero divisor
}

TEST(CurrencyRounding, RoundsToAPowerOfTenHalfToEven) {
    struct Case {
        const char* value;
        int power;
        const char* expected;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"2.5", 0, "2"}, {"3.5", 0, "4"}, {"-2.5", 0, "-2"}, {"-3.5", 0, "-4"},
             {"2.5001", 0, "3"}, {"0.125", -2, "0.12"}, {"0.135", -2, "0.14"}, {"1250", 2, "1200"},
             {"1249.99", 2, "1200"}, {"1500", 3, "2000"}, {"2500", 3, "2000"}, {"2500.01", 3, "3000"},
             {"0.00015", -3, "0.000"},  // parsed to 0.0002, then to 0.000
             {"0.0015", -3, "0.002"},
             // Four decimals or finer leave the value alone.
             {"1.2345", -4, "1.2345"}, {"-0.0001", -5, "-0.0001"}, {"1.2345", -100, "1.2345"},
             // Powers beyond the range give zero instead of overflowing.
             {"9999999999999.99", 13, "10000000000000"}, {"9999999999999.99", 14, "0"},
             {"-9999999999999.99", 40, "0"}, {"123", 1000, "0"}})
        EXPECT_EQ(R(C(c.value), c.power), C(c.expected)) << c.value << " at " << c.power;
}

TEST(CurrencyText, ToStringAndDisplayRoundToTheDecimalsAskedHalfToEven) {
    EXPECT_EQ(C("1234.565").toString(), QStringLiteral("1234.56"));
    EXPECT_EQ(C("1234.575").toString(), QStringLiteral("1234.58"));
    EXPECT_EQ(C("-0.005").toString(), QStringLiteral("0.00"));  // no "-0.00"
    EXPECT_EQ(C("-0.015").toString(), QStringLiteral("-0.02"));
    EXPECT_EQ(C("0.05").toString(1), QStringLiteral("0.0"));
    EXPECT_EQ(C("0.0001").toString(9), QStringLiteral("0.0001"));  // clamped to four
    EXPECT_EQ(C("2.5").toString(-1), QStringLiteral("2"));

    EXPECT_EQ(C("-1234567.89").toDisplay(), QStringLiteral("-1,234,567.89"));
    EXPECT_EQ(C("123456").toDisplay(0), QStringLiteral("123,456"));
    EXPECT_EQ(C("-123").toDisplay(), QStringLiteral("-123.00"));
    EXPECT_EQ(C("999.995").toDisplay(), QStringLiteral("1,000.00"));
}

TEST(CurrencyVariant, ReadsDriverTextIntegersAndNulls) {
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral("1234.5600"))), C("1234.56"));
    EXPECT_EQ(Currency::fromVariant(QVariant(qlonglong{-42})), C("-42"));
    EXPECT_EQ(Currency::fromVariant(QVariant()), Currency());
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral("n/a"))), Currency());
    // Texts the Firebird driver produces for NUMERIC columns through a double.
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral("99.99000000000001"))), C("99.99"));
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral("3e+05"))), C("300000"));
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral("9999999999999.990234"))), C("9999999999999.99"));
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral("-0.07000000000000001"))), C("-0.07"));
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral("1.5e-05"))), C("0.0000"));
}

TEST(CurrencySplit, WholePartAndCentsRoundedHalfToEven) {
    struct Case {
        const char* value;
        int64_t whole;
        int cents;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"2500000.50", 2500000, 50}, {"0.01", 0, 1}, {"10.125", 10, 12}, {"10.135", 10, 14},
             {"10.0049", 10, 0},
             {"7.995", 7, 100},  // rounding the fraction alone does not carry into the whole part
             {"9999999999999.99", 9999999999999, 99}, {"-3.25", -3, -25}}) {
        const auto split = ledgrix::splitCents(C(c.value));
        EXPECT_EQ(split.whole, c.whole) << c.value;
        EXPECT_EQ(split.cents, c.cents) << c.value;
    }
}
