#include <gtest/gtest.h>

#include "core/sql/sqltext.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;
using ledgrix::test::ModuleTest;

namespace {

using ConfiguracionTest = ModuleTest;

// A number nobody configured must not quietly become 0: the user reads which
// setting is wrong and the caller learns that there is no number.
TEST_F(ConfiguracionTest, WholeNumbersAreReadOrTheirFaultIsNamed) {
    conecte();
    const QString g = QStringLiteral("GENERAL");
    const QString dias = QStringLiteral("MAXIMO NUMERO DE DIAS PARA DOCUMENTOS FUTUROS");
    struct Caso {
        const char* valor;  // nullptr: the row is missing
        std::optional<int> numero;
        QString mensaje;
    };
    const Caso casos[] = {
        {" 45 ", 45, {}},
        {"", std::nullopt,
         QStringLiteral("La configuración «%1» debe ser un número entero y está vacía.").arg(dias)},
        {"30 días", std::nullopt,
         QStringLiteral("La configuración «%1» debe ser un número entero y dice «30 días».")
             .arg(dias)},
        {"2.5", std::nullopt,
         QStringLiteral("La configuración «%1» debe ser un número entero y dice «2.5».").arg(dias)},
        {nullptr, std::nullopt, QStringLiteral("No se encontró la configuración ") + dias},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.valor ? caso.valor : "(missing)");
        const QString donde = QStringLiteral(" where CONF_PROPIEDAD = ") + sql::quoted(dias);
        ASSERT_TRUE(dm->sql().execute(
            caso.valor ? QStringLiteral("update CONFIGURACION set CONF_VALOR = ") +
                             sql::quoted(QString::fromUtf8(caso.valor)) + donde
                       : QStringLiteral("delete from CONFIGURACION") + donde));
        dm->cargue_configuracion();
        dialogs.clear();
        EXPECT_EQ(dm->entero_configurado(g, g, dias), caso.numero);
        EXPECT_EQ(dialogs.errors(),
                  caso.mensaje.isEmpty() ? QStringList() : QStringList{caso.mensaje});
    }
}

}  // namespace
