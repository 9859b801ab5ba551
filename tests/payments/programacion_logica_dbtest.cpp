#include <gtest/gtest.h>

#include <memory>

#include "payments/programacion/programacion.h"
#include "tests/payments/pagos_fixture.h"

namespace ledgrix::test {
namespace {

// The schedule's window logic on a demo installation with a series of
// schedules, storing through the real storing unit.
class ProgramacionLogicaTest : public PagosTest {
  protected:
    void SetUp() override {
        PagosTest::SetUp();
        run(
            S("insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL, PREF_AUTO, PREF_IVAINC, "
              "PREF_ACTIVO, PREF_USUARIO, SUCU_ID) values (56, 'PP', '000001', 'S', 'N', 'S', "
              "'x', 0)"));
        configure(
            S("NUMERO DE DIAS POR VENCER EN DOCUMENTOS A INCLUIR EN LA PROGRAMACION DE PAGOS"),
            S("5"));
    }
    std::unique_ptr<ProgramacionPagos> nueva(qint64 id = 0) {
        auto p = std::make_unique<ProgramacionPagos>(
            *dm, [this](Programacion& d) { return GrabacionProgramacion(*dm).grabe(d); });
        EXPECT_TRUE(p->abra(id)) << dialogs.lastError().toStdString();
        return p;
    }
    // A charge of `monto` to `nit` dated today, falling due `vence` days
    // from today (negative: already due).
    void cargo_que_vence(int id, const QString& nit, int vence, const char* monto) {
        run(S("insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, "
              "NDPR_VENCE, TERC_NIT, NDPR_MONTO, NDPR_IVAMONTO) values (%1, '0000', '%2', %3, "
              "%4, '%5', %6, 0)")
                .arg(id)
                .arg(id, 6, 10, QLatin1Char('0'))
                .arg(fecha(kHoy.addDays(-20)), fecha(kHoy.addDays(vence)), nit, S(monto)));
    }
    bool hay_procedimiento(const char* nombre) const {
        return filas(S("RDB$PROCEDURES where RDB$PROCEDURE_NAME = '%1'").arg(S(nombre))) > 0;
    }
    // Rows of the due list by document id.
    static QList<int> filas_de(const ProgramacionPagos& p, const QList<qint64>& ids) {
        QList<int> r;
        for (qint64 id : ids)
            for (int i = 0; i < p.documentos().size(); ++i)
                if (p.documentos().at(i).id == id)
                    r << i;
        return r;
    }
    static QList<qint64> ids(const ProgramacionPagos& p) {
        QList<qint64> r;
        for (int i : p.visibles())
            r << p.documentos().at(i).id;
        return r;
    }
    // Pays the documents `ids` in full from the general cash box.
    static bool pague(ProgramacionPagos& p, const QList<qint64>& docs) {
        std::optional<PanelPago> panel = p.pague(filas_de(p, docs));
        if (!panel)
            return false;
        panel->idcaja = S("1");
        return p.confirme(*panel);
    }
};

TEST_F(ProgramacionLogicaTest, DueListLooksAheadTheConfiguredDaysAndFiltersByGroupAndPayment) {
    cargo_que_vence(701, kTransportes, 4, "100");
    cargo_que_vence(702, kTransportes, 6, "200");
    cargo_que_vence(703, kPapeleria, -10, "300");
    cargo_que_vence(704, kPapeleria, 5, "400");
    auto p = nueva();
    p->calcule();
    struct Caso {
        const char* nombre;
        bool solo_a_pagar;
        const char* grupo;
        QList<qint64> esperados;
    };
    ASSERT_TRUE(pague(*p, {703})) << dialogs.lastError().toStdString();
    const Caso casos[] = {
        {"due and within five days", false, "", {701, 703}},
        {"only those paid", true, "", {703}},
        {"a group without them", false, "02", {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        p->filtre(c.solo_a_pagar, S(c.grupo));
        QList<qint64> vistos = ids(*p);
        std::sort(vistos.begin(), vistos.end());
        EXPECT_EQ(vistos, c.esperados);
    }
}

TEST_F(ProgramacionLogicaTest, SeveralRowsTakeTheirBalancesAndSavingOverTheMoneyAsks) {
    cargo_que_vence(711, kTransportes, 0, "100");
    cargo_que_vence(712, kPapeleria, -3, "250.50");
    cargo_que_vence(713, kPapeleria, -1, "40");
    auto p = nueva();
    p->calcule();
    ASSERT_TRUE(pague(*p, {711, 712}));
    EXPECT_EQ(p->total_pagos(), M("350.50"));
    EXPECT_EQ(p->diferencia(), p->total_disponible() - M("350.50"));
    // One row: its amount may be less than the balance; taken off again.
    std::optional<PanelPago> uno = p->pague(filas_de(*p, {713}));
    ASSERT_TRUE(uno);
    EXPECT_EQ(uno->valor, M("40"));
    uno->valor = M("15");
    uno->idcaja = S("2");
    ASSERT_TRUE(p->confirme(*uno));
    EXPECT_EQ(p->total_pagos(), M("365.50"));
    p->quite(filas_de(*p, {713}));
    EXPECT_EQ(p->total_pagos(), M("350.50"));

    ASSERT_GT(p->total_pagos(), p->total_disponible());
    struct Caso {
        const char* nombre;
        bool seguir;
        int guardadas;
    };
    const Caso casos[] = {{"answered no: nothing stored", false, 0},
                          {"answered yes: stored", true, 2}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        dialogs.expectQuestion(
            S("El total de pagos es mayor que el dinero disponible. Desea continuar?"), c.seguir);
        EXPECT_EQ(p->grabe(), c.seguir) << dialogs.lastError().toStdString();
        EXPECT_EQ(filas(S("PROGRAMACION_PAGOS")), c.guardadas);
        EXPECT_EQ(p->modificada(), !c.seguir);
    }
    EXPECT_TRUE(dialogs.allAnswered());
}

TEST_F(ProgramacionLogicaTest, OneVoucherScheduleKeepsTheFirstSourceForEveryPayment) {
    configure(S("GENERAR UN SOLO EGRESO POR PROGRAMACION DE PAGOS SI SE PERMITEN VARIOS "
                "PROVEEDORES POR EGRESO"),
              S("SI"));
    cargo_que_vence(741, kTransportes, -1, "90");
    cargo_que_vence(742, kPapeleria, -1, "10");
    auto p = nueva();
    ASSERT_TRUE(p->datos().un_egreso);
    p->calcule();
    EXPECT_EQ(p->tipos_banco(S("BOGCTE")), (QStringList{S("CHEQUE"), S("RETIRO")}));
    std::optional<PanelPago> primero = p->pague(filas_de(*p, {741}));
    ASSERT_TRUE(primero);
    EXPECT_FALSE(primero->fuente_fija);
    *primero = {M("90"), S("B"), S("BOGCTE"), S("CHEQUE"), S("CH")};
    ASSERT_TRUE(p->confirme(*primero)) << dialogs.lastError().toStdString();
    std::optional<PanelPago> segundo = p->pague(filas_de(*p, {742}));
    ASSERT_TRUE(segundo);
    EXPECT_TRUE(segundo->fuente_fija);
    EXPECT_EQ(QStringList({segundo->cob, segundo->idcaja, segundo->tipo_banco, segundo->prefbco}),
              QStringList({S("B"), S("BOGCTE"), S("CHEQUE"), S("CH")}));
    ASSERT_TRUE(p->confirme(*segundo));
    EXPECT_EQ(p->datos().pagos.last().tipobco, 72);
}

TEST_F(ProgramacionLogicaTest, DocumentInAnotherLiveScheduleIsRefusedButItsOwnIsEdited) {
    cargo_que_vence(721, kTransportes, -2, "500");
    cargo_que_vence(722, kTransportes, -2, "80");
    auto primera = nueva();
    primera->calcule();
    ASSERT_TRUE(pague(*primera, {721}));
    dialogs.expectQuestion({}, true);
    ASSERT_TRUE(primera->grabe()) << dialogs.lastError().toStdString();
    const qint64 id = primera->datos().id;

    auto otra = nueva();
    otra->calcule();
    dialogs.clear();
    EXPECT_FALSE(otra->pague(filas_de(*otra, {721, 722})));
    EXPECT_EQ(dialogs.lastError(), S("El documento se encuentra en otra programación de pagos."));
    EXPECT_TRUE(pague(*otra, {722}));

    // Reopened, the stored schedule finds its line and edits it.
    auto misma = nueva(id);
    misma->calcule();
    std::optional<PanelPago> panel = misma->pague(filas_de(*misma, {721}));
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->valor, M("500"));
    EXPECT_EQ(panel->idcaja, S("1"));
    // Annulled, the schedule no longer holds the document.
    run(S("update PROGRAMACION_PAGOS set PRPG_ANULADO = 'S' where PRPG_ID = %1").arg(id));
    EXPECT_TRUE(pague(*otra, {721}));
}

TEST_F(ProgramacionLogicaTest, ConfirmedScheduleOpensReadOnlyAndLeavingWithChangesAsks) {
    run(S("insert into PROGRAMACION_PAGOS_ENC (PRPG_ID, PRPG_PREF, PRPG_NUMERO, PRPG_FECHA, "
          "PRPG_PREGR, PRPG_FECEGR, PRPG_CONFIRMADO) values (90, 'PP', '000009', %1, '0000', %1, "
          "'S')")
            .arg(fecha(kHoy)));
    cargo_que_vence(731, kTransportes, -2, "60");
    run(
        S("insert into PROGRAMACION_PAGOS (PRPG_ID, PRPG_ITEM, PRPG_TIPODOC, PRPG_IDDOC, "
          "PRPG_ABONO, PRPG_IDCAJA, PRPG_EGRESO) values (90, 1, 51, 731, 60, '1', 'S')"));
    auto p = nueva(90);
    EXPECT_TRUE(p->solo_lectura());
    ASSERT_EQ(p->datos().pagos.size(), 1);
    EXPECT_EQ(p->datos().pagos.first().abono, M("60"));
    if (hay_procedimiento("PAGOS_PROGRAMACION")) {
        ASSERT_TRUE(p->calcule()) << dialogs.lastError().toStdString();
        ASSERT_EQ(p->documentos().size(), 1);
        EXPECT_EQ(p->documentos().first().pago, M("60"));
        EXPECT_FALSE(p->pague({0}));
    }
    EXPECT_FALSE(p->grabe());
    EXPECT_TRUE(p->puede_salir());

    cargo_que_vence(732, kTransportes, -2, "70");
    auto nuevo = nueva();
    nuevo->calcule();
    ASSERT_TRUE(pague(*nuevo, {732}));
    for (bool salir : {false, true}) {
        dialogs.expectQuestion(S("Esta seguro de salir sin grabar los cambios?"), salir);
        EXPECT_EQ(nuevo->puede_salir(), salir);
    }
}

TEST_F(ProgramacionLogicaTest, OpeningAsksForALeftoverAndNeedsVoucherSeries) {
    run(S("insert into PROGRAMACION_PAGOS_ENC (PRPG_ID, PRPG_PREF, PRPG_NUMERO, PRPG_FECHA, "
          "PRPG_CONC) values (0, 'PP', '000000', %1, 'a medias')")
            .arg(fecha(kHoy)));
    dialogs.expectQuestion(S("Se encontró un pago previo incorrectamente registrado. Desea "
                             "traerlo a pantalla?"),
                           true);
    EXPECT_EQ(nueva()->datos().concepto, S("a medias"));
    dialogs.expectQuestion({}, false);
    auto p = nueva();
    EXPECT_EQ(filas(S("PROGRAMACION_PAGOS_ENC where PRPG_ID = 0")), 0);
    EXPECT_EQ(p->datos().fecha, kHoy);
    EXPECT_FALSE(p->datos().un_egreso);

    run(S("update PREFIJOS set SUCU_ID = 2 where TIDO_COD = 62"));
    dm->ctx.agencia = 1;
    ProgramacionPagos sin_series(*dm, [](Programacion&) { return qint64{0}; });
    EXPECT_FALSE(sin_series.abra());
    EXPECT_EQ(dialogs.lastError(), S("Debe crear antes un prefijo válido para los egresos."));
}

}  // namespace
}  // namespace ledgrix::test
