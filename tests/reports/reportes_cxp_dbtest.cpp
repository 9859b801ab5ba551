// The payables report procedures on a real company database: positions at
// several cut-off dates (payments after the cut-off not counted), pending
// withholdings and discount, aging buckets, totals that agree with the
// registry, agency and currency filters, supplier ranges, and a key column
// that is never pasted into SQL.
#include <QSqlError>
#include <QStringList>

#include "tests/support/documentos_fixture.h"
#include "tests/support/invariantes_cxp.h"

namespace ledgrix::test {
namespace {

const QString kExterior = QStringLiteral("800987654");
const QDate kJun1(2022, 6, 1), kAgo1(2022, 8, 1), kAgo15(2022, 8, 15), kAgo20(2022, 8, 20),
    kAgo25(2022, 8, 25), kAgo31(2022, 8, 31), kSep10(2022, 9, 10), kSep15(2022, 9, 15),
    kSep21(2022, 9, 21);

class ReportesCxpTest : public DocumentosTest {
  protected:
    // Withholdings wait for the payment, so there is something pending to report.
    // Transportes: invoice 100 (due Jul 1; 1,190 with 25 to withhold) paid 500 + 25 withheld on
    // Sep 10; charge 200 (300) and discount 201 (-50) crossed by an application on Sep 15.
    // Papelería: invoice 101, 2,000 due Oct 10. The foreign supplier: 100 dollars at 4,000.
    void SetUp() override {
        DocumentosTest::SetUp();
        configure(QStringLiteral("DESCONTAR RETENCIONES POR CAUSACION"), QStringLiteral("NO"));
        factura(100, QStringLiteral("000100"), kTransportes, kJun1, QStringLiteral("1000"),
                QStringLiteral("190"), QStringLiteral("25"));
        run(QStringLiteral(
            "update FACTURAS_COMPRA set FACO_VENCE = '2022/07/01' where FACO_ID = 100"));
        egreso(100, QStringLiteral("000100"), kTransportes, kSep10);
        run(QStringLiteral(
            "insert into EGRESODETALLE (EGRE_ID, EGDE_ITEM, EGDE_TIPODOC, EGDE_IDDOC, EGDE_ABONO, "
            "EGDE_RTFTE) values (100, 1, 21, 100, 500, 25)"));
        run(QStringLiteral(
            "update EGRESOS set EGRE_MONTO = 500, EGRE_RTFTEMONTO = 25 where EGRE_ID = 100"));
        cargo(200, QStringLiteral("000200"), kTransportes, kAgo15, QStringLiteral("300"));
        descuento(201, QStringLiteral("000201"), kTransportes, kAgo20, QStringLiteral("50"));
        aplicacion(300, QStringLiteral("000300"), kTransportes, kSep15);
        aplicado(300, 1, 52, 201, QStringLiteral("-50"));
        aplicado(300, 2, 51, 200, QStringLiteral("50"));
        factura(101, QStringLiteral("000101"), kPapeleria, kAgo25, QStringLiteral("2000"));
        run(QStringLiteral(
            "update FACTURAS_COMPRA set FACO_VENCE = '2022/10/10' where FACO_ID = 101"));
        factura(102, QStringLiteral("000102"), kExterior, kAgo1, QStringLiteral("400000"),
                QStringLiteral("0"), QStringLiteral("0"), 2, QStringLiteral("4000"));
    }

    // Every row of a statement, its columns joined by '|'.
    static QString montos(const QString& cols) {
        QStringList out;
        for (const QString& c : cols.split(QLatin1Char(',')))
            out << QStringLiteral("cast(%1 as varchar(24))").arg(c.trimmed());
        return out.join(QLatin1Char(','));
    }
    QStringList relacion(const QString& nit, const QDate& corte, int agencia = 0, int moneda = 0) {
        return lineas(
            QStringLiteral(
                "select TIPO, ID, %1, DIAS from rep_cxpagar_proveedor(%2,%2,'0','zz',%3,'C','N',%4,"
                "'N',%5) order by TIPO, ID")
                .arg(montos(QStringLiteral("SALDO, RTFTE, DTOF")), sql::quoted(nit), fecha(corte))
                .arg(agencia)
                .arg(moneda));
    }
    QString consolidado(const QString& nit, const QDate& corte, int agencia = 0, int moneda = 0) {
        return texto(
            QStringLiteral(
                "select cast(SALDO as varchar(24)) from rep_cxpagar_consolidadas(%1,%1,'0','zz',"
                "%2,'C','N',%3,%4)")
                .arg(sql::quoted(nit), fecha(corte))
                .arg(agencia)
                .arg(moneda));
    }
    QStringList analisis(const QString& nit, const QDate& corte, int ancho, const char* porVencer,
                         const char* detalle) {
        return lineas(
            QStringLiteral("select DIAS, %1 from "
                           "rep_analisis_cxpagar(%2,%2,'0','zz',%3,'%4','C','N',%5,0,'%6',0) "
                           "order by TIPO, ID")
                .arg(montos(QStringLiteral("SALDO, CORRIENTE, CERO, TREINTA, SESENTA, NOVENTA")),
                     sql::quoted(nit), fecha(corte), QLatin1String(detalle))
                .arg(ancho)
                .arg(QLatin1String(porVencer)));
    }
};

TEST_F(ReportesCxpTest, PosicionesEnVariasFechasDeCorte) {
    // The open book the totals read follows every payment and application.
    EXPECT_EQ(libro_descuadrado(dm->sql()), QStringList());
    struct Caso {
        QString nit;
        QDate corte;
        QStringList filas;  // TIPO|ID|SALDO|RTFTE|DTOF|DIAS
    } casos[] = {
        // The Sep 10 payment and the Sep 15 application are after the cut-off: not counted.
        {kTransportes,
         kAgo31,
         {"21|100|1190.00|25.00|0.00|61", "51|200|300.00|0.00|0.00|16",
          "52|201|-50.00|0.00|0.00|11"}},
        {kTransportes,
         kSep10,  // a payment dated on the cut-off counts
         {"21|100|665.00|0.00|0.00|71", "51|200|300.00|0.00|0.00|26",
          "52|201|-50.00|0.00|0.00|21"}},
        {kTransportes, kSep21, {"21|100|665.00|0.00|0.00|82", "51|200|250.00|0.00|0.00|37"}},
        {kTransportes, kAgo15.addDays(-1), {"21|100|1190.00|25.00|0.00|44"}},
        // The prompt-payment discount is offered up to its date only.
        {kPapeleria, kAgo25, {"21|101|2000.00|0.00|10.00|-46"}},
        {kPapeleria, kAgo31, {"21|101|2000.00|0.00|0.00|-40"}},
        {kPapeleria, kAgo20, {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nit.toStdString() + " " + c.corte.toString(Qt::ISODate).toStdString());
        const QStringList filas = relacion(c.nit, c.corte);
        EXPECT_EQ(filas, c.filas);
        // One supplier's consultation and the totals agree with the relation and the registry.
        EXPECT_EQ(
            lineas(
                QStringLiteral(
                    "select TIPO, ID, %1, DIAS from cxpagar_proveedor(%2, %3, 0) order by TIPO, ID")
                    .arg(montos(QStringLiteral("SALDO, RTFTE, DTOF")), sql::quoted(c.nit),
                         fecha(c.corte))),
            filas);
        double suma = 0;
        for (const QString& f : filas)
            suma += f.section(QLatin1Char('|'), 2, 2).toDouble();
        EXPECT_DOUBLE_EQ(consolidado(c.nit, c.corte).toDouble(), suma);
        EXPECT_EQ(consolidado(c.nit, c.corte), saldoTercero(c.nit, c.corte));
    }
}

TEST_F(ReportesCxpTest, RangosDeVencimiento) {
    struct Caso {
        QString nit;
        QDate corte;
        int ancho;
        const char* porVencer;
        QString fila;  // consolidated: DIAS|SALDO|CORRIENTE|CERO|TREINTA|SESENTA|NOVENTA
    } casos[] = {
        {kTransportes, kAgo31, 30, "N", "61|1440.00|0.00|250.00|0.00|1190.00|0.00"},
        {kTransportes, kAgo31, 15, "N", "61|1440.00|0.00|-50.00|300.00|0.00|1190.00"},
        {kTransportes, kAgo31, 30, "S", "61|1440.00|1440.00|0.00|0.00|0.00|0.00"},
        {kPapeleria, kAgo31, 30, "N", "-40|2000.00|2000.00|0.00|0.00|0.00|0.00"},
        {kPapeleria, kAgo31, 30, "S", "-40|2000.00|0.00|0.00|2000.00|0.00|0.00"},
        {kPapeleria, kAgo31, 15, "S", "-40|2000.00|0.00|0.00|0.00|2000.00|0.00"},
        // Exactly on the bucket's last day and on the due date.
        {kPapeleria, QDate(2022, 11, 9), 30, "N", "30|2000.00|0.00|2000.00|0.00|0.00|0.00"},
        {kPapeleria, QDate(2022, 10, 10), 30, "S", "0|2000.00|0.00|2000.00|0.00|0.00|0.00"},
        {kPapeleria, kAgo20, 30, "N", "|0.00|0.00|0.00|0.00|0.00|0.00"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nit.toStdString() + " " + c.corte.toString(Qt::ISODate).toStdString() + " " +
                     std::to_string(c.ancho) + c.porVencer);
        EXPECT_EQ(analisis(c.nit, c.corte, c.ancho, c.porVencer, "N"), QStringList{c.fila});
        // The detail adds up to the consolidated row, column by column.
        double total[6] = {};
        for (const QString& f : analisis(c.nit, c.corte, c.ancho, c.porVencer, "S"))
            for (int i = 0; i < 6; ++i)
                total[i] += f.section(QLatin1Char('|'), i + 1, i + 1).toDouble();
        for (int i = 0; i < 6; ++i)
            EXPECT_DOUBLE_EQ(total[i], c.fila.section(QLatin1Char('|'), i + 1, i + 1).toDouble())
                << i;
    }
}

TEST_F(ReportesCxpTest, AgenciaMonedaYRangosDeProveedores) {
    // A charge of a series of agency 2 is the only document of agency 2.
    run(
        QStringLiteral("insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL, SUCU_ID) values "
                       "(51, 'MED', '000001', 2)"));
    run(QStringLiteral(
        "insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, TERC_NIT, "
        "NDPR_MONTO) values (210, 'MED', '000001', '2022/08/30', '900123456', 70)"));
    // Before and after the last payment: totals are read position by position, or grouped at once.
    EXPECT_EQ(consolidado(kTransportes, kAgo31, 2), QStringLiteral("70.00"));
    EXPECT_EQ(consolidado(kTransportes, kAgo31, 0), QStringLiteral("1510.00"));
    EXPECT_EQ(consolidado(kTransportes, kSep21, 2), QStringLiteral("70.00"));
    EXPECT_EQ(consolidado(kTransportes, kSep21, 1), QStringLiteral("0.00"));
    EXPECT_EQ(consolidado(kTransportes, kSep21, 0), QStringLiteral("985.00"));
    EXPECT_EQ(relacion(kTransportes, kAgo31, 2), QStringList{"51|210|70.00|0.00|0.00|1"});

    // Dollars: only dollar documents, in dollars; the exchange difference at the last rate
    // (3,952.35).
    for (const QDate& corte : {kAgo31, kSep21}) {
        EXPECT_EQ(consolidado(kExterior, corte, 0, 2), QStringLiteral("100.00"));
        EXPECT_EQ(consolidado(kExterior, corte, 0, 0), QStringLiteral("400000.00"));
        EXPECT_EQ(consolidado(kTransportes, corte, 0, 2), QStringLiteral("0.00"));
    }
    EXPECT_EQ(lineas(QStringLiteral(
                         "select %1 from rep_cxpagar_proveedor('800987654','800987654','0','zz',"
                         "'2022/08/31','C','N',0,'S',0)")
                         .arg(montos(QStringLiteral("SALDO, SALDOME, TRM, DIFCMB")))),
              QStringList{"400000.00|100.00|4000.0000|-4765.00"});

    // The windows' default ranges take every supplier, one row each.
    const int proveedores = filas(QStringLiteral("PROVEEDORES"));
    for (const char* rango : {"'0','zz'", "'','ñ'"})
        EXPECT_EQ(
            lineas(QStringLiteral("select NIT from "
                                  "rep_analisis_cxpagar(%1,'0','zz','2022/09/21','N','N','N',30,0,"
                                  "'N',0)")
                       .arg(QLatin1String(rango)))
                .size(),
            proveedores)
            << rango;
    EXPECT_EQ(
        lineas(QStringLiteral(
            "select NIT from rep_cxpagar_consolidadas('0','zz','0','zz','2022/09/21','C','N',0,0) "
            "where SALDO <> 0 order by NIT")),
        (QStringList{kExterior, kPapeleria, kTransportes}));
    EXPECT_EQ(lineas(QStringLiteral(
                  "select NIT from "
                  "rep_cxpagar_consolidadas('0','zz','02','02','2022/09/21','C','N',0,0)")),
              QStringList{kExterior});
}

TEST_F(ReportesCxpTest, DocumentosPorProveedor) {
    const auto documentos = [&](int tipo, const QString& columna, const char* desde,
                                const char* hasta, const char* detalle) {
        return lineas(
            QStringLiteral(
                "select NIT, PREF, NUMERO, ITEM, TIPODOC, cast(ABONO as varchar(24)), "
                "cast(TOTAL as varchar(24)), ANULADO from rep_documentos_proveedor(%1,'2022/08/01',"
                "'2022/09/30','%2','%3','0','zz',%4,'%5','C','N',0) order by NIT, NUMERO, ITEM")
                .arg(tipo)
                .arg(QLatin1String(desde), QLatin1String(hasta), sql::quoted(columna),
                     QLatin1String(detalle)));
    };
    run(QStringLiteral(
        "insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, TERC_NIT, "
        "NDPR_MONTO, NDPR_ANULADO) values (211, '0000', '000211', '2022/09/01', '860045678', 40, "
        "'S')"));
    // A name outside A-Z still falls in the name range "0".."ZZ".
    run(QStringLiteral(
        "update TERCEROS set TERC_NOM = 'Ñandú Papeles' where TERC_NIT = '860045678'"));
    EXPECT_EQ(
        documentos(51, QStringLiteral("T.TERC_NOM"), "0", "ZZ", "S"),
        (QStringList{"860045678|0000|000211||||40.00|S", "900123456|0000|000200||||300.00|N"}));
    EXPECT_EQ(documentos(51, QStringLiteral("t.terc_nit"), "900000000", "999999999", "N"),
              QStringList{"900123456|0000|000200||||300.00|N"});
    EXPECT_EQ(documentos(53, QStringLiteral("t.terc_nit"), "0", "999999999", "S"),
              (QStringList{"900123456|0000|000300|1|52|-50.00|50.00|N",
                           "900123456|0000|000300|2|51|50.00|50.00|N"}));
    EXPECT_EQ(documentos(54, QStringLiteral("t.terc_nit"), "0", "999999999", "S"),
              QStringList{"900123456|0000|000100|1|21|500.00|525.00|N"});

    // Anything but the two column names is refused, and nothing runs.
    dialogs.clear();
    auto q = dm->sql().select(QStringLiteral(
        "select * from rep_documentos_proveedor(51,'2022/08/01','2022/09/30','0','zz','0','zz',"
        "'t.terc_nit; delete from TERCEROS','N','C','N',0)"));
    EXPECT_FALSE(q && q->next());
    const QString msg = q ? q->lastError().text() : dialogs.lastError();
    EXPECT_TRUE(msg.contains(QStringLiteral("t.terc_nit o t.terc_nom"))) << msg.toStdString();
    EXPECT_GT(filas(QStringLiteral("TERCEROS")), 0);
}

}  // namespace
}  // namespace ledgrix::test
