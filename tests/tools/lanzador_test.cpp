#include <gtest/gtest.h>

#include "core/login/clave.h"
#include "tools/launcher/lanzador.h"

using namespace ledgrix;

TEST(Lanzador, HandsTheModuleItsArgumentsWithThePasswordScrambled) {
    const QStringList args = argumentos_modulo({QStringLiteral(" auxiliar "), QStringLiteral("001"),
                                                QStringLiteral("Ñandú 1'"), QString()});
    ASSERT_EQ(args.size(), 4);
    EXPECT_EQ(args[0], QStringLiteral("ENTRADA"));
    EXPECT_EQ(args[1], QStringLiteral("AUXILIAR"));
    EXPECT_EQ(args[2], QStringLiteral("001"));
    EXPECT_NE(args[3], QStringLiteral("Ñandú 1'"));
    EXPECT_EQ(desembrolle_clave(args[3]), QStringLiteral("Ñandú 1'"));
    EXPECT_EQ(argumentos_modulo({QStringLiteral("A"), QStringLiteral("001"), QStringLiteral("x"),
                                 QStringLiteral("srv:/ledgrix")}).value(4),
              QStringLiteral("srv:/ledgrix"));
}

TEST(Lanzador, RefusesAnIncompleteEntry) {
    EXPECT_FALSE(revise_ingreso({QString(), QStringLiteral("001"), QStringLiteral("x"), {}}).isEmpty());
    EXPECT_FALSE(revise_ingreso({QStringLiteral("A"), QStringLiteral(" "), QStringLiteral("x"), {}}).isEmpty());
    EXPECT_FALSE(revise_ingreso({QStringLiteral("A"), QStringLiteral("001"), QString(), {}}).isEmpty());
    EXPECT_TRUE(revise_ingreso({QStringLiteral("A"), QStringLiteral("001"), QStringLiteral("x"), {}}).isEmpty());
}
