#include <gtest/gtest.h>

#include "core/data/client_dataset.h"
#include "parties/maestros/ciudades.h"
#include "parties/maestros/grupos_proveedores.h"
#include "parties/ui/acreedores/cuentas_contables.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

class MaestrosTest : public ledgrix::test::ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte();
    }
    CuentasTerceros cuentas() { return cuentas_contables(*dm); }
};

}  // namespace

TEST_F(MaestrosTest, GroupAccountsAreCheckedInTheirBookBeforeTheRowIsTaken) {
    GruposProveedores g(*dm, cuentas());
    ClientDataset& ds = g.filas();
    ASSERT_TRUE(ds.append());
    ds.fieldByName(S("GRPR_COD")).setValue(S("03"));
    ds.fieldByName(S("GRPR_NOM")).setValue(S("Servicios"));
    ds.fieldByName(S("GRPR_CTAPROV")).setValue(S("22050501"));
    ds.fieldByName(S("GRPR_CTAPROVNIIF")).setValue(S("2205"));
    EXPECT_FALSE(g.grabe());
    EXPECT_EQ(dialogs.lastError(), S("La cuenta NIIF es de nivel inferior al mínimo afectable."));
    EXPECT_EQ(filas(S("grupos_proveedores where grpr_cod = '03'")), 0);
    // The row is still being typed: fixed, it goes in.
    EXPECT_EQ(ds.fieldByName(S("GRPR_NOM")).asString(), S("Servicios"));
    ds.fieldByName(S("GRPR_CTAPROVNIIF")).clear();
    ASSERT_TRUE(g.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(texto(S("select grpr_ctaprov from grupos_proveedores where grpr_cod = '03'")),
              S("22050501"));

    // Esc drops what was typed.
    ASSERT_TRUE(ds.locate(S("GRPR_COD"), {S("01")}));
    ASSERT_TRUE(ds.edit());
    ds.fieldByName(S("GRPR_NOM")).setValue(S("Otro"));
    g.cancele();
    EXPECT_FALSE(g.pendientes());
    EXPECT_EQ(texto(S("select grpr_nom from grupos_proveedores where grpr_cod = '01'")),
              S("Proveedores nacionales"));
}

TEST_F(MaestrosTest, CityIsStoredWithItsNeighbourhoodsInOneSave) {
    Ciudades c(*dm);
    ClientDataset& ds = c.filas();
    ASSERT_TRUE(ds.append());
    ds.fieldByName(S("CIUD_COD")).setValue(S("50001"));
    ds.fieldByName(S("CIUD_NOM")).setValue(S("Villavicencio"));
    ASSERT_TRUE(ds.post());
    for (const char* barrio : {"El Barzal", "La Esperanza"}) {
        ASSERT_TRUE(c.barrios().append());
        c.barrios().fieldByName(S("BARR_NOMBRE")).setValue(S(barrio));
        ASSERT_TRUE(c.barrios().post());
    }
    ASSERT_TRUE(c.barrios().append());
    EXPECT_FALSE(c.barrios().post());
    EXPECT_EQ(dialogs.lastError(), S("Falta ingresar el nombre del barrio."));
    c.barrios().cancel();
    ASSERT_TRUE(c.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(texto(S("select ciud_activa from ciudades where ciud_cod = '50001'")), S("S"));
    EXPECT_EQ(filas(S("barrios where ciud_cod = '50001'")), 2);
}
