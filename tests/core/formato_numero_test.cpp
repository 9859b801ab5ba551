#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/money/formato_numero.h"
#include "core/services/installation.h"

using ledgrix::Currency;
using ledgrix::FormatoNumero;

namespace {

struct Leido {
    const char* texto;
    int64_t unidades;  // ten-thousandths
};

const FormatoNumero kColombia;

FormatoNumero de(const char* ejemplo) {
    const auto f = FormatoNumero::de_ejemplo(QString::fromUtf8(ejemplo));
    EXPECT_TRUE(f.has_value()) << ejemplo;
    return f.value_or(FormatoNumero());
}

}  // namespace

TEST(FormatoNumero, ColombianTextIsReadWithOrWithoutGroupingDots) {
    for (const Leido& c :
         std::initializer_list<Leido>{{"1.000.000", 10000000000},
                                      {"1000000", 10000000000},
                                      {"1000000,50", 10000005000},
                                      {"1.000.000,5", 10000005000},
                                      {"4.350,25", 43502500},
                                      {"4350,25", 43502500},
                                      {"-1.234,5", -12345000},
                                      {"-0", 0},
                                      {"-0,00", 0},
                                      {"0,5", 5000},
                                      {",5", 5000},
                                      {"12,", 120000},
                                      {"  999.999,99 ", 9999999900},
                                      {"2,125", 21250},
                                      {"0,00015", 2},  // past the fourth decimal: half to even
                                      {"9.999.999.999.999,99", 99999999999999900}})
        EXPECT_EQ(
            kColombia.lea(QString::fromUtf8(c.texto)).value_or(Currency::fromInt(-777)).units(),
            c.unidades)
            << c.texto;
}

TEST(FormatoNumero, TextInAnyOtherShapeIsRefusedNotGuessed) {
    for (const char* malo : {"",
                             "  ",
                             "-",
                             ",",
                             "1,000,000",
                             "4.35",
                             "1.00",
                             "1.0000",
                             "1000.000,5",
                             ".5",
                             "1.",
                             "1..000",
                             "1,2,3",
                             "1e5",
                             "1E5",
                             "1,5e3",
                             "abc",
                             "12a",
                             "--1",
                             "+5",
                             "- 5",
                             "1 000",
                             "1'000",
                             "0x10",
                             "١٢٣",
                             "$1.000",
                             "1.000-",
                             "1.000.000.000.000.000",  // sixteen digits
                             "922.337.203.685.478",    // fifteen that do not fit the count
                             "1,000.50"})
        EXPECT_FALSE(kColombia.lea(QString::fromUtf8(malo)).has_value()) << malo;
}

TEST(FormatoNumero, AmountsAreWrittenGroupedWithTheDecimalsAsked) {
    const struct {
        const char* valor;  // plain decimal text
        int decimales;
        const char* colombia;
        const char* eeuu;
    } casos[] = {{"1000000.5", 2, "1.000.000,50", "1,000,000.50"},
                 {"-1234567.891", 2, "-1.234.567,89", "-1,234,567.89"},
                 {"999", 0, "999", "999"},
                 {"1000", 0, "1.000", "1,000"},
                 {"0.005", 2, "0,00", "0.00"},
                 {"-0.5", 4, "-0,5000", "-0.5000"}};
    const FormatoNumero eeuu = de("1,234,567.89");
    for (const auto& c : casos) {
        const Currency v = Currency::fromText(QString::fromLatin1(c.valor));
        EXPECT_EQ(kColombia.escriba(v, c.decimales), QString::fromLatin1(c.colombia)) << c.valor;
        EXPECT_EQ(eeuu.escriba(v, c.decimales), QString::fromLatin1(c.eeuu)) << c.valor;
        // What is shown is read back as the same value.
        EXPECT_EQ(kColombia.lea(kColombia.escriba(v, 4)), v) << c.valor;
        EXPECT_EQ(eeuu.lea(eeuu.escriba(v, 4)), v) << c.valor;
    }
}

TEST(FormatoNumero, AnotherInstallationFormatReadsItsOwnTextAndRefusesTheColombian) {
    const FormatoNumero eeuu = de("1,234,567.89");
    EXPECT_EQ(eeuu.lea(QStringLiteral("4.35")), Currency::fromText(QStringLiteral("4.35")));
    EXPECT_EQ(eeuu.lea(QStringLiteral("1,000,000")), Currency::fromInt(1000000));
    EXPECT_FALSE(eeuu.lea(QStringLiteral("4.350,25")));
    EXPECT_EQ(
        eeuu.mensaje_invalido(QStringLiteral("4.350,25")),
        QStringLiteral("El valor «4.350,25» no es un número válido. Use el formato 1,234,567.89."));
    EXPECT_EQ(kColombia.mensaje_invalido(QStringLiteral(" 1,000,000 ")),
              QStringLiteral(
                  "El valor «1,000,000» no es un número válido. Use el formato 1.234.567,89."));
    EXPECT_EQ(de("1 234 567,89").lea(QStringLiteral("1 000,5")),
              Currency::fromText(QStringLiteral("1000.5")));
    for (const char* malo :
         {"", "1234567,89", "1.234.567.89", "1,234,567,89", "1.234.567,8x", "1;234;567,89"})
        EXPECT_FALSE(FormatoNumero::de_ejemplo(QString::fromLatin1(malo))) << malo;
}

TEST(FormatoNumero, TheInstallationChoosesItsFormatInItsFolderAndIsColombianOtherwise) {
    QTemporaryDir dir;
    const auto escriba = [&](const QByteArray& contenido) {
        QFile f(dir.filePath(QStringLiteral("numeros.cfg")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(contenido);
    };
    using ledgrix::instalacion::formato_numeros;
    EXPECT_EQ(formato_numeros(dir.path()), kColombia);
    EXPECT_EQ(formato_numeros(QString()), kColombia);
    escriba("1,234,567.89\r\n");
    EXPECT_EQ(formato_numeros(dir.path()), de("1,234,567.89"));
    escriba("US\n");  // not an example of a format: nobody chose one
    EXPECT_EQ(formato_numeros(dir.path()), kColombia);
}
