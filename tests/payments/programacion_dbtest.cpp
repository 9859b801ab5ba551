#include <gtest/gtest.h>

#include "core/numeracion/numeracion.h"
#include "payments/programacion/grabacion_programacion.h"
#include "tests/payments/pagos_fixture.h"
#include "tests/support/invariantes_cxp.h"

namespace ledgrix::test {
namespace {

// Schedules stored as the schedule window stores them, on the demo company:
// invoices 101 and 102 of the carrier, 103 of the stationer.
class ProgramacionTest : public PagosTest {
  protected:
    void SetUp() override {
        PagosTest::SetUp();
        registre_prefijo(*dm, 56);
        factura(101, S("000101"), kTransportes, kHoy.addDays(-30), S("1000"));
        factura(102, S("000102"), kTransportes, kHoy.addDays(-20), S("2500"));
        factura(103, S("000103"), kPapeleria, kHoy.addDays(-10), S("800"));
        hoy_ = dm->sql().scalar(S("select current_date from rdb$database")).toDate();
    }
    static PagoProgramado caja(qint64 id, const char* abono) {
        return {21, id, M(abono), S("C"), S("1"), 0, {}};
    }
    static PagoProgramado banco(qint64 id, const char* abono, const char* cuenta = "BOGCTE") {
        return {21, id, M(abono), S("B"), S(cuenta), 72, S("CH")};
    }
    Programacion programacion(QList<PagoProgramado> pagos, bool confirmada = false,
                              bool un_egreso = true) {
        Programacion p;
        p.pref = S("0000");
        p.fecha = kHoy;
        p.concepto = S("Pagos de la semana");
        p.prefijo_egresos = S("0000");
        p.fecha_egresos = hoy_;  // the boxes opened 30 days before today
        p.un_egreso = un_egreso;
        p.confirmada = confirmada;
        p.pagos = std::move(pagos);
        return p;
    }
    qint64 grabe(Programacion& p) {
        dialogs.clear();
        return GrabacionProgramacion(*dm).grabe(p);
    }
    int cuenta(const char* tabla) { return filas(S(tabla)); }

    QDate hoy_;
};

TEST_F(ProgramacionTest, StoredScheduleHoldsEachDocumentInOneLiveScheduleOnly) {
    Programacion p = programacion({caja(101, "400"), banco(103, "800")});
    ASSERT_NE(grabe(p), 0) << dialogs.lastError().toStdString();
    EXPECT_EQ(p.numero, S("000001"));
    EXPECT_EQ(lineas(S("select PRPG_NUMERO, PRPG_CONFIRMADO from PROGRAMACION_PAGOS_ENC")),
              QStringList{S("000001|N")});
    // Stored payments in the due list's shape, with what is paid.
    EXPECT_EQ(lineas(S("select NIT, TIPO, ID, NUMERO, cast(SALDO as varchar(20)), cast(PAGO as "
                       "varchar(20)), DIAS from PAGOS_PROGRAMACION(%1)")
                         .arg(p.id)),
              (QStringList{kTransportes + S("|21|101|000101|1000.00|400.00|30"),
                           kPapeleria + S("|21|103|000103|800.00|800.00|10")}));
    EXPECT_EQ(cuenta("PROGRAMACION_PAGOS where PRPG_EGRESO = 'N'"), 2);
    EXPECT_EQ(cuenta("EGRESOS"), 0);

    // Stored again with one more line: its lines are replaced, not doubled.
    p.pagos << banco(102, "100");
    ASSERT_EQ(grabe(p), p.id) << dialogs.lastError().toStdString();
    EXPECT_EQ(cuenta("PROGRAMACION_PAGOS"), 3);

    Programacion otra = programacion({caja(102, "50")});
    EXPECT_EQ(grabe(otra), 0);
    EXPECT_EQ(dialogs.lastError(), S("El documento se encuentra en otra programación de pagos."));
    EXPECT_EQ(otra.id, 0);
    EXPECT_EQ(cuenta("PROGRAMACION_PAGOS_ENC"), 1);
    // Once the first schedule is annulled the document is free again.
    run(S("update PROGRAMACION_PAGOS_ENC set PRPG_ANULADO = 'S'"));
    ASSERT_NE(grabe(otra), 0) << dialogs.lastError().toStdString();
    EXPECT_EQ(otra.numero, S("000002"));
}

// One voucher for the schedule, or one per supplier in NIT order.
struct Generacion {
    bool un_egreso;
    int egresos;
    QStringList cheques;
};

class ProgramacionConfirmada : public ProgramacionTest,
                               public ::testing::WithParamInterface<Generacion> {};

TEST_P(ProgramacionConfirmada, PaysThroughPostedVouchers) {
    const Generacion& c = GetParam();
    Programacion p =
        programacion({caja(101, "400"), banco(102, "2500"), banco(103, "800")}, true, c.un_egreso);
    ASSERT_NE(grabe(p), 0) << dialogs.lastError().toStdString();

    EXPECT_EQ(cuenta("EGRESOS where EGRE_ANULADO = 'N'"), c.egresos);
    EXPECT_EQ(lineas(S("select cast(sum(EGRE_MONTO) as varchar(20)) from EGRESOS")),
              QStringList{S("3700.00")});
    EXPECT_EQ(guardado(21, 101), S("600.00"));
    EXPECT_EQ(guardado(21, 102), S("0.00"));
    EXPECT_EQ(guardado(21, 103), S("0.00"));
    EXPECT_EQ(lineas(S("select ABPR_IDREF, cast(ABPR_VALOR as varchar(20)) from ABONOS_PROVEEDOR "
                       "where ABPR_ORIGEN = 'E' order by ABPR_IDREF")),
              (QStringList{S("101|400.00"), S("102|2500.00"), S("103|800.00")}));
    EXPECT_EQ(lineas(S("select CHEQ_NUMERO, cast(CHEQ_MONTO as varchar(20)) from CHEQUES order "
                       "by CHEQ_NUMERO")),
              c.cheques);
    EXPECT_EQ(lineas(S("select CAJA_ID, cast(sum(EGCA_MONTO) as varchar(20)) from EGRECAJA group "
                       "by CAJA_ID")),
              QStringList{S("1|400.00")});
    EXPECT_EQ(cuadrados(62), c.egresos);
    // Every line marked, dated and linked to the voucher that pays its document.
    EXPECT_EQ(cuenta("PROGRAMACION_PAGOS l where l.PRPG_EGRESO = 'S' and l.PRPG_FECEGR = "
                     "current_date and exists (select 1 from EGRESODETALLE d where d.EGRE_ID = "
                     "l.PRPG_IDEGRE and d.EGDE_IDDOC = l.PRPG_IDDOC)"),
              3);
    EXPECT_EQ(lee(S("select * from CHEQUEO_SALDOS_DOC_CXPAGAR('', 'ZZZZZZZZZZZZZZZZZZZZ')")).size(),
              0);
    EXPECT_EQ(libro_descuadrado(dm->sql()), QStringList());
    EXPECT_EQ(medios_de_pago_descuadrados(dm->sql()), QStringList());
    // What is left to pay with at the vouchers' date.
    EXPECT_EQ(lineas(S("select COB, IDCAJA, cast(SALDO as varchar(20)) from "
                       "DINERO_DISPONIBLE(current_date, 0)")),
              (QStringList{S("CAJA|1|1999600.00"), S("CAJA|2|500000.00"), S("BANCO|BCOLAH|0.00"),
                           S("BANCO|BOGCTE|-3300.00")}));
    // Stored again, it pays nothing twice.
    ASSERT_EQ(grabe(p), p.id) << dialogs.lastError().toStdString();
    EXPECT_EQ(cuenta("EGRESOS"), c.egresos);
    EXPECT_EQ(cuenta("PROGRAMACION_PAGOS"), 3);
}

INSTANTIATE_TEST_SUITE_P(Egresos, ProgramacionConfirmada,
                         ::testing::Values(Generacion{true, 1, {QStringLiteral("001001|3300.00")}},
                                           Generacion{false,
                                                      2,
                                                      {QStringLiteral("001001|800.00"),
                                                       QStringLiteral("001002|2500.00")}}));

TEST_F(ProgramacionTest, RefusedGenerationLeavesNoScheduleAndNoVoucher) {
    run(S("insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL) values (62, 'PP', '000001')"));
    const struct {
        const char* caso;
        QList<PagoProgramado> pagos;
        const char* prefijo;
        const char* mensaje;
    } casos[] = {
        {"prefijo sin interfaz", {caja(101, "400")}, "PP", nullptr},
        {"mas que el saldo",
         {caja(101, "400"), banco(103, "801")},
         "0000",
         "El valor a pagar supera el saldo del documento."},
        {"dos cuentas en un egreso",
         {banco(101, "400", "BCOLAH"), banco(103, "800")},
         "0000",
         "Los pagos de un mismo egreso deben salir de una sola cuenta bancaria y un solo prefijo."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        Programacion p = programacion(c.pagos, true);
        p.prefijo_egresos = S(c.prefijo);
        EXPECT_EQ(grabe(p), 0);
        EXPECT_EQ(p.id, 0);
        if (c.mensaje) {
            EXPECT_TRUE(dialogs.lastError().contains(S(c.mensaje)))
                << dialogs.lastError().toStdString();
        }
        for (const char* tabla : {"PROGRAMACION_PAGOS_ENC", "PROGRAMACION_PAGOS", "EGRESOS",
                                  "CHEQUES", "ABONOS_PROVEEDOR", "EGRECAJA"})
            EXPECT_EQ(cuenta(tabla), 0) << tabla;
        EXPECT_EQ(guardado(21, 101), S("1000.00"));
    }
}

}  // namespace
}  // namespace ledgrix::test
