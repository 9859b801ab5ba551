#include <gtest/gtest.h>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "parties/tfdmter.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;

namespace {

// Demo suppliers: an active one, one that is also a client, an inactive one
// in the simplified regime.
const QString kTransportes = QStringLiteral("900123456");
const QString kPapeleria = QStringLiteral("860045678");
const QString kGomez = QStringLiteral("79456123");

// A charge being typed: the withholding fields the look-ups fill.
class TercerosTest : public ledgrix::test::ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte();
        provider = new Provider(&ventana, QStringLiteral("PCargo"));
        provider->setConnectionName(dm->Ledgrix());
        provider->setCommandText(QStringLiteral("select * from NOTAS_DEBITO_PROVEEDOR where NDPR_ID = -1"));
        cargo = new ClientDataset(&ventana, QStringLiteral("CCargo"));
        cargo->setProvider(provider);
        cargo->addCalculatedField(QStringLiteral("SIMPLIFICADO"), Field::Type::String, 1);
        dm->ConfigurarProviders(&ventana);
        ASSERT_TRUE(cargo->open());
        ASSERT_TRUE(cargo->append());
    }
    Field& f(const char* n) { return cargo->fieldByName(QString::fromLatin1(n)); }
    Tfdmter::CamposRetencion campos() {
        return {f("NDPR_RTFTEPORC"), f("NDPR_RTIVAPORC"), f("NDPR_RTICAPORC"), f("NDPR_RTCREE")};
    }

    QObject ventana;
    Provider* provider = nullptr;
    ClientDataset* cargo = nullptr;
};

}  // namespace

TEST_F(TercerosTest, ActiveAndInactiveSuppliersAnswerAsTheFormsExpect) {
    Tfdmter ter(*dm);
    EXPECT_TRUE(ter.existe_nit(kGomez));
    EXPECT_FALSE(ter.existe_nit(QStringLiteral("1")));
    // Inactive: still a supplier by name and threshold, unknown to the active look-ups.
    EXPECT_FALSE(ter.nombre_proveedor(kGomez).isEmpty());
    EXPECT_EQ(ter.base_rtfte(kGomez), Currency::fromInt(99999));
    EXPECT_EQ(ter.valide_proveedor(kGomez), QString());
    EXPECT_EQ(ter.nom_tercero(kGomez), QString());
    EXPECT_EQ(ter.valide_retenciones(kGomez, campos()), QString());
    EXPECT_FALSE(ter.valide_tercero(kGomez));
    EXPECT_EQ(dialogs.errors(), QStringList{QStringLiteral("Tercero Inactivo o no encontrado.")});
    EXPECT_TRUE(ter.valide_tercero(kTransportes));
    EXPECT_EQ(ter.valide_proveedor(kPapeleria), QStringLiteral("S"));
    // A quote in the NIT travels doubled and simply finds nothing.
    EXPECT_EQ(ter.nom_tercero(QStringLiteral("90'0")), QString());
    EXPECT_EQ(dialogs.errors().size(), 1);
}

TEST_F(TercerosTest, ThresholdsWithholdAtTheBaseForIncomeTaxButNotForIca) {
    Tfdmter ter(*dm);
    EXPECT_EQ(ter.base_rtfte(kPapeleria), Currency::fromInt(999999));
    EXPECT_EQ(ter.base_rtica(kPapeleria), Currency::fromInt(1000000));
    EXPECT_TRUE(ter.base_rtfte(QStringLiteral("000")).isZero());
}

TEST_F(TercerosTest, WithholdingsFillOnlyWhatTheRecordLacks) {
    Tfdmter ter(*dm);
    f("NDPR_RTFTEPORC").setCurrency(Currency::fromText(QStringLiteral("2.5")));
    f("NDPR_RTIVAPORC").setCurrency(Currency());
    EXPECT_EQ(ter.valide_proveedor_ret(kTransportes, campos(), f("SIMPLIFICADO")),
              QStringLiteral("Transportes del Norte S.A.S."));
    EXPECT_EQ(f("NDPR_RTFTEPORC").asCurrency(), Currency::fromText(QStringLiteral("2.5"))) << "kept";
    EXPECT_EQ(f("NDPR_RTIVAPORC").asCurrency(), Currency::fromInt(15));
    EXPECT_EQ(f("NDPR_RTICAPORC").asCurrency(), Currency::fromText(QStringLiteral("4.14")));
    // valide_retenciones overwrites everything.
    EXPECT_FALSE(ter.valide_retenciones(kTransportes, campos()).isEmpty());
    EXPECT_EQ(f("NDPR_RTFTEPORC").asCurrency(), Currency::fromInt(1));
}

TEST_F(TercerosTest, ASimplifiedRegimeSupplierGetsTheConfiguredIvaWithholding) {
    ASSERT_TRUE(dm->sql().execute(QStringLiteral("update TERCEROS set TERC_ESTADO = 'S' where TERC_NIT = '79456123'")));
    const Currency configurado = Currency::fromText(dm->configuracion(
        QStringLiteral("COMPRAS"), QStringLiteral("FACTURAS"),
        QStringLiteral("PORCENTAJE DE RETENCION DE IVA PARA REGIMEN SIMPLIFICADO")));
    Tfdmter ter(*dm);
    f("NDPR_RTIVAPORC").setCurrency(Currency::fromInt(7));
    EXPECT_FALSE(ter.valide_proveedor_ret(kGomez, campos(), f("SIMPLIFICADO")).isEmpty());
    EXPECT_EQ(f("SIMPLIFICADO").asString(), QStringLiteral("S"));
    EXPECT_EQ(f("NDPR_RTIVAPORC").asCurrency(), configurado) << "overwritten whatever it held";
}
