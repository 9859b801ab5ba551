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

QString noCents(const char* integerWords) {
    return QString::fromLatin1(integerWords) + QStringLiteral("PESOS  M/CTE");
}

}  // namespace

TEST(AmountInWords, DocumentedExamples) {
    EXPECT_EQ(words("100"), noCents("CIEN "));
    EXPECT_EQ(words("21000"), noCents("VEINTIUN MIL "));
    EXPECT_EQ(words("1000000"), noCents("UN MILLON DE "));
    EXPECT_EQ(words("2500000.50"),
              QStringLiteral("DOS MILLONES QUINIENTOS MIL PESOS 50 CENTAVOS M/CTE"));
    EXPECT_EQ(words("1000000000"), noCents("UN MIL MILLONES DE "));
    EXPECT_EQ(words("31.05"), QStringLiteral("TREINTA Y UN PESOS 5 CENTAVOS M/CTE"));
}

TEST(AmountInWords, TeensTwentiesAndHundreds) {
    EXPECT_EQ(words("16"), noCents("DIECISEIS "));
    EXPECT_EQ(words("15"), noCents("QUINCE "));
    EXPECT_EQ(words("11"), noCents("ONCE "));
    EXPECT_EQ(words("10"), noCents("DIEZ "));
    EXPECT_EQ(words("19"), noCents("DIECINUEVE "));
    EXPECT_EQ(words("20"), noCents("VEINTE "));
    EXPECT_EQ(words("22"), noCents("VEINTIDOS "));
    EXPECT_EQ(words("29"), noCents("VEINTINUEVE "));
    EXPECT_EQ(words("30"), noCents("TREINTA "));
    EXPECT_EQ(words("99"), noCents("NOVENTA Y NUEVE "));
    EXPECT_EQ(words("1"), noCents("UN "));
    EXPECT_EQ(words("101"), noCents("CIENTO UN "));
    EXPECT_EQ(words("110"), noCents("CIENTO DIEZ "));
    EXPECT_EQ(words("115"), noCents("CIENTO QUINCE "));
    EXPECT_EQ(words("500"), noCents("QUINIENTOS "));
    EXPECT_EQ(words("777"), noCents("SETECIENTOS SETENTA Y SIETE "));
}

TEST(AmountInWords, ThousandsAndMillions) {
    EXPECT_EQ(words("1000"), noCents("UN MIL "));
    EXPECT_EQ(words("100000"), noCents("CIEN MIL "));
    EXPECT_EQ(words("1000001"), noCents("UN MILLON UN "));
    EXPECT_EQ(words("1001000"), noCents("UN MILLON UN MIL "));
    EXPECT_EQ(words("2000000"), noCents("DOS MILLONES DE "));
    EXPECT_EQ(words("1001000000"), noCents("UN MIL UN MILLON DE "));
    EXPECT_EQ(words("2000000000"), noCents("DOS MIL MILLONES DE "));
    // With thousands of millions present, a zero millions group still says MILLONES.
    EXPECT_EQ(words("2000000005"), noCents("DOS MIL MILLONES CINCO "));
    EXPECT_EQ(words("999999999999.99"),
              QStringLiteral("NOVECIENTOS NOVENTA Y NUEVE MIL NOVECIENTOS NOVENTA Y NUEVE "
                             "MILLONES NOVECIENTOS NOVENTA Y NUEVE MIL NOVECIENTOS NOVENTA Y "
                             "NUEVE PESOS 99 CENTAVOS M/CTE"));
}

TEST(AmountInWords, CentsAreAFigureRoundedHalfToEven) {
    EXPECT_EQ(words("0.01"), QStringLiteral("PESOS 1 CENTAVOS M/CTE"));
    EXPECT_EQ(words("5.125"), QStringLiteral("CINCO PESOS 12 CENTAVOS M/CTE"));
    EXPECT_EQ(words("5.135"), QStringLiteral("CINCO PESOS 14 CENTAVOS M/CTE"));
    // Below half a cent: a positive amount with no cents and no integer words.
    EXPECT_EQ(words("0.004"), QStringLiteral("PESOS  M/CTE"));
}

TEST(AmountInWords, ZeroOrNegativeGivesNothing) {
    EXPECT_TRUE(words("0").isEmpty());
    EXPECT_TRUE(words("-100").isEmpty());
    EXPECT_TRUE(words("-0.01").isEmpty());
}

TEST(AmountInWords, ConfigurationTextsAreWrittenAsGiven) {
    const QString text = ledgrix::numero_a_letras(Currency::fromInt(2), QStringLiteral("DÓLARES"),
                                                  QStringLiteral("¢"), QString());
    EXPECT_EQ(text, QStringLiteral("DOS DÓLARES  "));
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
