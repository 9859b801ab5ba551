#include <gtest/gtest.h>

#include "core/words/numero_a_letras.h"

using ledgrix::Currency;

namespace {

// Configuration values as a Colombian company usually sets them.
QString words(const char* amount) {
    const auto parsed = Currency::parse(QString::fromLatin1(amount));
    EXPECT_TRUE(parsed.has_value()) << amount;
    return ledgrix::numero_a_letras(parsed.value_or(Currency()), QStringLiteral("PESOS"),
                                    QStringLiteral("CENTAVOS"), QStringLiteral("M/CTE"));
}

}  // namespace

TEST(AmountInWords, WholeAmountsFromUnitsToThousandsOfMillions) {
    const std::pair<const char*, const char*> cases[] = {
        {"1", "UN"}, {"10", "DIEZ"}, {"15", "QUINCE"}, {"16", "DIECISEIS"}, {"20", "VEINTE"},
        {"22", "VEINTIDOS"}, {"30", "TREINTA"}, {"99", "NOVENTA Y NUEVE"}, {"100", "CIEN"},
        {"101", "CIENTO UN"}, {"115", "CIENTO QUINCE"}, {"500", "QUINIENTOS"},
        {"777", "SETECIENTOS SETENTA Y SIETE"}, {"1000", "UN MIL"}, {"21000", "VEINTIUN MIL"},
        {"100000", "CIEN MIL"}, {"1000000", "UN MILLON DE"}, {"1000001", "UN MILLON UN"},
        {"1001000", "UN MILLON UN MIL"}, {"2000000", "DOS MILLONES DE"},
        {"1000000000", "UN MIL MILLONES DE"}, {"1001000000", "UN MIL UN MILLON DE"},
        // With thousands of millions present, a zero millions group still says MILLONES.
        {"2000000005", "DOS MIL MILLONES CINCO"}};
    for (const auto& [amount, integerWords] : cases)
        EXPECT_EQ(words(amount), QString::fromLatin1(integerWords) + QStringLiteral(" PESOS  M/CTE"))
            << amount;
}

TEST(AmountInWords, CentsAreAFigureRoundedHalfToEven) {
    EXPECT_EQ(words("2500000.50"),
              QStringLiteral("DOS MILLONES QUINIENTOS MIL PESOS 50 CENTAVOS M/CTE"));
    EXPECT_EQ(words("31.05"), QStringLiteral("TREINTA Y UN PESOS 5 CENTAVOS M/CTE"));
    EXPECT_EQ(words("0.01"), QStringLiteral("PESOS 1 CENTAVOS M/CTE"));
    EXPECT_EQ(words("5.125"), QStringLiteral("CINCO PESOS 12 CENTAVOS M/CTE"));
    EXPECT_EQ(words("5.135"), QStringLiteral("CINCO PESOS 14 CENTAVOS M/CTE"));
    // Below half a cent: a positive amount with no cents and no integer words.
    EXPECT_EQ(words("0.004"), QStringLiteral("PESOS  M/CTE"));
    EXPECT_EQ(words("999999999999.99"),
              QStringLiteral("NOVECIENTOS NOVENTA Y NUEVE MIL NOVECIENTOS NOVENTA Y NUEVE "
                             "MILLONES NOVECIENTOS NOVENTA Y NUEVE MIL NOVECIENTOS NOVENTA Y "
                             "NUEVE PESOS 99 CENTAVOS M/CTE"));
}

TEST(AmountInWords, ZeroOrNegativeGivesNothing) {
    EXPECT_TRUE(words("0").isEmpty());
    EXPECT_TRUE(words("-0.01").isEmpty());
}

TEST(AmountInWords, ConfigurationTextsAreWrittenAsGiven) {
    EXPECT_EQ(ledgrix::numero_a_letras(Currency::fromInt(2), QStringLiteral("DÓLARES"),
                                       QStringLiteral("¢"), QString()),
              QStringLiteral("DOS DÓLARES  "));
    EXPECT_EQ(ledgrix::numero_a_letras(Currency::parse(QStringLiteral("3.40")).value(), QString(),
                                       QString(), QStringLiteral("FIN")),
              QStringLiteral("TRES  40  FIN"));
}

TEST(AmountInWords, OutOfRangeDoesNotWrapAround) {
    // 10^12: the hundreds digit of the top group would be 10 and has no word;
    // what matters is that no smaller amount's wording comes out.
    const QString text = words("1000000000000");
    EXPECT_FALSE(text.contains(QStringLiteral("UN ")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("PESOS  M/CTE")));
}
