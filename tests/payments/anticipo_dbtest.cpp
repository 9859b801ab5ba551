#include <gtest/gtest.h>

#include "payments/anticipos/abonos_documento.h"
#include "payments/anticipos/anticipo.h"
#include "payments/anticipos/busqueda_anticipos.h"
#include "payments/aplicaciones/aplicacion.h"
#include "payments/aplicaciones/consulta_aplicacion.h"
#include "tests/payments/pagos_fixture.h"

namespace ledgrix::test {
namespace {

const QDate kVoucher(2022, 9, 15);

// The advance window's logic, opened as the voucher's F4 opens it.
class AnticipoTest : public PagosTest {
  protected:
    void TearDown() override {
        Anticipo::entregado = {};
        PagosTest::TearDown();
    }
    Anticipo& abra(const QString& nit = kTransportes) {
        Anticipo::entregado = {nit, kVoucher};
        logica = std::make_unique<Anticipo>(*dm);
        EXPECT_TRUE(logica->abra()) << dialogs.lastError().toStdString();
        return *logica;
    }
    Currency v(const char* campo) const { return logica->campo(S(campo)).asCurrency(); }

    std::unique_ptr<Anticipo> logica;
};

TEST_F(AnticipoTest, AmountsFollowTheBaseAndPercentagesRoundedToTheConfiguredPower) {
    using P = Anticipo::Porcentaje;
    struct Caso {
        const char* nombre;
        const char* k;
        bool base_primero;  // the base typed before or after the percentages
        const char *iva, *rtiva, *rtfte, *total, *neto;
    } casos[] = {
        {"units, base first", "0", true, "190000", "28500", "40000", "1190000", "1121500"},
        {"units, percentages first", "0", false, "190000", "28500", "40000", "1190000", "1121500"},
        // The VAT withholding is taken on the VAT already rounded.
        {"hundreds", "2", false, "23500", "3500", "4900", "146956", "138556"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        configure(S("REDONDEO AL MULTIPLO DE DIEZ EN TOTALES"), S(c.k));
        Anticipo& a = abra();
        const Currency base = c.k == S("0") ? M("1000000") : M("123456");
        if (c.base_primero)
            a.cambie_base(base);
        a.cambie_porcentaje(P::Iva, M("19"));
        a.cambie_porcentaje(P::RetIva, M("15"));
        a.cambie_porcentaje(P::Fuente, M("4"));
        if (!c.base_primero)
            a.cambie_base(base);
        EXPECT_EQ(v("ANPR_IVAMONTO"), M(c.iva));
        EXPECT_EQ(v("ANPR_RTIVAMONTO"), M(c.rtiva));
        EXPECT_EQ(v("ANPR_RTFTEMONTO"), M(c.rtfte));
        EXPECT_EQ(a.totalconiva(), M(c.total));
        EXPECT_EQ(a.total(), M(c.neto));
    }
}

TEST_F(AnticipoTest, RefusedSavesStoreNothingAndKeepWhatWasTyped) {
    anticipo(41, S("000009"), kTransportes, kVoucher, S("50"));
    Anticipo& a = abra();
    EXPECT_EQ(a.campo(S("TERC_NIT")).asString(), kTransportes);
    EXPECT_EQ(a.campo(S("ANPR_FECHA")).asDate(), kVoucher);
    EXPECT_FALSE(a.nombre_proveedor().isEmpty());

    a.cambie_numero(S("9"));
    EXPECT_EQ(dialogs.lastError(), S("Anticipo previamente registrado."));
    EXPECT_EQ(a.campo(S("ANPR_NUMERO")).asString(), S("000010"));  // the series moved past 9

    struct Caso {
        const char* nit;
        const char* base;
        const char* mensaje;
    } casos[] = {
        {"900123456", "0", "Debe Introducir Un Valor Mayor a 0 en el Campo  Monto"},
        {"900123456", "-5", "Debe Introducir Un Valor Mayor a 0 en el Campo  Monto"},
        {"", "100", "No Puede Grabar Si No Existe Un Nit"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.mensaje);
        a.campo(S("TERC_NIT")).setValue(S(c.nit));
        a.cambie_base(M(c.base));
        EXPECT_FALSE(a.grabe());
        EXPECT_EQ(dialogs.lastError(), S(c.mensaje));
        EXPECT_EQ(a.campo(S("ANPR_BASE")).asCurrency(), M(c.base));
        EXPECT_EQ(filas(S("ANTICIPOS_PROVEEDOR")), 1);
        EXPECT_TRUE(dm->documentos_seleccionados.isEmpty());
    }
    a.cambie_nit(S("123"));
    EXPECT_EQ(dialogs.lastError(), S("Tercero inactivo o no encontrado."));
    EXPECT_TRUE(a.campo(S("TERC_NIT")).asString().isEmpty());
}

TEST_F(AnticipoTest, AnnulmentRefusesAnAdvanceAnApplicationSettled) {
    factura(61, S("000061"), kTransportes, kVoucher, S("300"));
    anticipo(62, S("000062"), kTransportes, kVoucher, S("300"));
    anticipo(63, S("000063"), kTransportes, kVoucher, S("100"));
    aplicacion(64, S("000064"), kTransportes, kVoucher);
    aplicado(64, 1, 55, 62, S("-300"));
    aplicado(64, 2, 21, 61, S("300"));
    BusquedaAnticipos busqueda(*dm);
    ASSERT_TRUE(busqueda.busque(BusquedaAnticipos::Columna::Numero, S("000062"), false));
    ASSERT_EQ(busqueda.filas().recordCount(), 2);  // from that number on
    busqueda.filas().first();
    dialogs.expectQuestion({}, true);
    EXPECT_FALSE(busqueda.anule(S("Mal registrado")));
    EXPECT_EQ(dialogs.lastError(),
              S("El documento tiene pagos o aplicaciones vigentes. Anúlelos primero."));
    // The other one has nothing against it.
    busqueda.filas().next();
    dialogs.expectQuestion({}, true);
    EXPECT_TRUE(busqueda.anule(S("Mal registrado"))) << dialogs.lastError().toStdString();
    EXPECT_EQ(busqueda.filas().fieldByName(S("ANULADO")).asString(), S("S"));
    EXPECT_EQ(guardado(55, 63), S("0.00"));
    EXPECT_FALSE(busqueda.anule(S("Mal registrado")));
    EXPECT_EQ(dialogs.lastError(), S("El anticipo ya está anulado."));

    AbonosDocumento historia(*dm);
    ASSERT_TRUE(historia.cargue(21, 61));
    ASSERT_EQ(historia.filas().recordCount(), 1);
    EXPECT_EQ(historia.filas().fieldByName(S("NUMERO")).asString(), S("000064"));
    EXPECT_EQ(historia.consulta(), S("Tfconsaplicacion"));
}

// The advance's whole road: born in a voucher that pays it out, which then
// holds it against annulment, and set against a charge by an application.
// Both end at zero, and the histories show each step: the advance's lists
// the voucher and the application, the charge's crossings the application.
TEST_F(AnticipoTest, AnAdvancePaidByAVoucherThenAppliedToAChargeLeavesBothAtZero) {
    Egreso& e = abra_egreso(kTransportes);
    Anticipo& a = abra();
    a.cambie_porcentaje(Anticipo::Porcentaje::Iva, M("19"));
    a.cambie_base(M("500"));
    a.campo(S("ANPR_CONC")).setValue(S("Anticipo obra"));
    ASSERT_TRUE(a.grabe()) << dialogs.lastError().toStdString();
    ASSERT_EQ(dm->documentos_seleccionados.size(), 1);
    const DocumentoSeleccionado d = dm->documentos_seleccionados.value(0);
    EXPECT_EQ(d.tipo, 55);
    e.reciba_anticipo(d.id, d.prefijo, d.numero);
    grabe_por_banco(e);
    const QString egreso = texto(S("select EGRE_ID from EGRESOS where EGRE_ID > 0"));
    EXPECT_EQ(texto(S("select EGRE_ID from ANTICIPOS_PROVEEDOR where ANPR_ID = %1").arg(d.id)),
              egreso);
    EXPECT_EQ(guardado(55, int(d.id)), S("-595.00"));
    AbonosDocumento historia(*dm);
    ASSERT_TRUE(historia.cargue(55, d.id));
    EXPECT_EQ(historia.filas().fieldByName(S("ABONO")).asCurrency(), M("595"));
    EXPECT_EQ(historia.consulta(), S("Tfconsegreso"));
    EXPECT_EQ(dm->documento_consultado.id, egreso.toLongLong());

    BusquedaAnticipos busqueda(*dm);
    ASSERT_TRUE(busqueda.busque(BusquedaAnticipos::Columna::Concepto, S("obra"), true));
    ASSERT_EQ(busqueda.filas().recordCount(), 1);
    EXPECT_EQ(busqueda.filas().fieldByName(S("SALDO")).asCurrency(), M("595"));
    dialogs.expectQuestion(
        S("Esta seguro de anular el anticipo No ") + d.prefijo + d.numero + S("?"), true);
    EXPECT_FALSE(busqueda.anule(S("Mal registrado")));
    EXPECT_EQ(dialogs.lastError(),
              S("El anticipo fue pagado por un egreso vigente. Anule primero el egreso."));

    cargo(71, S("000071"), kTransportes, kVoucher, S("595"));
    Aplicacion aplicacion(*dm);
    ASSERT_TRUE(aplicacion.abra()) << dialogs.lastError().toStdString();
    aplicacion.cambie_nit(kTransportes);
    ASSERT_TRUE(aplicacion.reciba_documentos(
        {{51, 71, S("0000"), S("000071"), {}}, {55, d.id, d.prefijo, d.numero, {}}}))
        << dialogs.lastError().toStdString();
    ClientDataset& l = aplicacion.lineas();
    for (bool ok = l.first(); ok && !l.eof(); ok = l.next()) {
        ASSERT_TRUE(l.edit());
        l.fieldByName(S("APPD_APLICADO"))
            .setCurrency(l.fieldByName(S("APPD_TIPODOC")).asInteger() == 51 ? M("595") : M("-595"));
        ASSERT_TRUE(l.post()) << dialogs.lastError().toStdString();
    }
    ASSERT_TRUE(aplicacion.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(guardado(55, int(d.id)), S("0.00"));
    EXPECT_EQ(guardado(51, 71), S("0.00"));
    ASSERT_TRUE(historia.cargue(55, d.id));
    EXPECT_EQ(historia.filas().recordCount(), 2);
    CrucesDocumento cruces(*dm);
    ASSERT_TRUE(cruces.cargue(51, 71));
    ASSERT_EQ(cruces.filas().recordCount(), 1);
    EXPECT_EQ(cruces.filas().fieldByName(S("TIPODOC")).asInteger(), 53);
}

}  // namespace
}  // namespace ledgrix::test
