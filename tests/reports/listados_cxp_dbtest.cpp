// The voucher listings and the withholdings by supplier on a real company
// database: which kinds a mask takes, prefix, number and date ranges, the
// annulled flag and the agency of the series, application lines in the
// detail, and withholdings that add up to the documents' own.
#include <QStringList>

#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {
namespace {

class ListadosCxpTest : public DocumentosTest {
  protected:
    // Transportes: charge 200 (Aug 15, with VAT and withholdings), discount 201 (Aug 20), both
    // crossed by application 300 (Sep 15), and a charge of agency 2's series (Aug 30).
    // Papelería: an annulled charge 202 and advance 400 (Aug 25, 25 withheld).
    void SetUp() override {
        DocumentosTest::SetUp();
        cargo(200, QStringLiteral("000200"), kTransportes, QDate(2022, 8, 15),
              QStringLiteral("300"), QStringLiteral("57"));
        run(QStringLiteral(
            "update NOTAS_DEBITO_PROVEEDOR set NDPR_RTFTEMONTO = 6, NDPR_RTIVAMONTO = 8.55, "
            "NDPR_RTICAMONTO = 1.24, NDPR_RTCREEM = 0.30, NDPR_PROY = '0001', NDPR_CENTRO = "
            "'0100', "
            "NDPR_SUBC = '0002' where NDPR_ID = 200"));
        descuento(201, QStringLiteral("000201"), kTransportes, QDate(2022, 8, 20),
                  QStringLiteral("50"));
        run(QStringLiteral(
            "update NOTAS_CREDITO_PROVEEDOR set NCPR_RTFTEMONTO = 1 where NCPR_ID = 201"));
        aplicacion(300, QStringLiteral("000300"), kTransportes, QDate(2022, 9, 15));
        aplicado(300, 1, 52, 201, QStringLiteral("-50"));
        aplicado(300, 2, 51, 200, QStringLiteral("50"));
        cargo(202, QStringLiteral("000202"), kPapeleria, QDate(2022, 8, 16), QStringLiteral("400"));
        run(QStringLiteral(
            "update NOTAS_DEBITO_PROVEEDOR set NDPR_ANULADO = 'S' where NDPR_ID = 202"));
        anticipo(400, QStringLiteral("000400"), kPapeleria, QDate(2022, 8, 25),
                 QStringLiteral("1000"));
        run(QStringLiteral(
            "update ANTICIPOS_PROVEEDOR set ANPR_RTFTEMONTO = 25 where ANPR_ID = 400"));
        run(
            QStringLiteral("insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL, SUCU_ID) values "
                           "(51, 'MED', '000001', 2)"));
        run(QStringLiteral(
            "insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, "
            "TERC_NIT, NDPR_MONTO) values (210, 'MED', '000001', '2022/08/30', '900123456', 70)"));
    }

    // Each row of `from` as its columns joined by '|', cast by the server (empty for null).
    QStringList lee(const QString& columnas, const QString& from) {
        QStringList textos;
        for (const QString& c : columnas.split(QLatin1Char(',')))
            textos << QStringLiteral("coalesce(cast(%1 as varchar(60)), '')").arg(c.trimmed());
        return lineas(QStringLiteral("select %1 from %2")
                          .arg(textos.join(QStringLiteral(" || '|' || ")), from));
    }
};

TEST_F(ListadosCxpTest, ConsecutivosPorClaseRangoAnuladosYAgencia) {
    struct Caso {
        const char* args;   // the eight arguments, as the window composes them
        QStringList filas;  // TIPO|PREFIJO|NUMERO
    } casos[] = {
        {"1,'N','0','ZZ','0','ZZ','N',0", {"51|0000|000200", "51|MED|000001"}},
        {"2,'N','0','ZZ','0','ZZ','N',0", {"52|0000|000201"}},
        {"4,'N','0','ZZ','0','ZZ','N',0", {"53|0000|000300"}},
        {"10,'N','0','ZZ','0','ZZ','N',0", {"52|0000|000201", "55|0000|000400"}},
        {"15,'N','0','ZZ','0','ZZ','N',0",
         {"51|0000|000200", "52|0000|000201", "53|0000|000300", "55|0000|000400", "51|MED|000001"}},
        // Annulled ones only when asked for.
        {"1,'N','0','ZZ','0','ZZ','S',0", {"51|0000|000200", "51|0000|000202", "51|MED|000001"}},
        {"15,'N','M','MZ','0','ZZ','N',0", {"51|MED|000001"}},
        {"15,'N','0','ZZ','000201','000300','N',0", {"52|0000|000201", "53|0000|000300"}},
        // Series shared by every agency appear only under "all".
        {"15,'N','0','ZZ','0','ZZ','S',2", {"51|MED|000001"}},
        {"15,'N','0','ZZ','0','ZZ','S',1", {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.args);
        EXPECT_EQ(lee(QStringLiteral("TIPO, PREFIJO, NUMERO"),
                      QStringLiteral("REP_CONSECUTIVOS_CXPAGAR(%1) order by prefijo, numero")
                          .arg(QLatin1String(c.args))),
                  c.filas);
    }
}

TEST_F(ListadosCxpTest, DetalleImportesYListadoCronologico) {
    // The detail gives an application its lines; other vouchers keep one row.
    EXPECT_EQ(lee(QStringLiteral("NUMERO, ITEM, TIPODOC, PREFDOC, NUMDOC, ABONO, MONTO, NOMTIPO"),
                  QStringLiteral("REP_CONSECUTIVOS_CXPAGAR(5,'S','0','ZZ','0','ZZ','N',0) "
                                 "order by prefijo, numero, item")),
              (QStringList{"000200||||||300.00|CARGOS A ACREEDORES",
                           "000300|1|52|0000|000201|-50.00|50.00|APLICACIONES DE ACREEDORES",
                           "000300|2|51|0000|000200|50.00|50.00|APLICACIONES DE ACREEDORES",
                           "000001||||||70.00|CARGOS A ACREEDORES"}));

    // By date, with the charge's cost centre and the supplier's data.
    EXPECT_EQ(
        lee(QStringLiteral(
                "PREF, NUMERO, NIT, CIU, ZONA_COD, TOTAL, NETO, NOMPROY, NOMCENTRO, NOMSUBC"),
            QStringLiteral("rep_comprobantes_cxpagar(15,'N','2022/08/01','2022/08/20', '', 'N', 0) "
                           "order by fecha")),
        (QStringList{"0000|000200|900123456|Bogotá D.C.|01|357.00|340.91|Operación "
                     "general|Administración|Tesorería",
                     "0000|000201|900123456|Bogotá D.C.|01|50.00|49.00|||"}));
    EXPECT_EQ(
        lee(QStringLiteral("NUMERO"), QStringLiteral("rep_comprobantes_cxpagar(15,'N','2022/08/16',"
                                                     "'2022/09/30', '', 'S', 0) order by fecha")),
        (QStringList{"000202", "000201", "000400", "000001", "000300"}));
}

TEST_F(ListadosCxpTest, RetencionesPorProveedor) {
    // Withholdings taken when recorded (the default) on everything above and on Papelería's
    // invoice 111; Transportes' invoice 110 leaves them for its payment on Aug 28.
    factura(111, QStringLiteral("000111"), kPapeleria, QDate(2022, 8, 10), QStringLiteral("2000"),
            QStringLiteral("380"), QStringLiteral("50"));
    configure(QStringLiteral("DESCONTAR RETENCIONES POR CAUSACION"), QStringLiteral("NO"));
    factura(110, QStringLiteral("000110"), kTransportes, QDate(2022, 8, 5), QStringLiteral("1000"),
            QStringLiteral("0"), QStringLiteral("25"));
    egreso(120, QStringLiteral("000120"), kTransportes, QDate(2022, 8, 28));
    run(
        QStringLiteral("insert into EGRESODETALLE (EGRE_ID, EGDE_ITEM, EGDE_TIPODOC, EGDE_IDDOC, "
                       "EGDE_ABONO, EGDE_RTFTE) values (120, 1, 21, 110, 975, 25)"));

    const QString desde = QStringLiteral("'2022/08/01'"), hasta = QStringLiteral("'2022/08/31'");
    const auto retenciones = [&](const char* rango, const char* detalle, const char* orden) {
        return lee(
            QStringLiteral("NIT, IDDOC, DEBITO, CREDITO, RTFTE, RTIVA, RTICA, INICIAL, SALDO"),
            QStringLiteral("rep_retencion_proveedor(%1,'0','zz',%2,%3,'%4','%5','N') "
                           "order by NIT, TIPODOC, IDDOC")
                .arg(QLatin1String(rango), desde, hasta, QLatin1String(detalle),
                     QLatin1String(orden)));
    };
    // What each supplier's documents withheld, read from the document tables themselves: a
    // discount gives it back. Each is counted once, when recorded or when paid.
    const auto suma = [&](const QString& nit, const QString& r) {
        const auto de = [&](const char* tabla, const char* p, const char* signo) {
            return QStringLiteral(
                       "select %1(%2) R from %3 where TERC_NIT = '%4' and %5_FECHA "
                       "between %6 and %7 and %5_ANULADO = 'N'")
                .arg(QLatin1String(signo), QString(r).replace(QLatin1Char('@'), QLatin1String(p)),
                     QLatin1String(tabla), nit, QLatin1String(p), desde, hasta);
        };
        return texto(
            QStringLiteral("select cast(coalesce(sum(R), 0) as varchar(20)) from (%1 union all %2 "
                           "union all %3 union all %4)")
                .arg(de("FACTURAS_COMPRA", "FACO", ""), de("NOTAS_DEBITO_PROVEEDOR", "NDPR", ""),
                     de("NOTAS_CREDITO_PROVEEDOR", "NCPR", "-"),
                     de("ANTICIPOS_PROVEEDOR", "ANPR", "")
                         .replace(QStringLiteral("+ ANPR_RTCREEM"), QString())));
    };
    const QStringList consolidado = retenciones("'0','zz'", "N", "C");
    ASSERT_EQ(consolidado.size(), 2);
    for (const QString& fila : consolidado) {
        const QStringList c = fila.split(QLatin1Char('|'));
        SCOPED_TRACE(fila.toStdString());
        EXPECT_EQ(c[4], suma(c[0], QStringLiteral("@_RTFTEMONTO")));
        EXPECT_EQ(c[5], suma(c[0], QStringLiteral("@_RTIVAMONTO")));
        EXPECT_EQ(c[6], suma(c[0], QStringLiteral("@_RTICAMONTO + @_RTCREEM")));
        // The period's movements carry the balance from its start to its end.
        EXPECT_DOUBLE_EQ(c[7].toDouble() + c[2].toDouble() - c[3].toDouble(), c[8].toDouble());
    }
    EXPECT_EQ(retenciones("'900123456','900123456'", "S", "C"),
              (QStringList{"900123456|110|1000.00|0.00|0.00|0.00|0.00|0.00|361.91",
                           "900123456|200|340.91|0.00|6.00|8.55|1.54|0.00|361.91",
                           "900123456|210|70.00|0.00|0.00|0.00|0.00|0.00|361.91",
                           "900123456|201|0.00|49.00|-1.00|0.00|0.00|0.00|361.91",
                           "900123456|120|0.00|1000.00|25.00|0.00|0.00|0.00|361.91"}));

    // By name the range compares names without case: "andina" is in A..B, "BANCO" sorts after B.
    run(QStringLiteral(
        "update TERCEROS set TERC_NOM = 'andina papeles' where TERC_NIT = '860045678'"));
    run(QStringLiteral(
        "update TERCEROS set TERC_NOM = 'BANCO DEL NORTE' where TERC_NIT = '900123456'"));
    EXPECT_EQ(retenciones("'A','B'", "N", "N"),
              QStringList{"860045678||2330.00|975.00|75.00|0.00|0.00|0.00|1355.00"});
}

}  // namespace
}  // namespace ledgrix::test
