// The period procedures on a real company database: a supplier's movement
// starts at the relation's balance the day before the period, its rows run
// (by the window's rule, under either withholding setting) to the relation's
// balance at the period's end; the monthly summary agrees with the relation
// at both ends; annulled documents, documents outside the period and those
// of another agency or currency are left out; the analysis lists exactly the
// period's live documents.
#include <QStringList>

#include "tests/reports/movimiento_fixture.h"

namespace ledgrix::test {
namespace {

const QDate kJun1(2022, 6, 1), kAgo1(2022, 8, 1), kAgo10(2022, 8, 10), kAgo31(2022, 8, 31),
    kSep15(2022, 9, 15), kSep20(2022, 9, 20), kSep25(2022, 9, 25), kSep30(2022, 9, 30);

class MovimientoCxpTest : public MovimientoTest {
  protected:
    // Besides Transportes' movement: the charge and the discount crossed for 48 on Sep 15; an
    // annulled charge; a charge of an agency-2 series; a charge after the period. Papelería: an
    // invoice after the period only, paid in part by a voucher dated before it (inside the
    // period). The foreign supplier: 100 dollars at 4,000.
    void SetUp() override {
        MovimientoTest::SetUp();
        aplicacion(300, QStringLiteral("000300"), kTransportes, kSep15);
        aplicado(300, 1, 52, 201, QStringLiteral("-48"));
        aplicado(300, 2, 51, 200, QStringLiteral("48"));
        cargo(202, QStringLiteral("000202"), kTransportes, kAgo10, QStringLiteral("40"));
        run(QStringLiteral(
            "update NOTAS_DEBITO_PROVEEDOR set NDPR_ANULADO = 'S' where NDPR_ID = 202"));
        run(QStringLiteral(
            "insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL, SUCU_ID) values (51, 'MED', "
            "'000001', 2)"));
        run(QStringLiteral(
            "insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, "
            "TERC_NIT, NDPR_MONTO) values (210, 'MED', '000001', '2022/08/30', '900123456', 70)"));
        cargo(203, QStringLiteral("000203"), kTransportes, kSep25, QStringLiteral("90"));
        factura(101, QStringLiteral("000101"), kPapeleria, kSep25, QStringLiteral("2000"));
        egreso(101, QStringLiteral("000101"), kPapeleria, kSep15);
        pago(101, 1, 21, 101, QStringLiteral("300"));
        factura(102, QStringLiteral("000102"), kExterior, kAgo1, QStringLiteral("400000"),
                QStringLiteral("0"), QStringLiteral("0"), 2, QStringLiteral("4000"));
    }

    QList<QStringList> movimiento(const QString& nit, const QDate& desde, const QDate& hasta,
                                  const char* detalle, int agencia, int moneda) {
        return lee(QStringLiteral(
                       "select TIPODOC, IDDOC, INICIAL, DEBITO, CREDITO, ABONO, RTFTE + RTIVA + "
                       "RTICA, ARTFTE + ARTIVA + ARTICA, SALDO from rep_movimiento_proveedor(%1,%1,"
                       "'0','zz',%2,%3,'%4','C','N',%5,%6) order by FECHA, ABONO, TIPODOC, IDDOC")
                       .arg(sql::quoted(nit), fecha(desde), fecha(hasta), QLatin1String(detalle))
                       .arg(moneda)
                       .arg(agencia));
    }
};

TEST_F(MovimientoCxpTest, MovimientoVaDelSaldoInicialAlFinalComoLaRelacion) {
    struct Caso {
        QString nit;
        QDate desde, hasta;
        int agencia, moneda;
        QStringList filas;  // TIPODOC|IDDOC|DEBITO|CREDITO|ABONO|withheld by doc|by payment
    } casos[] = {
        {kTransportes,
         kAgo1,
         kSep20,
         0,
         0,
         {"51|200|357|0|0|13|0", "52|201|0|50|0|-2|0", "54|100|0|0|525|0|25", "51|210|70|0|0|0|0",
          "53|300|0|0|-48|0|0", "53|300|0|0|48|0|0"}},
        // The application comes after the period: the discount is still open at its end.
        {kTransportes,
         kAgo1,
         kAgo31,
         0,
         0,
         {"51|200|357|0|0|13|0", "52|201|0|50|0|-2|0", "54|100|0|0|525|0|25", "51|210|70|0|0|0|0"}},
        {kTransportes, kAgo1, kSep20, 2, 0, {"51|210|70|0|0|0|0"}},
        {kTransportes, kAgo1, kSep20, 1, 0, {"||0|0|0|0|0"}},
        {kTransportes, kAgo1, kSep20, 0, 2, {"||0|0|0|0|0"}},
        {kTransportes, kSep20.addDays(1), kSep30, 0, 0, {"51|203|90|0|0|0|0"}},
        {kExterior, kAgo1, kSep20, 0, 2, {"21|102|100|0|0|0|0"}},
        {kPapeleria, kAgo1, kSep20, 0, 0, {"||0|0|0|0|0"}},
        // The payment dated before its invoice counts in the invoice's period, first.
        {kPapeleria,
         kSep20.addDays(1),
         kSep30,
         0,
         0,
         {"54|101|0|0|300|0|0", "21|101|2000|0|0|0|0"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nit.toStdString() + " " + c.desde.toString(Qt::ISODate).toStdString() + " " +
                     c.hasta.toString(Qt::ISODate).toStdString() + " agencia " +
                     std::to_string(c.agencia) + " moneda " + std::to_string(c.moneda));
        const double inicial = relacion(c.nit, c.desde.addDays(-1), c.agencia, c.moneda);
        const double final_ = relacion(c.nit, c.hasta, c.agencia, c.moneda);
        // The window's running balance, under both withholding settings.
        for (const char* descuenta : {"SI", "NO"}) {
            SCOPED_TRACE(descuenta);
            configure(QStringLiteral("DESCONTAR RETENCIONES POR CAUSACION"),
                      QLatin1String(descuenta));
            const bool d = QLatin1String(descuenta) == QLatin1String("SI");
            const auto filas = movimiento(c.nit, c.desde, c.hasta, "S", c.agencia, c.moneda);
            QStringList vistas;
            double saldof = 0;
            for (const QStringList& f : filas) {
                EXPECT_DOUBLE_EQ(f[2].toDouble(), inicial);
                EXPECT_DOUBLE_EQ(f[8].toDouble(), final_);
                const double debito = f[3].toDouble(), credito = f[4].toDouble(),
                             abono = f[5].toDouble(), ret = f[6].toDouble();
                if (&f == &filas.front())
                    saldof = f[2].toDouble();
                saldof += debito - credito - abono;
                if (abono == 0 && d)
                    saldof -= ret;
                if (abono != 0 && !d)
                    saldof += ret;
                // Under "NO" a document shows what it moved the balance by.
                const double bruto = d ? debito : debito + (ret > 0 ? ret : 0);
                const double descuento = d ? credito : credito - (ret < 0 ? ret : 0);
                vistas << QStringList{f[0],
                                      f[1],
                                      QString::number(bruto),
                                      QString::number(descuento),
                                      QString::number(abono),
                                      QString::number(ret),
                                      QString::number(f[7].toDouble())}
                              .join(QLatin1Char('|'));
            }
            EXPECT_EQ(vistas, c.filas);
            EXPECT_NEAR(saldof, final_, 0.001);
            // Without detail the supplier's one row adds up the same way.
            const auto uno = movimiento(c.nit, c.desde, c.hasta, "N", c.agencia, c.moneda);
            ASSERT_EQ(uno.size(), 1);
            EXPECT_NEAR(uno[0][2].toDouble() + uno[0][3].toDouble() - uno[0][4].toDouble() -
                            uno[0][5].toDouble(),
                        final_, 0.001);
            EXPECT_DOUBLE_EQ(uno[0][2].toDouble(), inicial);
        }
    }
}

TEST_F(MovimientoCxpTest, MovimientoMensualCuadraConLaRelacion) {
    struct Caso {
        QDate desde, hasta;
        int moneda;
        QStringList filas;  // NIT|DEBITOS|CREDITOS|ABONOS
    } casos[] = {
        // Nothing settled after Sep 20: the end balances come from the open book at once.
        {kAgo1, kSep20, 0, {"800987654|400000|0|0", "900123456|414|48|525"}},
        {kAgo1, kAgo31, 0, {"800987654|400000|0|0", "900123456|414|48|525"}},
        {kSep20.addDays(1),
         kSep30,
         0,
         {"800987654|0|0|0", "860045678|2000|0|300", "900123456|90|0|0"}},
        {kAgo1, kSep20, 2, {"800987654|100|0|0"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.desde.toString(Qt::ISODate).toStdString() + " " +
                     c.hasta.toString(Qt::ISODate).toStdString() + " moneda " +
                     std::to_string(c.moneda));
        QStringList vistas;
        for (const QStringList& f :
             lee(QStringLiteral("select NIT, INICIAL, DEBITOS, CREDITOS, ABONOS, FINAL, NOMBRE, "
                                "GRUPO from movimiento_cxpagar_mes(%1, %2, %3) order by NIT")
                     .arg(fecha(c.desde), fecha(c.hasta))
                     .arg(c.moneda))) {
            SCOPED_TRACE(f[0].toStdString());
            const double inicial = f[1].toDouble(), final_ = f[5].toDouble();
            EXPECT_NEAR(inicial + f[2].toDouble() - f[3].toDouble() - f[4].toDouble(), final_,
                        0.001);
            EXPECT_DOUBLE_EQ(inicial, relacion(f[0], c.desde.addDays(-1), 0, c.moneda));
            EXPECT_DOUBLE_EQ(final_, relacion(f[0], c.hasta, 0, c.moneda));
            EXPECT_FALSE(f[6].isEmpty());
            EXPECT_FALSE(f[7].isEmpty());
            vistas << QStringList{f[0], QString::number(f[2].toDouble()),
                                  QString::number(f[3].toDouble()),
                                  QString::number(f[4].toDouble())}
                          .join(QLatin1Char('|'));
        }
        EXPECT_EQ(vistas, c.filas);
    }
}

// Every supplier's balance at a day, walked back from today's open book or
// forward from the ledger's start: both ways, on days before, inside and
// after the settlements, equal the relation's; so does one supplier's local
// balance summed from the ledger either way.
TEST_F(MovimientoCxpTest, SaldosFinalesIgualesEnAmbosSentidos) {
    for (const QDate& corte : {kJun1.addDays(-1), kAgo31, kSep15, kSep20, kSep30})
        for (const int moneda : {0, 2})
            for (const char* sentido : {"'A'", "'D'", "null"}) {
                SCOPED_TRACE(corte.toString(Qt::ISODate).toStdString() + " " + sentido + " " +
                             std::to_string(moneda));
                QStringList vistos;
                for (const QStringList& f :
                     lee(QStringLiteral("select NIT, FINAL from CXP_SALDOS_FINALES(%1, %2, %3) "
                                        "where FINAL <> 0 order by NIT")
                             .arg(fecha(corte))
                             .arg(moneda)
                             .arg(QLatin1String(sentido)))) {
                    EXPECT_DOUBLE_EQ(f[1].toDouble(), relacion(f[0], corte, 0, moneda))
                        << f[0].toStdString();
                    vistos << f[0];
                }
                for (const QString& nit : {kTransportes, kPapeleria, kExterior}) {
                    if (!vistos.contains(nit)) {
                        EXPECT_EQ(relacion(nit, corte, 0, moneda), 0.0) << nit.toStdString();
                    }
                    if (moneda == 0) {
                        EXPECT_DOUBLE_EQ(
                            texto(QStringLiteral("select SALDO from "
                                                 "CXP_SALDO_LOCAL_PROVEEDOR(%1, %2, %3)")
                                      .arg(sql::quoted(nit), fecha(corte), QLatin1String(sentido)))
                                .toDouble(),
                            relacion(nit, corte))
                            << nit.toStdString();
                    }
                }
            }
}

TEST_F(MovimientoCxpTest, AnalisisTraeLosDocumentosVivosDelPeriodo) {
    // Balances at the period's end: the Sep 15 application is after Aug 31.
    const auto filas = lee(QStringLiteral(
        "select PREFIJO, NUMERO, TERCERO, TIPODOC, cast(MONTO as varchar(24)), "
        "cast(SALDO as varchar(24)), NOMBRETERC, GRUPO, NOMTIPODOC from "
        "ANALISIS_CXPAGAR('2022/08/01', '2022/08/31') order by TIPODOC, PREFIJO, NUMERO"));
    QStringList vistas;
    for (const QStringList& f : filas) {
        EXPECT_FALSE(f[6].isEmpty());
        EXPECT_FALSE(f[7].isEmpty());
        EXPECT_FALSE(f[8].isEmpty());
        vistas << f.mid(0, 6).join(QLatin1Char('|'));
    }
    EXPECT_EQ(vistas, (QStringList{"0000|000102|800987654|21|400000.00|400000.00",
                                   "0000|000200|900123456|51|357.00|344.00",
                                   "MED|000001|900123456|51|70.00|70.00",
                                   "0000|000201|900123456|52|-50.00|-48.00"}));
}

}  // namespace
}  // namespace ledgrix::test
