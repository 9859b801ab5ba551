#include <gtest/gtest.h>

#include "app/login/ingreso.h"
#include "core/login/clave.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;
using ledgrix::test::ModuleTest;

namespace {
// The same demo installation, reached through the server on loopback.
QString porServidor(const QString& carpeta) { return QStringLiteral("127.0.0.1:") + carpeta; }
}  // namespace

using ServidorTest = ModuleTest;

TEST_F(ServidorTest, TheServerDecidesThePasswordAndTheUserIsToldInSpanish) {
    Ingreso malo(*dm);
    EXPECT_FALSE(malo.ingrese({QStringLiteral("ENTRADA"), QStringLiteral("ADMIN"), QStringLiteral("001"),
                               embrolle_clave(QStringLiteral("otra")), porServidor(inst->location())}));
    ASSERT_FALSE(dialogs.errors().isEmpty());
    EXPECT_EQ(dialogs.errors().first(), QStringLiteral("El nombre de Usuario o la clave son incorrectas."));

    dialogs.clear();
    Ingreso bueno(*dm);
    EXPECT_TRUE(bueno.ingrese({QStringLiteral("ENTRADA"), QStringLiteral("ADMIN"), QStringLiteral("001"),
                               embrolle_clave(QStringLiteral("admin")), porServidor(inst->location())}))
        << dialogs.lastError().toStdString();
    EXPECT_EQ(dm->sql().scalar(QStringLiteral("select count(*) from auditoria where tido_cod = 198")).toInt(), 1);
}
