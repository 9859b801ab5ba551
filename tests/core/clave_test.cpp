#include <gtest/gtest.h>

#include <QStringList>

#include "core/login/clave.h"

using namespace ledgrix;

TEST(Clave, RoundTripsAccentsSpacesAndSymbols) {
    const QStringList claves = {QStringLiteral("Ñandú 2024!"), QStringLiteral("  espacios  "),
                                QStringLiteral("~`!@#$%^&*()_+{}|:\"<>?"), QString(), QStringLiteral("汉字 mixed")};
    for (const QString& c : claves) {
        const QString e = embrolle_clave(c);
        EXPECT_EQ(desembrolle_clave(e), c) << c.toStdString();
        EXPECT_EQ(e.size(), c.size());
    }
}

TEST(Clave, ScrambledTextHidesThePasswordAndStaysPrintable) {
    const QString e = embrolle_clave(QStringLiteral("contraseña secreta"));
    EXPECT_NE(e, QStringLiteral("contraseña secreta"));
    for (QChar c : e) EXPECT_TRUE(c.unicode() >= 32 && c.unicode() != 127 && (c.unicode() < 128 || c.unicode() > 160));
    // The same letter at different positions is scrambled differently.
    const QString aaa = embrolle_clave(QStringLiteral("aaaa"));
    EXPECT_NE(aaa[0], aaa[1]);
}
