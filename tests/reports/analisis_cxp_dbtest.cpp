// The on-screen aging analysis on a real company database: the statement for
// each choice of criteria (a user of an agency is held to it), the bucket
// headings, refusals that leave the window as it was, and the bucket sums the
// chart draws against the balances stored.
#include <QStringList>

#include "core/data/client_dataset.h"
#include "parties/tfdmter.h"
#include "reports/analisis/analisis_cxp.h"
#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {
namespace {

const QDate kAgo10(2022, 8, 10), kJun01(2022, 6, 1);

class AnalisisCxpTest : public DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        cargo(200, QStringLiteral("000200"), kTransportes, kAgo10, QStringLiteral("1234.56"));
        cargo(201, QStringLiteral("000201"), kTransportes, kJun01, QStringLiteral("0.01"));
        cargo(202, QStringLiteral("000202"), kTransportes, clock.today(),
              QStringLiteral("99999.99"));
        cargo(203, QStringLiteral("000203"), kPapeleria, kJun01, QStringLiteral("77"));
    }

    static Currency total(const AnalisisCxp::Tramos& t) {
        Currency suma;
        for (const Currency& c : t)
            suma += c;
        return suma;
    }
};

TEST_F(AnalisisCxpTest, TheStatementFollowsTheCriteriaAndTheUsersAgency) {
    struct Caso {
        int agencia_usuario;
        AnalisisCxp::Criterios criterios;
        QString esperado;
    };
    const QDate corte(2022, 9, 21);
    const QString inicio = QStringLiteral(
        "select * from rep_analisis_cxpagar ('','ñ','','zz', '2022/09/21','N','N','N',");
    const Caso casos[] = {
        {0, {corte, 0, "30", 0, false, false}, inicio + "30,0,'N',0)  where saldo <> 0"},
        {0, {corte, 2, " 15 ", 1, true, true}, inicio + "15,1,'S',2) "},
        // Whatever the window holds, an agency's user reads only that agency.
        {2, {corte, 0, "30", 0, false, false}, inicio + "30,2,'N',0)  where saldo <> 0"},
        {2, {corte, 0, "30", 1, false, true}, inicio + "30,2,'N',0) "},
    };
    for (const Caso& c : casos) {
        dm->ctx.agencia = c.agencia_usuario;
        AnalisisCxp analisis(*dm);
        analisis.criterios() = c.criterios;
        EXPECT_EQ(analisis.consulta().value_or("nada"), c.esperado);
    }
    AnalisisCxp fija(*dm);
    EXPECT_TRUE(fija.agencia_fija());
    EXPECT_EQ(fija.criterios().agencia, 2);
    ASSERT_EQ(fija.agencias().size(), 1);
    EXPECT_EQ(fija.agencias().first().first, 2);
}

TEST_F(AnalisisCxpTest, BucketHeadingsForTheWidthAndTheDirection) {
    struct Caso {
        QString rango;
        bool por_vencer;
        QStringList esperados;
    };
    const Caso casos[] = {
        {"30", false, {"Corriente", "0 - 30 dias", "31-60 dias", "61-90 dias", "91 y más dias"}},
        {"15", false, {"Corriente", "0 - 15 dias", "16-30 dias", "31-45 dias", "46 y más dias"}},
        {"30", true, {"VENCIDO", "0 - 30 dias", "31-60 dias", "61-90 dias", "91 y más dias"}},
    };
    AnalisisCxp analisis(*dm);
    EXPECT_EQ(analisis.criterios().rango, QStringLiteral("30"));  // the configured width
    for (const Caso& c : casos) {
        analisis.criterios().rango = c.rango;
        analisis.criterios().por_vencer = c.por_vencer;
        ASSERT_TRUE(analisis.calcule()) << dialogs.lastError().toStdString();
        EXPECT_EQ(analisis.encabezados(), c.esperados);
        EXPECT_EQ(analisis.proveedores().fieldByName("TREINTA").displayLabel(), c.esperados[2]);
    }
}

TEST_F(AnalisisCxpTest, AWidthThatIsNotADayCountIsRefusedAndTheListStays) {
    AnalisisCxp analisis(*dm);
    ASSERT_TRUE(analisis.calcule()) << dialogs.lastError().toStdString();
    const int antes = analisis.proveedores().recordCount();
    for (const QString& rango : {QStringLiteral("3O"), QString(), QStringLiteral("-5"),
                                 QStringLiteral("30; drop table terceros")}) {
        dialogs.clear();
        analisis.criterios().rango = rango;
        EXPECT_FALSE(analisis.consulta().has_value());
        EXPECT_FALSE(analisis.calcule());
        EXPECT_EQ(dialogs.errors(), QStringList{QStringLiteral("El rango de días «") + rango +
                                                QStringLiteral("» debe ser un número entero de "
                                                               "días mayor que cero.")});
        EXPECT_EQ(analisis.proveedores().recordCount(), antes);
        EXPECT_EQ(analisis.encabezados()[1], QStringLiteral("0 - 30 dias"));
    }
    // Before anything was owed there is nothing to show, and the user is told.
    dialogs.clear();
    analisis.criterios().rango = QStringLiteral("30");
    analisis.criterios().corte = QDate(2022, 1, 1);
    EXPECT_FALSE(analisis.calcule());
    EXPECT_EQ(dialogs.texts(QStringLiteral("information")),
              QStringList{QStringLiteral("No hay datos para el reporte.")});
}

TEST_F(AnalisisCxpTest, BucketSumsOfTheCompanyAndOfASupplierAddUpToTheirBalances) {
    AnalisisCxp analisis(*dm);
    ASSERT_TRUE(analisis.calcule()) << dialogs.lastError().toStdString();
    EXPECT_EQ(total(analisis.tramos_compania()).toString(2), QStringLiteral("101311.56"));
    ASSERT_TRUE(analisis.vaya_a(kTransportes));
    EXPECT_EQ(total(analisis.tramos_actual()).toString(2), QStringLiteral("101234.56"));
    ASSERT_TRUE(analisis.vaya_a(kPapeleria));
    const AnalisisCxp::Tramos papeleria = analisis.tramos_actual();
    EXPECT_EQ(total(papeleria).toString(2), QStringLiteral("77.00"));
    // June 1 to September 21 is 112 days: the last bucket.
    EXPECT_EQ(papeleria[4].toString(2), QStringLiteral("77.00"));

    // Refreshing keeps the supplier on screen.
    ASSERT_TRUE(analisis.calcule());
    EXPECT_EQ(analisis.nit_actual(), kPapeleria);

    // The hand-overs to the documents and the movement of the supplier.
    dm->ctx.busqueda_principal = false;
    ASSERT_TRUE(analisis.entregue_saldos());
    EXPECT_TRUE(dm->ctx.busqueda_principal);
    EXPECT_EQ(Tfdmter::entregado.nit, kPapeleria);
    analisis.criterios().corte = QDate(2024, 2, 10);
    ASSERT_TRUE(analisis.entregue_movimiento());
    EXPECT_EQ(dm->periodo_desde, QDate(2024, 2, 1));
    EXPECT_EQ(dm->periodo_hasta, QDate(2024, 2, 29));
}

}  // namespace
}  // namespace ledgrix::test
