#include <gtest/gtest.h>

#include <Qt>
#include <functional>

#include "tests/payments/pagos_fixture.h"
#include "tests/support/invariantes_cxp.h"

namespace ledgrix::test {
namespace {

// The voucher window's logic; lines are typed on its documents.
class EgresoTest : public PagosTest {
  protected:
    ClientDataset& lineas() const { return egreso_->documentos(); }
    Currency v(const char* campo) const { return egreso_->campo(S(campo)).asCurrency(); }
    QString t(const char* campo) const { return egreso_->campo(S(campo)).asString(); }
    Currency l(const char* campo) const { return lineas().fieldByName(S(campo)).asCurrency(); }
    // A payables document of series "0000" picked for the voucher.
    void pague(int tipo, const char* numero) {
        egreso_->reciba_documento_cxp({tipo, 0, S("0000"), S(numero), {}});
    }
};

TEST_F(EgresoTest, PartialPaymentsAndDiscountLowerEachBalanceByWhatWasPaid) {
    factura(101, S("000101"), kTransportes, kHoy.addDays(-30), S("1000"));
    factura(102, S("000102"), kTransportes, kHoy.addDays(-20), S("2500"));
    cargo(103, S("000103"), kTransportes, kHoy.addDays(-10), S("700"));
    Egreso& e = abra_egreso();
    EXPECT_EQ(t("EGRE_NUMERO"), S("000001"));
    EXPECT_EQ(e.accion(Qt::Key_F6), Egreso::Accion::Terceros);
    e.cambie_nit(kTransportes);
    EXPECT_EQ(e.panel(), Egreso::Panel::Documentos);
    EXPECT_EQ(e.accion(Qt::Key_F9), Egreso::Accion::ConceptosPorPagar);
    EXPECT_FALSE(e.montos_editables());
    pague(21, "000101");
    pague(21, "000102");
    ponga(lineas(), "EGDE_ABONO", "1200.50");  // part of 2,500
    pague(51, "000103");
    ponga(lineas(), "EGDE_DTOF", "70");  // the abono gives way: 630
    EXPECT_EQ(l("EGDE_ABONO"), M("630"));
    ASSERT_TRUE(e.continue_documentos());
    // The last line settles its charge; supplier numbers stand for invoices;
    // the concept column holds 60 characters.
    EXPECT_EQ(t("EGRE_CONC"), S("Cancela FACTCOMP P-000101, FACTCOMP P-000102, CARGOACR 00000"));
    EXPECT_EQ(v("EGRE_MONTO"), M("2830.50"));
    EXPECT_EQ(v("EGRE_DTOF"), M("70"));
    grabe_por_banco(e);

    EXPECT_EQ(guardado(21, 101), S("0.00"));
    EXPECT_EQ(guardado(21, 102), S("1299.50"));
    EXPECT_EQ(guardado(51, 103), S("0.00"));
    EXPECT_EQ(cuadrados(62), 1);
    EXPECT_EQ(libro_descuadrado(dm->sql()), QStringList());
    // A new voucher in the same series, the number moved on.
    EXPECT_EQ(t("EGRE_NUMERO"), S("000002"));
    EXPECT_TRUE(lineas().isEmpty());
}

TEST_F(EgresoTest, ALineIsHeldWithinItsDocumentBalance) {
    // The withholdings setting is kept by each document when it is recorded.
    configure(S("DESCONTAR RETENCIONES POR CAUSACION"), S("NO"));
    factura(201, S("000201"), kTransportes, kHoy.addDays(-9), S("1000"), S("0"), S("100"));
    configure(S("DESCONTAR RETENCIONES POR CAUSACION"), S("SI"));
    factura(202, S("000202"), kTransportes, kHoy.addDays(-9), S("1000"));
    descuento(203, S("000203"), kTransportes, kHoy.addDays(-9), S("300"));
    const struct {
        const char* retenciones;
        int tipo;
        const char* numero;
        const char* dtof;
        const char* abono;
        const char* mensaje;
        const char* queda;
        const char* concepto;
    } casos[] = {
        // 900 + 50 + withholdings 100 = 1,050 against 1,000.
        {"NO", 21, "000201", "50", "900", "El monto del abono es mayor que el saldo del documento.",
         "850", "Cancela "},
        // Withholdings taken at accrual do not count: 950 leaves it open.
        {"SI", 21, "000202", "50", "900", nullptr, "900", "Abono "},
        {"SI", 52, "000203", nullptr, "-400",
         "El monto del abono es menor que el saldo del documento.", "-300", "Cancela "},
    };
    for (const auto& k : casos) {
        configure(S("DESCONTAR RETENCIONES POR CAUSACION"), S(k.retenciones));
        Egreso& e = abra_egreso(kTransportes);
        EXPECT_EQ(e.retenciones_editables(), S(k.retenciones) == S("NO"));
        pague(k.tipo, k.numero);
        ASSERT_NE(lineas().fieldByName(S("EGDE_IDDOC")).asInteger(), 0) << k.numero;
        if (k.dtof)
            ponga(lineas(), "EGDE_DTOF", k.dtof);
        ponga(lineas(), "EGDE_ABONO", k.abono);
        dialogs.clear();
        ASSERT_TRUE(lineas().post());
        EXPECT_EQ(dialogs.errors(), k.mensaje ? QStringList{S(k.mensaje)} : QStringList{})
            << k.numero;
        EXPECT_EQ(l("EGDE_ABONO"), M(k.queda)) << k.numero;
        ASSERT_TRUE(e.continue_documentos());
        EXPECT_TRUE(t("EGRE_CONC").startsWith(S(k.concepto))) << t("EGRE_CONC").toStdString();
    }
}

TEST_F(EgresoTest, RefusalsLeaveTheUserWhereHeWasAndStoreNothing) {
    factura(301, S("000301"), kTransportes, kHoy.addDays(-5), S("800"));
    factura(302, S("000302"), kTransportes, kHoy.addDays(-5), S("150.01"));
    run(S("update TERCEROS set TERC_PROV = 'N' where TERC_NIT = '800987654'"));
    run(
        S("insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_AUTO, PREF_ACTUAL, PREF_IVAINC, "
          "PREF_ACTIVO) values (62, 'EG', 'N', '000001', 'N', 'S')"));
    const auto tipee = [this](const char* numero) {
        ASSERT_TRUE(lineas().append());
        lineas().fieldByName(S("EGDE_TIPODOC")).setValue(21);
        lineas().fieldByName(S("EGDE_PREFIJO")).setValue(S("0000"));
        lineas().fieldByName(S("EGDE_NUMERO")).setValue(S(numero));
    };
    const auto si = [this](const char* propiedad) {
        return [this, propiedad] { configure(S(propiedad), S("SI")); };
    };
    const auto otros = si("PERMITIR REGISTRAR EGRESOS POR OTROS CONCEPTOS A PROVEEDORES");
    const std::function<void()> nada = [] {};
    const struct {
        const char* mensaje;
        std::function<void()> antes;  // settings read when the window opens
        std::function<void(Egreso&)> haga;
        const char* vacio;  // a field the refusal empties
    } casos[] = {
        {"Tercero Inactivo o no encontrado.", nada, [](Egreso& e) { e.cambie_nit(S("79456123")); },
         "TERC_NIT"},
        {"Debe indicar un tercero marcado como acreedor o usar el módulo de caja.", nada,
         [](Egreso& e) { e.cambie_nit(S("800987654")); }, "TERC_NIT"},
        {"No debe registrar pagos a proveedores sin documentos a pagar.", nada,
         [](Egreso& e) {
             e.cambie_nit(kTransportes);
             EXPECT_FALSE(e.continue_documentos());
         },
         "TERC_NIT"},
        {"No se encontró el documento indicado.", nada,
         [&](Egreso& e) {
             e.cambie_nit(kTransportes);
             tipee("999999");
         },
         nullptr},
        {"El documento a pagar ya existe en este egreso.", nada,
         [&](Egreso& e) {
             e.cambie_nit(kTransportes);
             tipee("000301");
             tipee("301");  // completed to the same number
         },
         nullptr},
        {"El prefijo del documento debe coincidir con el prefijo del egreso.",
         si("SINCRONIZAR PREFIJOS DE EGRESOS Y DOCUMENTOS CANCELADOS"),
         [&](Egreso& e) {
             e.cambie_prefijo(S("EG"));
             e.cambie_nit(kTransportes);
             tipee("000301");
         },
         nullptr},
        // Cash and bank a cent short of the amount.
        {"El monto del egreso debe ser idéntico a la suma de las formas de pago", nada,
         [&](Egreso& e) {
             e.cambie_nit(kTransportes);
             pague(21, "000302");
             ASSERT_TRUE(e.continue_documentos());
             ASSERT_TRUE(e.medios().abra_caja());
             e.medios().cambie_monto_caja(M("100"));
             ASSERT_TRUE(e.medios().continue_caja());
             ASSERT_TRUE(e.medios().abra_banco());
             ponga(e.banco(), "EGBC_MONTO", "50");
             ASSERT_TRUE(e.medios().continue_banco());
             EXPECT_FALSE(e.grabe());
         },
         nullptr},
        {"El monto del egreso no puede ser cero.",
         [&] {
             configure(S("PERMITIR EGRESOS EN CERO PARA HACER CRUCES DE SALDOS"), S("NO"));
             otros();
         },
         [&](Egreso& e) {
             e.cambie_nit(kTransportes);
             EXPECT_TRUE(e.continue_documentos());
             EXPECT_TRUE(e.montos_editables());
             EXPECT_FALSE(e.grabe());
         },
         nullptr},
        {"Indique la caja de destino.", otros,
         [&](Egreso& e) {
             e.cambie_nit(kTransportes);
             e.continue_documentos();
             e.cambie_tipo(S("2"));
             e.cambie_caja_destino(0);
             e.cambie_monto(M("100"));
             EXPECT_FALSE(e.grabe());
         },
         nullptr},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.mensaje);
        k.antes();
        Egreso& e = abra_egreso();
        dialogs.clear();
        k.haga(e);
        EXPECT_EQ(dialogs.lastError(), S(k.mensaje));
        if (k.vacio) {
            EXPECT_TRUE(t(k.vacio).isEmpty());
        }
        EXPECT_EQ(filas(S("EGRESOS")), 0);
        EXPECT_EQ(guardado(21, 301), S("800.00"));
    }
}

TEST_F(EgresoTest, AFailedStoreKeepsEverythingTypedForAnotherTry) {
    factura(401, S("000401"), kTransportes, kHoy.addDays(-3), S("1500"));
    Egreso& e = abra_egreso(kTransportes);
    pague(21, "000401");
    ASSERT_TRUE(e.continue_documentos());
    ASSERT_TRUE(e.medios().abra_banco() && e.medios().continue_banco());
    // Another station issues the same cheque meanwhile.
    ClientDataset& banco = e.banco();
    run(S("insert into CHEQUES (CUBA_COD, PRBA_PREF, CHEQ_NUMERO, CHEQ_FECHA) values ('%1', '%2', "
          "'%3', '2022/09/21')")
            .arg(banco.fieldByName(S("CUBA_COD")).asString(),
                 banco.fieldByName(S("PRBA_PREF")).asString(),
                 banco.fieldByName(S("EGBC_NUMERO")).asString()));
    dialogs.clear();
    EXPECT_FALSE(e.grabe());
    EXPECT_TRUE(dialogs.lastError().contains(S("Ya existe el documento del banco")))
        << dialogs.lastError().toStdString();
    EXPECT_EQ(filas(S("EGRESOS")), 0);
    EXPECT_EQ(guardado(21, 401), S("1500.00"));
    EXPECT_EQ(v("EGRE_ID"), Currency());
    EXPECT_EQ(l("EGDE_ABONO"), M("1500"));
    EXPECT_EQ(banco.recordCount(), 1);

    // The cheque is given back: the same voucher goes through as typed.
    run(S("delete from CHEQUES"));
    ASSERT_TRUE(e.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(guardado(21, 401), S("0.00"));
    EXPECT_EQ(filas(S("CHEQUES where CHEQ_TIPOORI = 62")), 1);
}

TEST_F(EgresoTest, ALeftoverWithIdZeroIsDroppedOrFinished) {
    const QString pregunta =
        S("Se encontró un comprobante previo que no está correctamente registrado. Desea "
          "Eliminarlo o Recuperarlo?");
    factura(601, S("000601"), kTransportes, kHoy.addDays(-4), S("800"));
    for (const auto respuesta : {Dialogs::Answer::Abort, Dialogs::Answer::Retry}) {
        egreso(0, S("000007"), kTransportes, kHoy);
        pago(0, 1, 21, 601, S("300"));
        dialogs.expectAbortRetry(pregunta, respuesta);
        abra_egreso();
    }
    // Dropped first, then finished as it was left.
    EXPECT_EQ(t("TERC_NIT"), kTransportes);
    ASSERT_EQ(lineas().recordCount(), 1);
    EXPECT_EQ(l("EGDE_ABONO"), M("300"));
    grabe_por_banco(*egreso_);
    EXPECT_EQ(filas(S("EGRESOS")), 1);
    EXPECT_EQ(filas(S("EGRESOS where EGRE_ID > 0 and EGRE_NUMERO = '000007'")), 1);
    EXPECT_EQ(guardado(21, 601), S("500.00"));
}

// An advance the voucher created goes with its line, or with the voucher
// closed unsaved, with every advance no voucher paid out.
TEST_F(EgresoTest, AnAdvanceCreatedForTheVoucherGoesWithItsLineOrTheVoucher) {
    for (const int id : {701, 702, 703})
        anticipo(id, QString::number(id).rightJustified(6, u'0'), kTransportes, kHoy, S("1000"));
    Egreso& e = abra_egreso(kTransportes);
    e.reciba_anticipo(701, S("0000"), S("000701"));
    EXPECT_EQ(lineas().fieldByName(S("TIDO_NOMCORTO")).asString(), S("ANTIPROV"));
    EXPECT_EQ(l("EGDE_ABONO"), M("1000"));
    e.borre_documento();
    EXPECT_EQ(filas(S("ANTICIPOS_PROVEEDOR where ANPR_ID = 701")), 0);
    e.reciba_anticipo(702, S("0000"), S("000702"));
    dialogs.expectQuestion(S("Perderá los items previamente digitados, Continuar?"), true);
    e.cierre();
    const QString aviso = S("Se borrará el anticipo registrado con este egreso.");
    EXPECT_EQ(dialogs.texts(S("information")), (QStringList{aviso, aviso}));
    EXPECT_EQ(filas(S("ANTICIPOS_PROVEEDOR")), 0);
}

TEST_F(EgresoTest, CrossesSetTheSuppliersReceivablesAgainstWhatIsPaid) {
    run(S("insert into FACTURAS (FACT_ID, PREF_PRE, FACT_NUMERO, FACT_FECHA, TERC_NIT, FACT_MONTO) "
          "values (901, 'FV', '00000901', '2022/09/01', '%1', 300)")
            .arg(kPapeleria));
    factura(801, S("000801"), kPapeleria, kHoy.addDays(-10), S("500"));
    factura(802, S("000802"), kPapeleria, kHoy.addDays(-10), S("180"));
    Egreso& e = abra_egreso(kPapeleria);
    pague(21, "000801");
    ASSERT_TRUE(e.continue_documentos());
    EXPECT_EQ(e.accion(Qt::Key_F7), Egreso::Accion::AbraCruces);
    e.abra_cruces();
    EXPECT_EQ(e.accion(Qt::Key_F2), Egreso::Accion::ContinueCruces);
    const DocumentoSeleccionado venta{31, 0, S("FV"), S("00000901"), {}};
    e.reciba_documento_cartera(venta);
    ClientDataset& cruces = e.cruces();
    EXPECT_EQ(cruces.fieldByName(S("EGCC_ABONO")).asCurrency(), M("300"));
    dialogs.clear();
    ponga(cruces, "EGCC_ABONO", "350");  // beyond its balance: back to it, silently
    EXPECT_EQ(cruces.fieldByName(S("EGCC_ABONO")).asCurrency(), M("300"));
    ponga(cruces, "EGCC_ABONO", "120");
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
    e.reciba_documento_cartera(venta);
    EXPECT_EQ(dialogs.lastError(), S("El documento a cruzar ya existe en este egreso."));
    ASSERT_TRUE(e.continue_cruces());
    EXPECT_EQ(v("EGRE_MONTO"), M("380"));
    e.cambie_excedente(M("20"));
    EXPECT_EQ(v("EGRE_MONTO"), M("400"));
    EXPECT_EQ(e.sumas().cruces, M("120"));
    ASSERT_TRUE(e.medios().abra_banco() && e.medios().continue_banco());
    ASSERT_TRUE(e.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(guardado(21, 801), S("0.00"));
    EXPECT_EQ(guardado(31, 901), S("180.00"));

    // What is owed and what is due cancel out: a voucher of 0 moves no money.
    e.cambie_nit(kPapeleria);
    pague(21, "000802");
    ASSERT_TRUE(e.continue_documentos());
    e.abra_cruces();
    e.reciba_documento_cartera(venta);
    ASSERT_TRUE(e.continue_cruces());
    EXPECT_EQ(v("EGRE_MONTO"), Currency());
    ASSERT_TRUE(e.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(guardado(21, 802), S("0.00"));
    EXPECT_EQ(guardado(31, 901), S("0.00"));
    EXPECT_EQ(cuadrados(62), 2);
}

TEST_F(EgresoTest, AccountingLinesCheckTheirAccountAndComputeFromBaseAndPercentage) {
    configure(S("INHABILITAR CUENTAS CONTABLES PARA EVITAR DOBLE CONTABILIZACION"), S("NO"));
    // 23652501: 4 % from a base of 152,000.
    const struct {
        const char *redondeo, *base, *porc, *debito, *credito;
    } montos[] = {
        {"3", "1000000", "2.5", "25000", "0"},
        {"0", "-1000000", "2.5", "0", "25000"},
        {"0", "200000", nullptr, "8000", "0"},  // the account's percentage
        {"0", "100000", nullptr, "0", "0"},     // below its base
    };
    for (const auto& k : montos) {
        SCOPED_TRACE(k.base);
        configure(S("REDONDEO AL MULTIPLO DE DIEZ EN COMPROBANTES"), S(k.redondeo));
        Egreso& e = abra_egreso(kTransportes);
        EXPECT_TRUE(e.conta_editable());
        e.reciba_cuenta(S("23652501"));
        EXPECT_EQ(e.nombre_cuenta(), S("Retención en la fuente por servicios 4%"));
        ClientDataset& c = e.conta();
        if (k.porc)
            ponga(c, "EGCO_PORC", k.porc);
        ponga(c, "EGCO_BASEM", k.base);
        EXPECT_EQ(c.fieldByName(S("EGCO_DEBITOS")).asCurrency(), M(k.debito));
        EXPECT_EQ(c.fieldByName(S("EGCO_CREDITOS")).asCurrency(), M(k.credito));
    }
    // An account that cannot take the line is refused and emptied.
    const struct {
        const char *cuenta, *mensaje;
    } cuentas[] = {
        {"5135", "La cuenta es de nivel inferior al mínimo afectable."},
        {"513550", "La cuenta indicada tiene auxiliares definidos."},
        {"1234567890123456789012", "El código de cuenta está incompleto o demasiado largo."},
    };
    Egreso& e = abra_egreso(kTransportes);
    for (const auto& k : cuentas) {
        dialogs.clear();
        e.reciba_cuenta(S(k.cuenta));
        EXPECT_EQ(dialogs.lastError(), S(k.mensaje)) << k.cuenta;
        EXPECT_TRUE(e.conta().fieldByName(S("CUEN_COD")).asString().isEmpty()) << k.cuenta;
    }
    dialogs.expectQuestion(S("La cuenta especificada no existe. Desea Crearla?"), false);
    e.reciba_cuenta(S("51359999"));
    EXPECT_TRUE(e.conta().fieldByName(S("CUEN_COD")).asString().isEmpty());
    // A line with an account and no amount stays for the user to finish.
    e.reciba_cuenta(S("51355001"));
    dialogs.clear();
    EXPECT_FALSE(e.conta().post());
    EXPECT_EQ(dialogs.lastError(),
              S("Debe indicar un valor débito o crédito para la cuenta 51355001 "
                "o eliminar el registro completo."));
    // A template replaces what was typed.
    dialogs.expectQuestion(
        S("Al traer la plantilla perderá los movimientos digitados en el comprobante, Continuar?"),
        true);
    e.aplique_plantilla(100);
    EXPECT_EQ(e.conta().recordCount(), 2);
    EXPECT_EQ(e.sumas().debitos, M("1000000"));
    EXPECT_EQ(e.sumas().creditos, M("40000"));
}

// A contribution payment brings its lines once its means are opened; a group
// of payables chosen at once becomes one line each.
TEST_F(EgresoTest, ContributionsAndGroupsBringTheirLines) {
    configure(S("INHABILITAR CUENTAS CONTABLES PARA EVITAR DOBLE CONTABILIZACION"), S("NO"));
    run(
        S("insert into PAGO_APORTES (PGAP_ID, PGAP_ITEM, PGAP_ADMIN, PGAP_CTACONTA, PGAP_MONTO, "
          "PGAP_INTMORA) values (5, 1, '900123456', '51355001', 250000, 1500)"));
    run(
        S("insert into PAGO_APORTES (PGAP_ID, PGAP_ITEM, PGAP_ADMIN, PGAP_MONTO) values (5, 2, "
          "'900123456', 99)"));
    Egreso& e = abra_egreso(kTransportes);
    e.reciba_aporte(5, M("251500"));
    EXPECT_EQ(v("EGRE_MONTO"), M("251500"));
    ASSERT_TRUE(e.medios().abra_caja()) << dialogs.lastError().toStdString();
    ASSERT_TRUE(e.medios().continue_caja());
    ASSERT_TRUE(e.medios().abra_caja());  // once only
    EXPECT_EQ(v("EGRE_IDAPORTE"), Currency::fromInt(5));
    ASSERT_EQ(e.conta().recordCount(), 1);
    EXPECT_EQ(e.sumas().debitos, M("251500"));
    EXPECT_EQ(e.conta().fieldByName(S("EGCO_NIT")).asString(), kTransportes);

    factura(1101, S("001101"), kTransportes, kHoy.addDays(-3), S("100"));
    cargo(1102, S("001102"), kTransportes, kHoy.addDays(-3), S("200"));
    run(
        S("insert into CONSOLIDE_FALTANTES (CEFA_ID, CEFA_ITEM, CEFA_TIPOORI, CEFA_IDORI) "
          "select 9, 1, 21, 1101 from RDB$DATABASE union all select 9, 2, 51, 1102 from "
          "RDB$DATABASE"));
    Egreso& g = abra_egreso(kTransportes);
    g.reciba_grupo(9);
    ASSERT_TRUE(g.continue_documentos());
    EXPECT_EQ(lineas().recordCount(), 2);
    EXPECT_EQ(v("EGRE_MONTO"), M("300"));
}

}  // namespace
}  // namespace ledgrix::test
