#include <gtest/gtest.h>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/numeracion/numeracion.h"
#include "tests/support/documentos_fixture.h"

using namespace ledgrix;
using ledgrix::test::kTransportes;

namespace {

const QDate kSep1(2022, 9, 1);

// A charge being entered in series 0000, with its number field.
class NumeroTest : public ledgrix::test::DocumentosTest {
protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        auto* p = new Provider(&ventana, QStringLiteral("PNotas"));
        p->setConnectionName(dm->Ledgrix());
        p->setCommandText(QStringLiteral("select * from NOTAS_DEBITO_PROVEEDOR where NDPR_ID = -1"));
        nota = new ClientDataset(&ventana, QStringLiteral("CNotas"));
        nota->setProvider(p);
        dm->ConfigurarProviders(&ventana);
        ASSERT_TRUE(nota->open());
        ASSERT_TRUE(nota->append());
        cargo(700, QStringLiteral("000007"), kTransportes, kSep1, QStringLiteral("100"));
        cargo(710, QStringLiteral("000010"), kTransportes, kSep1, QStringLiteral("100"));
    }
    Field& numero() { return nota->fieldByName(QStringLiteral("NDPR_NUMERO")); }
    bool valide(const QString& propuesto) {
        return valide_numero(*dm, 51, QStringLiteral("0000"), propuesto, numero());
    }

    QObject ventana;
    ClientDataset* nota = nullptr;
};

}  // namespace

TEST_F(NumeroTest, AProposedNumberTakenByAnotherStationMovesToTheNextFreeOne) {
    numero().setValue(QStringLiteral("000010"));
    EXPECT_TRUE(valide(QStringLiteral("000010")));
    EXPECT_EQ(numero().asString(), QStringLiteral("000011"));
    EXPECT_FALSE(dm->encontrados.alguno());
    EXPECT_TRUE(dialogs.shown.empty()) << "no question";
}

TEST_F(NumeroTest, ATypedExistingNumberOffersTheDocument) {
    numero().setValue(QStringLiteral("000007"));
    dialogs.expectQuestion(QStringLiteral("Documento 000007 previamente registrado. Consultar?"), false);
    EXPECT_FALSE(valide(QStringLiteral("000010")));
    EXPECT_FALSE(dm->encontrados.alguno());

    dialogs.expectQuestion(QString(), true);
    EXPECT_TRUE(valide(QStringLiteral("000010")));
    EXPECT_EQ(dm->encontrados.notadb, QStringLiteral("700"));
    EXPECT_TRUE(dialogs.allAnswered());

    numero().setValue(QStringLiteral("000008"));
    EXPECT_TRUE(valide(QStringLiteral("000010"))) << "a free number passes";
}

TEST_F(NumeroTest, DocumentNumbersAndTypeNamesByIdAndTheDefaultSeries) {
    EXPECT_EQ(num_documento(*dm, 51, 700), QStringLiteral("0000000007"));
    EXPECT_EQ(num_documento(*dm, 51, 9999), QString());
    EXPECT_EQ(num_documento(*dm, 999, 700), QString());
    Field& prefijo = nota->fieldByName(QStringLiteral("PREF_PRE"));
    numero_documento(*dm, 51, 710, prefijo, numero());
    EXPECT_EQ(numero().asString(), QStringLiteral("000010"));
    numero_documento(*dm, 51, 9999, prefijo, numero());
    EXPECT_EQ(numero().asString(), QStringLiteral("000010")) << "untouched when not found";
    EXPECT_FALSE(nombre_tipo(*dm, 51).isEmpty());
    EXPECT_EQ(nombre_tipo(*dm, 999), QString());
    EXPECT_TRUE(existe_numero(*dm, 51, QStringLiteral("0000"), QString()));
    EXPECT_FALSE(existe_numero(*dm, 51, QStringLiteral("0'0"), QStringLiteral("7")));

    ASSERT_TRUE(dm->sql().execute(QStringLiteral("update prefijos set pref_activo = 'N' where tido_cod = 52")));
    registre_prefijo(*dm, 52);
    registre_prefijo(*dm, 72);
    EXPECT_EQ(dm->sql().scalar(QStringLiteral("select pref_activo from prefijos where tido_cod = 52 and pref_pre = "
                                              "'0000'")).toString(), QStringLiteral("S"));
    EXPECT_EQ(dm->sql().scalar(QStringLiteral("select pref_actual from prefijos where tido_cod = 72 and pref_pre = "
                                              "'0000'")).toString(), QStringLiteral("000001"));
}
