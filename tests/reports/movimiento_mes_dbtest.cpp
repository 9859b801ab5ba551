// The monthly payables movement on a real company database: the window's
// list and its totals line, the months of the chart against the monthly
// summary of each month (for the company and for one supplier), and a period
// that runs backwards refused with the list left as it was.
#include "core/data/client_dataset.h"
#include "reports/movimiento_mes/movimiento_mes.h"
#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {
namespace {

class MovimientoMesTest : public DocumentosTest {
  protected:
    // Transportes: an invoice in March paid in part in July, a charge in May, a discount in June
    // crossed with the charge in September, an annulled charge in August and a charge after
    // the period. Papelería: a charge before the chart's year, one in August, and an invoice of
    // September 5 with a payment back-dated to August 1.
    void SetUp() override {
        DocumentosTest::SetUp();
        factura(100, QStringLiteral("000100"), kTransportes, QDate(2022, 3, 10),
                QStringLiteral("1000"));
        cargo(200, QStringLiteral("000200"), kTransportes, QDate(2022, 5, 5),
              QStringLiteral("300"));
        descuento(201, QStringLiteral("000201"), kTransportes, QDate(2022, 6, 7),
                  QStringLiteral("50"));
        egreso(100, QStringLiteral("000100"), kTransportes, QDate(2022, 7, 20));
        pago(100, 1, 21, 100, QStringLiteral("400"));
        cargo(203, QStringLiteral("000203"), kTransportes, QDate(2022, 8, 12),
              QStringLiteral("40"));
        run(QStringLiteral(
            "update NOTAS_DEBITO_PROVEEDOR set NDPR_ANULADO = 'S' where NDPR_ID = 203"));
        aplicacion(300, QStringLiteral("000300"), kTransportes, QDate(2022, 9, 15));
        aplicado(300, 1, 52, 201, QStringLiteral("-48"));
        aplicado(300, 2, 51, 200, QStringLiteral("48"));
        cargo(204, QStringLiteral("000204"), kTransportes, QDate(2022, 10, 5),
              QStringLiteral("33"));
        cargo(205, QStringLiteral("000205"), kPapeleria, QDate(2021, 6, 1), QStringLiteral("10"));
        cargo(206, QStringLiteral("000206"), kPapeleria, QDate(2022, 8, 10), QStringLiteral("77"));
        factura(101, QStringLiteral("000101"), kPapeleria, QDate(2022, 9, 5),
                QStringLiteral("2000"));
        egreso(101, QStringLiteral("000101"), kPapeleria, QDate(2022, 8, 1));
        pago(101, 1, 21, 101, QStringLiteral("300"));
    }

    // The amounts as the server adds them, "INICIAL|DEBITOS|CREDITOS|ABONOS|FINAL".
    QString cifras(const QString& sql) {
        const QList<QStringList> filas = lee(sql);
        EXPECT_FALSE(filas.isEmpty()) << sql.toStdString();
        QStringList c;
        for (const QString& v : filas.value(0))
            c << Currency::fromVariant(v).toString(2);
        return c.join(QLatin1Char('|'));
    }
    static QString cifras(const MovimientoMes::Cifras& c) {
        return QStringList{c.inicial.toString(2), c.cargos.toString(2), c.descuentos.toString(2),
                           c.abonos.toString(2), c.final.toString(2)}
            .join(QLatin1Char('|'));
    }
    // The monthly summary of a period, added over its suppliers (or of one).
    QString resumen(const QDate& desde, const QDate& hasta, const QString& nit) {
        return cifras(
            QStringLiteral("select coalesce(sum(INICIAL), 0), coalesce(sum(DEBITOS), 0), "
                           "coalesce(sum(CREDITOS), 0), coalesce(sum(ABONOS), 0), "
                           "coalesce(sum(FINAL), 0) from movimiento_cxpagar_mes(%1, %2, 0) %3")
                .arg(
                    fecha(desde), fecha(hasta),
                    nit.isEmpty() ? QString() : QStringLiteral("where NIT = ") + sql::quoted(nit)));
    }
};

TEST_F(MovimientoMesTest, ListAndTotalsOfThePeriod) {
    struct Caso {
        QDate desde, hasta;
        QStringList filas;  // NIT|INICIAL|Cargos|Descuentos|ABONOS|FINAL
        QString totales;
    } casos[] = {
        // The current month by default; the payment dated before its invoice counts with it.
        {{},
         {},
         {"860045678|87.00|2000.00|0.00|300.00|1787.00", "900123456|850.00|0.00|0.00|0.00|850.00"},
         "937.00|2000.00|0.00|300.00|2637.00"},
        {QDate(2022, 5, 1),
         QDate(2022, 8, 31),
         {"860045678|10.00|77.00|0.00|0.00|87.00", "900123456|1000.00|300.00|50.00|400.00|850.00"},
         "1010.00|377.00|50.00|400.00|937.00"},
    };
    MovimientoMes mov(*dm);
    EXPECT_EQ(mov.criterios().desde, QDate(2022, 9, 1));
    EXPECT_EQ(mov.criterios().hasta, QDate(2022, 9, 30));
    for (const Caso& c : casos) {
        if (c.desde.isValid())
            mov.criterios() = {c.desde, c.hasta, 0};
        SCOPED_TRACE(mov.criterios().desde.toString(Qt::ISODate).toStdString());
        ASSERT_TRUE(mov.calcule()) << dialogs.lastError().toStdString();
        ClientDataset& filas = mov.proveedores();
        QStringList vistas;
        for (filas.first(); !filas.eof(); filas.next()) {
            QStringList f{filas.fieldByName("NIT").asString().trimmed()};
            for (const char* m : {"INICIAL", "DEBITOS", "CREDITOS", "ABONOS", "FINAL"})
                f << filas.fieldByName(QString::fromLatin1(m)).asCurrency().toString(2);
            vistas << f.join(QLatin1Char('|'));
        }
        vistas.sort();
        EXPECT_EQ(vistas, c.filas);
        EXPECT_EQ(cifras(mov.totales()), c.totales);
        EXPECT_EQ(filas.fieldByName("DEBITOS").displayLabel(), QStringLiteral("Cargos"));
        EXPECT_EQ(filas.fieldByName("CREDITOS").displayLabel(), QStringLiteral("Descuentos"));
    }
}

TEST_F(MovimientoMesTest, EachMonthOfTheChartIsTheMonthlySummaryOfThatMonth) {
    struct Caso {
        QDate desde, hasta;
        QString nit;
    } casos[] = {
        {QDate(2021, 10, 1), QDate(2022, 9, 30), {}},
        {QDate(2021, 10, 1), QDate(2022, 9, 30), kTransportes},
        {QDate(2021, 10, 1), QDate(2022, 9, 30), kPapeleria},
        // Months cut at both ends.
        {QDate(2022, 5, 6), QDate(2022, 9, 14), {}},
        {QDate(2022, 7, 21), QDate(2022, 9, 4), kPapeleria},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE((c.desde.toString(Qt::ISODate) + " " + c.nit).toStdString());
        int meses = 0;
        QDate inicio = c.desde;
        for (const QStringList& m : [&] {
                 QList<QStringList> filas;
                 auto q = dm->sql().select(
                     QStringLiteral("select DESDE, HASTA from movimiento_cxpagar_meses(%1, %2, 0, "
                                    "%3) order by MES")
                         .arg(fecha(c.desde), fecha(c.hasta), sql::quoted(c.nit)));
                 while (q && q->next())
                     filas << QStringList{q->value(0).toDate().toString(Qt::ISODate),
                                          q->value(1).toDate().toString(Qt::ISODate)};
                 return filas;
             }()) {
            const QDate desde = QDate::fromString(m[0], Qt::ISODate);
            const QDate hasta = QDate::fromString(m[1], Qt::ISODate);
            SCOPED_TRACE(m[0].toStdString());
            EXPECT_EQ(desde, inicio);  // the months follow each other without gaps
            inicio = hasta.addDays(1);
            EXPECT_EQ(
                cifras(QStringLiteral("select INICIAL, DEBITOS, CREDITOS, ABONOS, FINAL from "
                                      "movimiento_cxpagar_meses(%1, %2, 0, %3) where DESDE = %4")
                           .arg(fecha(c.desde), fecha(c.hasta), sql::quoted(c.nit), fecha(desde))),
                resumen(desde, hasta, c.nit));
            ++meses;
        }
        EXPECT_EQ(inicio, c.hasta.addDays(1));
        EXPECT_GE(meses, 2);
    }

    // The window asks for the twelve months up to its "Hasta".
    MovimientoMes mov(*dm);
    const auto todos = mov.meses({});
    ASSERT_TRUE(todos.has_value());
    ASSERT_EQ(todos->size(), MovimientoMes::kMesesGrafica);
    EXPECT_EQ(todos->first().mes, QDate(2021, 10, 1));
    EXPECT_EQ(cifras(todos->last().cifras), resumen(QDate(2022, 9, 1), QDate(2022, 9, 30), {}));
    EXPECT_EQ(cifras(mov.meses(kPapeleria)->at(10).cifras),
              resumen(QDate(2022, 8, 1), QDate(2022, 8, 31), kPapeleria));
}

TEST_F(MovimientoMesTest, APeriodThatRunsBackwardsIsRefusedAndTheListStays) {
    MovimientoMes mov(*dm);
    ASSERT_TRUE(mov.calcule()) << dialogs.lastError().toStdString();
    mov.criterios().hasta = QDate(2022, 8, 31);
    EXPECT_FALSE(mov.consulta().has_value());
    EXPECT_FALSE(mov.calcule());
    EXPECT_FALSE(mov.meses({}).has_value());
    EXPECT_EQ(dialogs.errors(),
              QStringList{QStringLiteral("La fecha final del periodo es anterior a la fecha "
                                         "inicial.")});
    EXPECT_EQ(mov.proveedores().recordCount(), 2);
    mov.criterios().hasta = QDate(2022, 9, 30);
    EXPECT_EQ(mov.consulta().value_or("nada"),
              QStringLiteral("select * from movimiento_cxpagar_mes ('2022/09/01','2022/09/30',0)"));
}

}  // namespace
}  // namespace ledgrix::test
