#include <gtest/gtest.h>

#include <Qt>
#include <functional>

#include "core/data/client_dataset.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "payments/egresos/egreso.h"
#include "payments/egresos/medios_pago.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/invariantes_cxp.h"

using namespace ledgrix;
using ledgrix::test::kPapeleria;
using ledgrix::test::kTransportes;

namespace {

const QDate kHoy(2022, 9, 21);

QString S(const char* s) {
    return QString::fromUtf8(s);
}
Currency M(const char* texto) {
    return Currency::fromText(QString::fromLatin1(texto));
}

// The voucher window's logic on a demo installation, driven as the window
// drives it.
class EgresoTest : public ledgrix::test::DocumentosTest {
  protected:
    void configure(const char* modulo, const char* categoria, const char* propiedad,
                   const char* valor) {
        run(S("update CONFIGURACION set CONF_VALOR = '%1' where CONF_MODULO = '%2' and "
              "CONF_CATEGORIA = '%3' and CONF_PROPIEDAD = '%4'")
                .arg(S(valor), S(modulo), S(categoria), S(propiedad)));
        dm->cargue_configuracion();
    }
    Egreso& abra() {
        logica = std::make_unique<Egreso>(*dm);
        EXPECT_TRUE(logica->abra()) << dialogs.lastError().toStdString();
        return *logica;
    }
    ClientDataset& lineas() const { return logica->documentos(); }
    Currency v(const char* campo) const { return logica->campo(S(campo)).asCurrency(); }
    QString t(const char* campo) const { return logica->campo(S(campo)).asString(); }
    Currency l(const char* campo) const { return lineas().fieldByName(S(campo)).asCurrency(); }
    void ponga(ClientDataset& ds, const char* campo, const char* valor) {
        ASSERT_TRUE(ds.edit());
        ds.fieldByName(S(campo)).setCurrency(M(valor));
    }
    // A payables document of series "0000" picked for the voucher.
    void pague(int tipo, const char* numero) {
        logica->reciba_documento_cxp({tipo, 0, S("0000"), S(numero), {}});
    }
    // The whole amount from the bank's current account.
    void por_banco() {
        ASSERT_TRUE(logica->medios().abra_banco()) << dialogs.lastError().toStdString();
        ASSERT_TRUE(logica->medios().continue_banco()) << dialogs.lastError().toStdString();
    }
    // Stored vouchers with a ledger voucher whose debits equal its credits in
    // both books.
    int cuadrados() {
        return filas(
            S("EGRESOS e where e.EGRE_ID > 0 and (select count(*) from COMPROBANTE_ENCABEZADO c "
              "where c.ENCO_TIPOREF = 62 and c.ENCO_IDREF = e.EGRE_ID and (select "
              "sum(d.CODE_DEBITOS) "
              "- sum(d.CODE_CREDITOS) from COMPROBANTE_DETALLE d where d.ENCO_CONSEC = "
              "c.ENCO_CONSEC) = 0 and (select sum(d.CODE_DEBITOS) - sum(d.CODE_CREDITOS) from "
              "COMPROBANTE_DETALLE_NIIF d where d.ENCO_CONSEC = c.ENCO_CONSEC) = 0) = 1"));
    }

    std::unique_ptr<Egreso> logica;
};

TEST_F(EgresoTest, PartialPaymentsAndDiscountLowerEachBalanceByWhatWasPaid) {
    factura(101, S("000101"), kTransportes, kHoy.addDays(-30), S("1000"));
    factura(102, S("000102"), kTransportes, kHoy.addDays(-20), S("2500"));
    cargo(103, S("000103"), kTransportes, kHoy.addDays(-10), S("700"));
    Egreso& e = abra();
    EXPECT_EQ(t("EGRE_NUMERO"), S("000001"));
    e.cambie_nit(kTransportes);
    EXPECT_EQ(e.panel(), Egreso::Panel::Documentos);
    EXPECT_FALSE(e.montos_editables());
    pague(21, "000101");
    pague(21, "000102");
    ponga(lineas(), "EGDE_ABONO", "1200.50");  // part of 2,500
    pague(51, "000103");
    ponga(lineas(), "EGDE_DTOF", "70");  // the abono gives way: 630
    EXPECT_EQ(l("EGDE_ABONO"), M("630"));
    ASSERT_TRUE(e.continue_documentos());
    EXPECT_EQ(lineas().recordCount(), 3);
    // The last line settles its charge; supplier numbers stand for invoices;
    // the concept column holds 60 characters.
    EXPECT_EQ(t("EGRE_CONC"), S("Cancela FACTCOMP P-000101, FACTCOMP P-000102, CARGOACR 00000"));
    EXPECT_EQ(v("EGRE_MONTO"), M("2830.50"));
    EXPECT_EQ(v("EGRE_DTOF"), M("70"));
    EXPECT_TRUE(e.boton_banco());
    por_banco();
    ASSERT_TRUE(e.grabe()) << dialogs.lastError().toStdString();

    EXPECT_EQ(guardado(21, 101), S("0.00"));
    EXPECT_EQ(guardado(21, 102), S("1299.50"));
    EXPECT_EQ(guardado(51, 103), S("0.00"));
    EXPECT_EQ(cuadrados(), 1);
    EXPECT_EQ(ledgrix::test::libro_descuadrado(dm->sql()), QStringList());
    // A new voucher in the same series, the number moved on.
    EXPECT_EQ(t("EGRE_NUMERO"), S("000002"));
    EXPECT_TRUE(lineas().isEmpty());
    EXPECT_EQ(texto(S("select cast(EGRE_MONTO as varchar(20)) from EGRESOS where EGRE_ID > 0")),
              S("2830.50"));
}

TEST_F(EgresoTest, ALineIsHeldWithinItsDocumentBalance) {
    // The withholdings setting is kept by each document when it is recorded.
    configure("CXPAGAR", "SALDOS", "DESCONTAR RETENCIONES POR CAUSACION", "NO");
    factura(201, S("000201"), kTransportes, kHoy.addDays(-9), S("1000"), S("0"), S("100"));
    configure("CXPAGAR", "SALDOS", "DESCONTAR RETENCIONES POR CAUSACION", "SI");
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
        configure("CXPAGAR", "SALDOS", "DESCONTAR RETENCIONES POR CAUSACION", k.retenciones);
        Egreso& e = abra();
        EXPECT_EQ(e.retenciones_editables(), S(k.retenciones) == S("NO"));
        e.cambie_nit(kTransportes);
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
    const auto otros = [this] {
        configure("CAJA", "EGRESOS", "PERMITIR REGISTRAR EGRESOS POR OTROS CONCEPTOS A PROVEEDORES",
                  "SI");
    };
    const auto sincronice = [this] {
        configure("CAJA", "EGRESOS", "SINCRONIZAR PREFIJOS DE EGRESOS Y DOCUMENTOS CANCELADOS",
                  "SI");
    };
    const auto sin_cero = [this] {
        configure("CAJA", "EGRESOS", "PERMITIR EGRESOS EN CERO PARA HACER CRUCES DE SALDOS", "NO");
    };
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
        {"El prefijo del documento debe coincidir con el prefijo del egreso.", sincronice,
         [&](Egreso& e) {
             e.cambie_prefijo(S("EG"));
             e.cambie_nit(kTransportes);
             tipee("000301");
         },
         nullptr},
        {"El monto del egreso debe ser idéntico a la suma de las formas de pago", nada,
         [&](Egreso& e) {
             e.cambie_nit(kTransportes);
             pague(21, "000301");
             EXPECT_FALSE(e.grabe());
         },
         nullptr},
        {"El monto del egreso no puede ser cero.",
         [&] {
             sin_cero();
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
        k.antes();
        Egreso& e = abra();
        dialogs.clear();
        k.haga(e);
        EXPECT_EQ(dialogs.lastError(), S(k.mensaje));
        if (k.vacio) {
            EXPECT_TRUE(t(k.vacio).isEmpty()) << k.mensaje;
        }
        EXPECT_EQ(filas(S("EGRESOS")), 0) << k.mensaje;
        EXPECT_EQ(guardado(21, 301), S("800.00")) << k.mensaje;
    }
}

TEST_F(EgresoTest, AFailedStoreKeepsEverythingTypedForAnotherTry) {
    factura(401, S("000401"), kTransportes, kHoy.addDays(-3), S("1500"));
    Egreso& e = abra();
    e.cambie_nit(kTransportes);
    pague(21, "000401");
    ASSERT_TRUE(e.continue_documentos());
    por_banco();
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
    EXPECT_EQ(lineas().recordCount(), 1);
    EXPECT_EQ(l("EGDE_ABONO"), M("1500"));
    EXPECT_EQ(banco.recordCount(), 1);

    // The cheque is given back: the same voucher goes through as typed.
    run(S("delete from CHEQUES"));
    ASSERT_TRUE(e.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(guardado(21, 401), S("0.00"));
    EXPECT_EQ(cuadrados(), 1);
    EXPECT_EQ(filas(S("CHEQUES where CHEQ_TIPOORI = 62")), 1);
}

TEST_F(EgresoTest, CashAndBankMustAddUpToTheAmountToTheCent) {
    factura(501, S("000501"), kTransportes, kHoy.addDays(-3), S("150"));
    factura(502, S("000502"), kTransportes, kHoy.addDays(-3), S("150.01"));
    for (const auto& [numero, graba] : {std::pair{"000501", true}, std::pair{"000502", false}}) {
        Egreso& e = abra();
        e.cambie_nit(kTransportes);
        pague(21, numero);
        ASSERT_TRUE(e.continue_documentos());
        MediosPago& m = e.medios();
        ASSERT_TRUE(m.abra_caja()) << dialogs.lastError().toStdString();
        m.cambie_monto_caja(M("100"));
        ASSERT_TRUE(m.continue_caja());
        ASSERT_TRUE(m.abra_banco());
        ponga(e.banco(), "EGBC_MONTO", "50");
        ASSERT_TRUE(m.continue_banco());
        dialogs.clear();
        EXPECT_EQ(e.grabe(), graba) << numero << " " << dialogs.lastError().toStdString();
    }
    EXPECT_EQ(filas(S("EGRESOS")), 1);
    EXPECT_EQ(cuadrados(), 1);
}

TEST_F(EgresoTest, ALeftoverWithIdZeroIsDroppedOrFinished) {
    const QString pregunta =
        S("Se encontró un comprobante previo que no está correctamente registrado. Desea "
          "Eliminarlo o Recuperarlo?");
    factura(601, S("000601"), kTransportes, kHoy.addDays(-4), S("800"));
    egreso(0, S("000007"), kTransportes, kHoy);
    pago(0, 1, 21, 601, S("800"));
    dialogs.expectAbortRetry(pregunta, Dialogs::Answer::Abort);
    abra();
    EXPECT_EQ(filas(S("EGRESOS")), 0);
    EXPECT_EQ(guardado(21, 601), S("800.00"));

    egreso(0, S("000007"), kTransportes, kHoy);
    pago(0, 1, 21, 601, S("300"));
    dialogs.expectAbortRetry(pregunta, Dialogs::Answer::Retry);
    Egreso& e = abra();
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(t("EGRE_NUMERO"), S("000007"));
    EXPECT_EQ(t("TERC_NIT"), kTransportes);
    ASSERT_EQ(lineas().recordCount(), 1);
    EXPECT_EQ(l("EGDE_ABONO"), M("300"));
    ASSERT_TRUE(e.continue_documentos());
    por_banco();
    ASSERT_TRUE(e.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(filas(S("EGRESOS")), 1);
    EXPECT_EQ(filas(S("EGRESOS where EGRE_ID > 0 and EGRE_NUMERO = '000007'")), 1);
    EXPECT_EQ(guardado(21, 601), S("500.00"));
    EXPECT_EQ(cuadrados(), 1);
}

TEST_F(EgresoTest, AnAdvanceCreatedForTheVoucherIsPaidOutOrRemoved) {
    const QString aviso = S("Se borrará el anticipo registrado con este egreso.");
    const auto nuevo = [this](int id) {
        anticipo(id, QString::number(id).rightJustified(6, u'0'), kTransportes, kHoy, S("1000"));
    };
    nuevo(701);
    nuevo(702);
    Egreso& e = abra();
    e.cambie_nit(kTransportes);
    // Its line goes: so does the advance.
    e.reciba_anticipo(701, S("0000"), S("000701"));
    EXPECT_EQ(lineas().fieldByName(S("TIDO_NOMCORTO")).asString(), S("ANTIPROV"));
    EXPECT_EQ(l("EGDE_ABONO"), M("1000"));
    e.borre_documento();
    EXPECT_EQ(filas(S("ANTICIPOS_PROVEEDOR where ANPR_ID = 701")), 0);
    // The window closes without saving: told twice, then gone.
    e.reciba_anticipo(702, S("0000"), S("000702"));
    dialogs.expectQuestion(S("Perderá los items previamente digitados, Continuar?"), true);
    e.cierre();
    EXPECT_EQ(dialogs.texts(S("information")), (QStringList{aviso, aviso}));
    EXPECT_EQ(filas(S("ANTICIPOS_PROVEEDOR where ANPR_ID = 702")), 0);
    // Every advance no voucher paid out went with it.
    EXPECT_EQ(filas(S("ANTICIPOS_PROVEEDOR")), 0);
    // Stored, the voucher pays it out.
    nuevo(703);
    Egreso& f = abra();
    f.cambie_nit(kTransportes);
    f.reciba_anticipo(703, S("0000"), S("000703"));
    ASSERT_TRUE(f.continue_documentos());
    EXPECT_EQ(v("EGRE_MONTO"), M("1000"));
    por_banco();
    ASSERT_TRUE(f.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(texto(S("select count(*) from ANTICIPOS_PROVEEDOR a join EGRESOS g on g.EGRE_ID = "
                      "a.EGRE_ID where a.ANPR_ID = 703 and g.EGRE_ID > 0")),
              S("1"));
    EXPECT_EQ(cuadrados(), 1);
}

TEST_F(EgresoTest, CrossesSetTheSuppliersReceivablesAgainstWhatIsPaid) {
    const auto venta = [this](int id, const char* numero, const char* monto) {
        run(S("insert into FACTURAS (FACT_ID, PREF_PRE, FACT_NUMERO, FACT_FECHA, TERC_NIT, "
              "FACT_MONTO) values (%1, 'FV', '%2', '2022/09/01', '%3', %4)")
                .arg(id)
                .arg(S(numero), kPapeleria, S(monto)));
    };
    factura(801, S("000801"), kPapeleria, kHoy.addDays(-10), S("500"));
    venta(901, "00000901", "300");
    Egreso& e = abra();
    e.cambie_nit(kPapeleria);
    pague(21, "000801");
    ASSERT_TRUE(e.continue_documentos());
    EXPECT_EQ(e.accion(Qt::Key_F7), Egreso::Accion::AbraCruces);
    e.abra_cruces();
    EXPECT_EQ(e.accion(Qt::Key_F2), Egreso::Accion::ContinueCruces);
    e.reciba_documento_cartera({31, 0, S("FV"), S("00000901"), {}});
    ClientDataset& cruces = e.cruces();
    EXPECT_EQ(cruces.fieldByName(S("EGCC_ABONO")).asCurrency(), M("300"));
    dialogs.clear();
    ponga(cruces, "EGCC_ABONO", "350");  // beyond its balance: back to it, silently
    EXPECT_EQ(cruces.fieldByName(S("EGCC_ABONO")).asCurrency(), M("300"));
    ponga(cruces, "EGCC_ABONO", "120");
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
    e.reciba_documento_cartera({31, 0, S("FV"), S("00000901"), {}});
    EXPECT_EQ(dialogs.lastError(), S("El documento a cruzar ya existe en este egreso."));
    ASSERT_TRUE(e.continue_cruces());
    EXPECT_EQ(v("EGRE_MONTO"), M("380"));
    e.cambie_excedente(M("20"));
    EXPECT_EQ(v("EGRE_MONTO"), M("400"));
    EXPECT_EQ(e.sumas().cruces, M("120"));
    por_banco();
    ASSERT_TRUE(e.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(guardado(21, 801), S("0.00"));
    EXPECT_EQ(guardado(31, 901), S("180.00"));

    // What is owed and what is due cancel out: a voucher of 0 moves no money.
    factura(802, S("000802"), kPapeleria, kHoy.addDays(-10), S("180"));
    e.cambie_nit(kPapeleria);
    pague(21, "000802");
    ASSERT_TRUE(e.continue_documentos());
    e.abra_cruces();
    e.reciba_documento_cartera({31, 0, S("FV"), S("00000901"), {}});
    ASSERT_TRUE(e.continue_cruces());
    EXPECT_EQ(v("EGRE_MONTO"), Currency());
    ASSERT_TRUE(e.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(guardado(21, 802), S("0.00"));
    EXPECT_EQ(guardado(31, 901), S("0.00"));
    EXPECT_EQ(cuadrados(), 2);
}

TEST_F(EgresoTest, AccountingLinesCheckTheirAccountAndComputeFromBaseAndPercentage) {
    configure("CAJA", "EGRESOS", "INHABILITAR CUENTAS CONTABLES PARA EVITAR DOBLE CONTABILIZACION",
              "NO");
    // 23652501: 4 % from a base of 152,000.
    const struct {
        const char* redondeo;
        const char* base;
        const char* porc;
        const char* debito;
        const char* credito;
    } montos[] = {
        {"3", "1000000", "2.5", "25000", "0"},
        {"0", "-1000000", "2.5", "0", "25000"},
        {"0", "200000", nullptr, "8000", "0"},  // the account's percentage
        {"0", "100000", nullptr, "0", "0"},     // below its base
    };
    for (const auto& k : montos) {
        configure("CONTABILIDAD", "GENERAL", "REDONDEO AL MULTIPLO DE DIEZ EN COMPROBANTES",
                  k.redondeo);
        Egreso& e = abra();
        EXPECT_TRUE(e.conta_editable());
        e.cambie_nit(kTransportes);
        e.reciba_cuenta(S("23652501"));
        EXPECT_EQ(e.nombre_cuenta(), S("Retención en la fuente por servicios 4%"));
        ClientDataset& c = e.conta();
        if (k.porc)
            ponga(c, "EGCO_PORC", k.porc);
        ponga(c, "EGCO_BASEM", k.base);
        EXPECT_EQ(c.fieldByName(S("EGCO_DEBITOS")).asCurrency(), M(k.debito)) << k.base;
        EXPECT_EQ(c.fieldByName(S("EGCO_CREDITOS")).asCurrency(), M(k.credito)) << k.base;
    }
    // An account that cannot take the line is refused and emptied.
    const struct {
        const char* cuenta;
        const char* mensaje;
    } cuentas[] = {
        {"5135", "La cuenta es de nivel inferior al mínimo afectable."},
        {"513550", "La cuenta indicada tiene auxiliares definidos."},
        {"1234567890123456789012", "El código de cuenta está incompleto o demasiado largo."},
    };
    Egreso& e = abra();
    e.cambie_nit(kTransportes);
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
    EXPECT_TRUE(dialogs.allAnswered());
}

TEST_F(EgresoTest, AContributionPaymentBringsItsLinesWhenItsMeansAreOpened) {
    configure("CAJA", "EGRESOS", "INHABILITAR CUENTAS CONTABLES PARA EVITAR DOBLE CONTABILIZACION",
              "NO");
    run(
        S("insert into PAGO_APORTES (PGAP_ID, PGAP_ITEM, PGAP_ADMIN, PGAP_CTACONTA, PGAP_MONTO, "
          "PGAP_INTMORA) values (5, 1, '900123456', '51355001', 250000, 1500)"));
    run(
        S("insert into PAGO_APORTES (PGAP_ID, PGAP_ITEM, PGAP_ADMIN, PGAP_MONTO) values (5, 2, "
          "'900123456', 99)"));
    Egreso& e = abra();
    e.cambie_nit(kTransportes);
    e.reciba_aporte(5, M("251500"));
    EXPECT_EQ(v("EGRE_MONTO"), M("251500"));
    ASSERT_TRUE(e.medios().abra_caja()) << dialogs.lastError().toStdString();
    ASSERT_TRUE(e.medios().continue_caja());
    ASSERT_TRUE(e.medios().abra_caja());  // once only
    EXPECT_EQ(v("EGRE_IDAPORTE"), Currency::fromInt(5));
    ASSERT_EQ(e.conta().recordCount(), 1);
    EXPECT_EQ(e.sumas().debitos, M("251500"));
    EXPECT_EQ(e.conta().fieldByName(S("EGCO_NIT")).asString(), kTransportes);
}

TEST_F(EgresoTest, KindsAndKeysFollowThePanelInUse) {
    configure("CAJA", "EGRESOS", "PERMITIR REGISTRAR EGRESOS POR OTROS CONCEPTOS A PROVEEDORES",
              "SI");
    factura(1001, S("001001"), kTransportes, kHoy.addDays(-3), S("900"));
    Egreso& e = abra();
    using A = Egreso::Accion;
    const auto teclas = [&e](std::initializer_list<std::pair<int, A>> mapa, const char* donde) {
        for (const auto& [tecla, accion] : mapa)
            EXPECT_EQ(e.accion(tecla), accion) << donde << " " << tecla;
    };
    teclas({{Qt::Key_F2, A::Grabar},
            {Qt::Key_Escape, A::Cancelar},
            {Qt::Key_F4, A::AbraCaja},
            {Qt::Key_F5, A::AbraBanco},
            {Qt::Key_F6, A::Terceros},
            {Qt::Key_F8, A::Nada}},
           "encabezado");
    e.cambie_nit(kTransportes);
    teclas({{Qt::Key_F2, A::ContinueDocumentos},
            {Qt::Key_Escape, A::CanceleDocumentos},
            {Qt::Key_F4, A::Anticipo},
            {Qt::Key_F8, A::BusqueCxp},
            {Qt::Key_F9, A::ConceptosPorPagar},
            {Qt::Key_F7, A::AbraCruces}},
           "documentos");
    pague(21, "001001");
    ASSERT_TRUE(e.continue_documentos());
    ASSERT_TRUE(e.medios().abra_caja());
    teclas({{Qt::Key_F2, A::ContinueCaja}, {Qt::Key_Escape, A::CanceleCaja}, {Qt::Key_F5, A::Nada}},
           "caja");
    ASSERT_TRUE(e.medios().continue_caja());
    EXPECT_EQ(e.caja().recordCount(), 1);
    EXPECT_TRUE(e.boton_caja());
    // A transfer into a box pays from the bank only.
    e.cambie_tipo(S("2"));
    EXPECT_TRUE(e.caja_destino_visible());
    EXPECT_NE(v("CAJA_ID"), Currency());
    EXPECT_TRUE(e.caja().isEmpty());
    EXPECT_EQ(e.medios().sum_caja(), Currency());
    EXPECT_FALSE(e.boton_caja());
    EXPECT_TRUE(e.boton_banco());
    // Cancelling asks only when something was typed.
    e.cambie_tipo(S("1"));
    dialogs.expectQuestion(S("Si cancela ahora perderá los datos no grabados, continuar?"), false);
    EXPECT_FALSE(e.cancele());
    EXPECT_EQ(lineas().recordCount(), 1);
    dialogs.expectQuestion(S("Si cancela ahora perderá los datos no grabados, continuar?"), true);
    EXPECT_TRUE(e.cancele());
    EXPECT_TRUE(lineas().isEmpty());
    EXPECT_TRUE(e.cancele());
    EXPECT_TRUE(dialogs.allAnswered());
}

TEST_F(EgresoTest, AGroupChosenAtOnceBecomesOneLineEach) {
    factura(1101, S("001101"), kTransportes, kHoy.addDays(-3), S("100"));
    cargo(1102, S("001102"), kTransportes, kHoy.addDays(-3), S("200"));
    run(
        S("insert into CONSOLIDE_FALTANTES (CEFA_ID, CEFA_ITEM, CEFA_TIPOORI, CEFA_IDORI) values "
          "(9, 1, 21, 1101)"));
    run(
        S("insert into CONSOLIDE_FALTANTES (CEFA_ID, CEFA_ITEM, CEFA_TIPOORI, CEFA_IDORI) values "
          "(9, 2, 51, 1102)"));
    Egreso& e = abra();
    e.cambie_nit(kTransportes);
    e.reciba_grupo(9);
    ASSERT_TRUE(e.continue_documentos());
    EXPECT_EQ(lineas().recordCount(), 2);
    EXPECT_EQ(v("EGRE_MONTO"), M("300"));
}

}  // namespace
