// A supplier added and then changed in the supplier master is what the next
// charge takes: its withholding rate and base, and its payment days.
#include <gtest/gtest.h>

#include "parties/acreedores/ficha_proveedor.h"
#include "parties/ui/acreedores/cuentas_contables.h"
#include "payables/cargos/cargo.h"
#include "tests/payables/cargo_fixture.h"

using namespace ledgrix;
using ledgrix::test::M;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

class AcreedorCargoTest : public ledgrix::test::DocumentoCxpTest<Cargo> {
  protected:
    const QString nit = S("900555123");

    // Withheld on a charge of 100,000.00 with VAT 19 %, and its due date.
    std::pair<Currency, QDate> cargo() {
        Cargo& c = abra();
        c.cambie_nit(nit);
        EXPECT_FALSE(c.nombre_proveedor().isEmpty()) << dialogs.lastError().toStdString();
        c.cambie_porcentaje(Cargo::Porcentaje::Iva, M("19"));
        c.cambie_monto(M("100000"));
        c.cambie_fecha_factura(QDate(2022, 9, 1));
        return {v("NDPR_RTFTEMONTO"), c.campo(S("NDPR_VENCE")).asDate()};
    }
};

}  // namespace

TEST_F(AcreedorCargoTest, ANewChargeTakesTheSupplierAsTheMasterLeftIt) {
    dm->ctx.es_administrador = true;
    {
        FichaProveedor f(*dm, FichaProveedor::Modo::Nuevo, QString(), cuentas_contables(*dm));
        ASSERT_EQ(f.cambie_nit(nit), FichaProveedor::Nit::Aceptado);
        f.cambie_nombre(S("Suministros del Norte S.A.S."));
        for (const auto& [columna, valor] :
             {std::pair{"TERC_DIR", "Calle 1"}, std::pair{"TERC_TEL", "6015550000"},
              std::pair{"TERC_EMAIL", "ventas@norte.example"}, std::pair{"PAIS_ID", "170"}})
            f.asigne(S(columna), S(valor));
        f.asigne_monto(S("PROV_RETEFTE"), M("3.5"));
        f.asigne_monto(S("PROV_RTFTEBASE"), M("50000"));
        f.asigne(S("PROV_DIASPAGO"), 45);
        ASSERT_TRUE(f.grabe()) << dialogs.lastError().toStdString();
    }
    const auto [retenido, vence] = cargo();
    EXPECT_EQ(retenido, M("3500"));
    EXPECT_EQ(vence, QDate(2022, 10, 16));

    {
        FichaProveedor f(*dm, FichaProveedor::Modo::Modificar, nit, cuentas_contables(*dm));
        ASSERT_TRUE(f.abierta());
        f.asigne_monto(S("PROV_RETEFTE"), M("2"));
        f.asigne_monto(S("PROV_RTFTEBASE"), M("150000"));
        f.asigne(S("PROV_DIASPAGO"), 30);
        ASSERT_TRUE(f.grabe()) << dialogs.lastError().toStdString();
    }
    const auto [bajo_base, vence2] = cargo();
    EXPECT_EQ(bajo_base, M("0"));  // 100,000.00 is under the new base
    EXPECT_EQ(vence2, QDate(2022, 10, 1));
}
