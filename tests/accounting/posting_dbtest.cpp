#include <gtest/gtest.h>

#include <QDate>
#include <QMap>

#include "core/sql/sqltext.h"
#include "tests/support/consultas_contables.h"
#include "tests/support/documentos_fixture.h"

using ledgrix::test::kPapeleria;
using ledgrix::test::kTransportes;

namespace {

const QDate kSep10(2022, 9, 10);

struct Posteo {
    int error = -1;
    QString ver;
    int idc = -1;
};

// Posting against the demo interfaces of series "0000" (suppliers' group 01:
// payable 22050501, withholdings 23654001 / 23670501 / 23680501, advances
// 13300501; NIIF auxiliaries end in 05 instead of 01).
class PosteoTest : public ledgrix::test::DocumentosTest {
  protected:
    int interfaz(int tipo) { return ledgrix::test::interfaz(dm->sql(), tipo); }
    QString errores(int tipo, int id) { return ledgrix::test::errores(dm->sql(), tipo, id); }
    QVariant valor(const QString& sql) { return dm->sql().scalar(sql); }
    Posteo contabilice(const QString& procedimiento, int id, int tipo) {
        Posteo p;
        auto q = dm->sql().select(QStringLiteral("select ERROR, VER, IDC from %1(%2, %3, 0)")
                                      .arg(procedimiento)
                                      .arg(id)
                                      .arg(interfaz(tipo)));
        if (q && q->next()) {
            p.error = q->value(0).toInt();
            p.ver = q->value(1).toString();
            p.idc = q->value(2).toInt();
        }
        return p;
    }
    // Posts and moves the voucher into the ledger; answers its ENCO_CONSEC.
    int registre(const QString& procedimiento, int id, int tipo) {
        const Posteo p = contabilice(procedimiento, id, tipo);
        EXPECT_GT(p.idc, 0) << errores(tipo, id).toStdString();
        run(QStringLiteral("execute procedure CONTABILIZA_PENDIENTE(%1)").arg(p.idc));
        return valor(QStringLiteral("select ENCO_CONSEC from COMPROBANTE_ENCABEZADO where "
                                    "ENCO_TIPOREF = %1 and ENCO_IDREF = %2")
                         .arg(tipo)
                         .arg(id))
            .toInt();
    }
    // Net movement per account of a ledger voucher: debits positive.
    QMap<QString, QString> movimiento(int consec, bool niif = false) {
        QMap<QString, QString> m;
        auto q = dm->sql().select(
            QStringLiteral(
                "select CUEN_COD, cast(sum(CODE_DEBITOS - CODE_CREDITOS) as varchar(24)) "
                "from %1 where ENCO_CONSEC = %2 group by CUEN_COD")
                .arg(niif ? QStringLiteral("COMPROBANTE_DETALLE_NIIF")
                          : QStringLiteral("COMPROBANTE_DETALLE"))
                .arg(consec));
        while (q && q->next())
            m.insert(q->value(0).toString(), q->value(1).toString());
        return m;
    }
    QString codigos(int tipo, int id) {
        QStringList c;
        auto q = dm->sql().select(
            QStringLiteral("select ERRO_CODIGO from ERRORES where ERRO_TIPODOC = %1 "
                           "and ERRO_IDDOC = %2 order by ERRO_ID")
                .arg(tipo)
                .arg(id));
        while (q && q->next())
            c << q->value(0).toString();
        return c.join(QLatin1Char(','));
    }
    void cargoCompleto(int id, const QString& numero) {
        run(QStringLiteral("insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, "
                           "NDPR_FECHA, NDPR_VENCE, "
                           "TERC_NIT, NDPR_MONTO, NDPR_IVAPORC, NDPR_IVAMONTO, NDPR_EXTRA, "
                           "NDPR_RTFTEPORC, NDPR_RTFTEMONTO, "
                           "NDPR_RTIVAPORC, NDPR_RTIVAMONTO, NDPR_RTICAPORC, NDPR_RTICAMONTO) "
                           "values (%1, '0000', '%2', "
                           "'2022-09-10', '2022-10-10', '%3', 1000000, 19, 190000, 5000, 2.5, "
                           "25000, 15, 28500, 9.66, 9660)")
                .arg(id)
                .arg(numero, kTransportes));
    }
};

TEST_F(PosteoTest, CargoEnAmbosLibrosConLasCuentasDeLaInterfaz) {
    cargoCompleto(500, QStringLiteral("000500"));
    const int consec = registre(QStringLiteral("CONTABIL_NOTADBPR_NIIF"), 500, 51);
    EXPECT_EQ(errores(51, 500), QString());

    const QMap<QString, QString> local{{"51355001", "1005000.00"}, {"24081001", "190000.00"},
                                       {"23654001", "-25000.00"},  {"23670501", "-28500.00"},
                                       {"23680501", "-9660.00"},   {"22050501", "-1131840.00"}};
    EXPECT_EQ(movimiento(consec), local);
    QMap<QString, QString> niif;
    for (auto it = local.begin(); it != local.end(); ++it)
        niif.insert(it.key().left(6) + "05", it.value());
    EXPECT_EQ(movimiento(consec, true), niif);

    auto q =
        dm->sql().select(QStringLiteral("select TICO_COD, PRCO_PREF, ENCO_NUMERO, ENCO_FECHA, "
                                        "ENCO_PREFREF || ENCO_NUMREF from COMPROBANTE_ENCABEZADO "
                                        "where ENCO_CONSEC = %1")
                             .arg(consec));
    ASSERT_TRUE(q && q->next());
    EXPECT_EQ(q->value(0).toString() + q->value(1).toString() + q->value(2).toString(),
              QStringLiteral("CXP0001000001"));
    EXPECT_EQ(q->value(3).toDate(), kSep10);
    EXPECT_EQ(q->value(4).toString(), QStringLiteral("0000000500"));
    // The withholding line carries its base and rate (ICA per thousand as a percentage), the
    // payable the due date.
    const QString linea = QStringLiteral(
        "select %1 from COMPROBANTE_DETALLE where ENCO_CONSEC = %2 and CUEN_COD = '%3'");
    EXPECT_EQ(valor(linea
                        .arg(QStringLiteral("cast(CODE_BASE as varchar(24)) || ' ' || "
                                            "cast(CODE_PORC as varchar(24))"))
                        .arg(consec)
                        .arg(QStringLiteral("23680501")))
                  .toString(),
              QStringLiteral("-1000000.00 0.9660"));
    EXPECT_EQ(
        valor(
            linea.arg(QStringLiteral("CODE_DOCVENCE")).arg(consec).arg(QStringLiteral("22050501")))
            .toDate(),
        QDate(2022, 10, 10));

    // Local lines rebuilt from the NIIF ones land on the same local accounts.
    const int idc =
        valor(QStringLiteral("select CNTB_ID from CONTABILIZACION where CNTB_IDREF = 500")).toInt();
    EXPECT_EQ(
        valor(QStringLiteral("select ERROR from CONTABIL_EQUIVALENCIA_LOCAL(51, 500, %1)").arg(idc))
            .toInt(),
        0);
    run(QStringLiteral("execute procedure CONTABILIZA_PENDIENTE(%1)").arg(idc));
    EXPECT_EQ(
        movimiento(valor(QStringLiteral("select ENCO_CONSEC from COMPROBANTE_ENCABEZADO")).toInt()),
        local);
}

TEST_F(PosteoTest, DescuentoReversoConNiifPorEquivalencia) {
    run(QStringLiteral("insert into NOTAS_CREDITO_PROVEEDOR (NCPR_ID, PREF_PRE, NCPR_NUMERO, "
                       "NCPR_FECHA, TERC_NIT, NCPR_MONTO, "
                       "NCPR_IVAMONTO, NCPR_RTFTEMONTO) values (600, '0000', '000600', "
                       "'2022-09-10', '%1', 200000, 38000, 5000)")
            .arg(kPapeleria));
    const int consec = registre(QStringLiteral("CONTABIL_NOTACRPR_NIIF"), 600, 52);
    EXPECT_EQ(errores(1052, 600), QString());
    const QMap<QString, QString> local{{"51355001", "-200000.00"},
                                       {"24081001", "-38000.00"},
                                       {"23654001", "5000.00"},
                                       {"22050501", "233000.00"}};
    EXPECT_EQ(movimiento(consec), local);
    EXPECT_EQ(movimiento(consec, true).value(QStringLiteral("22050505")),
              QStringLiteral("233000.00"));

    // A local account without NIIF equivalent is reported under the NIIF code and left out.
    run(QStringLiteral("update CUENTAS_NIIF set CUEN_LOCAL = null where CUEN_COD = '24081005'"));
    const Posteo p = contabilice(QStringLiteral("CONTABIL_NOTACRPR_NIIF"), 600, 52);
    EXPECT_EQ(codigos(1052, 600), QStringLiteral("EQUIV,DESC"));
    EXPECT_EQ(p.error, 2);
    EXPECT_GT(p.idc, 0);
}

TEST_F(PosteoTest, AplicacionDeAnticipoContraCargo) {
    cargo(501, QStringLiteral("000501"), kTransportes, kSep10, QStringLiteral("300000"));
    anticipo(700, QStringLiteral("000700"), kTransportes, kSep10, QStringLiteral("120000"));
    aplicacion(800, QStringLiteral("000800"), kTransportes, kSep10);
    run(QStringLiteral(
        "insert into APLICACION_PROVEEDOR_DETALLE (APPR_ID, APPD_ITEM, APPD_TIPODOC, APPD_IDDOC, "
        "APPD_APLICADO, APPD_RTFTE) values (800, 1, 51, 501, 117000, 3000)"));
    aplicado(800, 2, 55, 700, QStringLiteral("-117000"));

    const int consec = registre(QStringLiteral("CONTABIL_APLICAPR_NIIF"), 800, 53);
    EXPECT_EQ(errores(1053, 800), QString());
    EXPECT_EQ(movimiento(consec), (QMap<QString, QString>{{"22050501", "120000.00"},
                                                          {"23654001", "-3000.00"},
                                                          {"13300501", "-117000.00"}}));
    EXPECT_EQ(movimiento(consec, true).value(QStringLiteral("13300505")),
              QStringLiteral("-117000.00"));
}

TEST_F(PosteoTest, EgresoConDescuentoRetencionCajaBancoYLineasContables) {
    cargo(502, QStringLiteral("000502"), kTransportes, kSep10, QStringLiteral("500000"));
    egreso(900, QStringLiteral("000900"), kTransportes, kSep10);
    run(
        QStringLiteral("insert into EGRESODETALLE (EGRE_ID, EGDE_ITEM, EGDE_TIPODOC, EGDE_IDDOC, "
                       "EGDE_ABONO, EGDE_DTOF, "
                       "EGDE_RTFTE) values (900, 1, 51, 502, 480000, 10000, 10000)"));
    run(
        QStringLiteral("insert into EGRECAJA (EGRE_ID, EGCA_ITEM, CAJA_ID, FOPA_ID, EGCA_MONTO) "
                       "values (900, 1, 1, 1, 80000)"));
    run(QStringLiteral(
        "insert into EGREBANCO (EGRE_ID, EGBC_TIPOBCO, CUBA_COD, PRBA_PREF, EGBC_NUMERO, "
        "EGBC_MONTO) values (900, 72, 'BOGCTE', 'CH', '000900', 400000)"));
    run(QStringLiteral(
        "insert into EGRECONTA (EGRE_ID, EGCO_ITEM, CUEN_COD, EGCO_DEBITOS, EGCO_CREDITOS) values "
        "(900, 1, '53053501', 1500, 0)"));
    run(QStringLiteral(
        "insert into EGRECONTA (EGRE_ID, EGCO_ITEM, CUEN_COD, EGCO_DEBITOS, EGCO_CREDITOS) values "
        "(900, 2, '11050501', 0, 1500)"));

    const int consec = registre(QStringLiteral("CONTABIL_EGRESO_NIIF"), 900, 62);
    EXPECT_EQ(errores(1062, 900), QString());
    EXPECT_EQ(movimiento(consec), (QMap<QString, QString>{{"22050501", "500000.00"},
                                                          {"42104001", "-10000.00"},
                                                          {"23654001", "-10000.00"},
                                                          {"11050501", "-81500.00"},
                                                          {"11100501", "-400000.00"},
                                                          {"53053501", "1500.00"}}));
    EXPECT_EQ(movimiento(consec, true).value(QStringLiteral("11100505")),
              QStringLiteral("-400000.00"));

    // Money that leaves without a line on the other side is not hidden, in either book.
    run(QStringLiteral("update EGREBANCO set EGBC_MONTO = 400001 where EGRE_ID = 900"));
    const Posteo p = contabilice(QStringLiteral("CONTABIL_EGRESO"), 900, 62);
    EXPECT_EQ(errores(62, 900),
              QStringLiteral(
                  "DESC:El comprobante no cuadra: débitos 501500.00, créditos 501501.00. "
                  "DESC:El comprobante NIIF no cuadra: débitos 501500.00, créditos 501501.00. "));
    EXPECT_EQ(p.error, 2);
}

TEST_F(PosteoTest, CadaModoCalculaUnLibroDeLaInterfazYElOtroPorEquivalencia) {
    // The NIIF twin sends the base to a NIIF account whose local equivalent
    // is not the local interface's: the book that follows the other shows it.
    cargoCompleto(506, QStringLiteral("000506"));
    run(QStringLiteral(
            "update INTERFAZ_CXPAGAR_NIIF set INCP_CTABASE = '513525' where INCP_ID = %1")
            .arg(interfaz(51)));
    const struct {
        const char* procedimiento;
        QMap<QString, QString> local;
    } casos[] = {{"CONTABIL_NOTADBPR", {{"51355001", "1005000.00"}}},
                 {"CONTABIL_NOTADBPR_NIIF", {{"513525", "1000000.00"}, {"51355001", "5000.00"}}}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.procedimiento);
        const int consec = registre(QLatin1String(c.procedimiento), 506, 51);
        EXPECT_EQ(errores(51, 506), QString());
        const QMap<QString, QString> local = movimiento(consec), niif = movimiento(consec, true);
        for (auto it = c.local.begin(); it != c.local.end(); ++it)
            EXPECT_EQ(local.value(it.key()), it.value());
        EXPECT_EQ(local.value(QStringLiteral("22050501")), QStringLiteral("-1131840.00"));
        EXPECT_EQ(niif.value(QStringLiteral("513525")), QStringLiteral("1000000.00"));
        EXPECT_EQ(niif.value(QStringLiteral("22050505")), QStringLiteral("-1131840.00"));
    }

    // Without NIIF settings the local lines still come, and the missing book is told.
    run(QStringLiteral("delete from INTERFAZ_CXPAGAR_NIIF where INCP_ID = %1").arg(interfaz(51)));
    for (const char* procedimiento : {"CONTABIL_NOTADBPR", "CONTABIL_NOTADBPR_NIIF"}) {
        SCOPED_TRACE(procedimiento);
        const int consec = registre(QLatin1String(procedimiento), 506, 51);
        EXPECT_EQ(codigos(51, 506), QStringLiteral("NIIF"));
        EXPECT_EQ(movimiento(consec).value(QStringLiteral("22050501")),
                  QStringLiteral("-1131840.00"));
    }
}

TEST_F(PosteoTest, ElNumeroPropuestoAlPrepararSeUsaOSeCorreSiOtroLoTomo) {
    cargoCompleto(507, QStringLiteral("000507"));
    cargoCompleto(508, QStringLiteral("000508"));
    // Two stations stage at once: both are shown the prefix's next number.
    const Posteo a = contabilice(QStringLiteral("CONTABIL_NOTADBPR"), 507, 51);
    const Posteo b = contabilice(QStringLiteral("CONTABIL_NOTADBPR"), 508, 51);
    const QString numeros = QStringLiteral(
        "select list(CNTB_NUMERO, ' ') from (select CNTB_NUMERO from CONTABILIZACION "
        "order by CNTB_IDREF)");
    EXPECT_EQ(dm->sql().scalar(numeros).toString(), QStringLiteral("000001 000001"));
    run(QStringLiteral("execute procedure CONTABILIZA_PENDIENTE(%1)").arg(b.idc));
    run(QStringLiteral("execute procedure CONTABILIZA_PENDIENTE(%1)").arg(a.idc));
    EXPECT_EQ(dm->sql().scalar(numeros).toString(), QStringLiteral("000002 000001"));
    EXPECT_EQ(
        valor(QStringLiteral("select PREF_NUMERO from PREFIJOS_CONTA where TICO_COD = 'CXP'")),
        QStringLiteral("000003"));
}

TEST_F(PosteoTest, CuentasQueFaltanSeReportanYElComprobanteSigue) {
    cargoCompleto(503, QStringLiteral("000503"));
    run(
        QStringLiteral("update INTERFAZ_CXPAGAR set INCP_CTABASE = null, INCP_CTAEXTRA = "
                       "'51953002' where TIDO_COD = 51"));
    const Posteo p = contabilice(QStringLiteral("CONTABIL_NOTADBPR"), 503, 51);
    EXPECT_GT(p.idc, 0);
    EXPECT_EQ(p.ver, QStringLiteral("N"));
    EXPECT_EQ(codigos(51, 503), QStringLiteral("CUENTA,CUENTA,DESC"));
    EXPECT_EQ(p.error, 3);
    EXPECT_TRUE(errores(51, 503).contains(QStringLiteral("51953002")))
        << "the inactive account is named";

    // Each call starts afresh: fixed interface, no errors left and one staging voucher.
    run(QStringLiteral(
        "update INTERFAZ_CXPAGAR set INCP_CTABASE = '51355001', INCP_CTAEXTRA = '51355001', "
        "INCP_CONFIRMAR = 'S' where TIDO_COD = 51"));
    const Posteo q = contabilice(QStringLiteral("CONTABIL_NOTADBPR"), 503, 51);
    EXPECT_EQ(q.error, 0);
    EXPECT_EQ(q.ver, QStringLiteral("S"));
    EXPECT_EQ(filas(QStringLiteral("CONTABILIZACION where CNTB_IDREF = 503")), 1);

    // No interface, annulled document: nothing staged.
    EXPECT_EQ(
        dm->sql().scalar(QStringLiteral("select IDC from CONTABIL_NOTADBPR(503, 999, 0)")).toInt(),
        0);
    EXPECT_EQ(codigos(51, 503), QStringLiteral("INTERFAZ"));
    run(QStringLiteral("update NOTAS_DEBITO_PROVEEDOR set NDPR_ANULADO = 'S' where NDPR_ID = 503"));
    EXPECT_EQ(contabilice(QStringLiteral("CONTABIL_NOTADBPR"), 503, 51).idc, 0);
    EXPECT_EQ(codigos(51, 503), QStringLiteral("DOCUMENTO"));
}

TEST_F(PosteoTest, ContabilizarDeNuevoReemplazaElComprobanteConSuNumero) {
    cargoCompleto(504, QStringLiteral("000504"));
    cargoCompleto(505, QStringLiteral("000505"));
    const int primero = registre(QStringLiteral("CONTABIL_NOTADBPR"), 504, 51);
    registre(QStringLiteral("CONTABIL_NOTADBPR"), 505, 51);
    run(QStringLiteral(
        "update NOTAS_DEBITO_PROVEEDOR set NDPR_MONTO = 1100000 where NDPR_ID = 504"));
    const int otra = registre(QStringLiteral("CONTABIL_NOTADBPR"), 504, 51);

    EXPECT_NE(otra, primero);
    EXPECT_EQ(filas(QStringLiteral("COMPROBANTE_ENCABEZADO")), 2);
    EXPECT_EQ(filas(QStringLiteral("COMPROBANTE_DETALLE where ENCO_CONSEC = %1").arg(primero)), 0);
    EXPECT_EQ(
        dm->sql()
            .scalar(QStringLiteral(
                "select list(ENCO_IDREF || '=' || ENCO_NUMERO, ' ') from "
                "(select ENCO_IDREF, ENCO_NUMERO from COMPROBANTE_ENCABEZADO order by ENCO_IDREF)"))
            .toString(),
        QStringLiteral("504=000001 505=000002"));
    EXPECT_EQ(
        valor(QStringLiteral("select PREF_NUMERO from PREFIJOS_CONTA where TICO_COD = 'CXP'")),
        QStringLiteral("000003"));
    EXPECT_EQ(
        valor(QStringLiteral("select CNTB_PROCESADO from CONTABILIZACION where CNTB_IDREF = 504")),
        QStringLiteral("S"));
    EXPECT_EQ(movimiento(otra).value(QStringLiteral("51355001")), QStringLiteral("1105000.00"));
}

TEST_F(PosteoTest, UnCentroSinSubcentrosEsValidoConUnoVacio) {
    const struct {
        const char* centro;
        const char* existe;
    } centros[] = {{"'0001', '0100', '0002'", "S"},
                   {"'0002', '0300', ''", "S"},
                   {"'0001', '0100', ''", "N"},
                   {"'0001', '0300', '0001'", "N"}};
    for (const auto& c : centros)
        EXPECT_EQ(
            dm->sql().scalar(
                QStringLiteral("select * from EXISTE_CENTRO(%1)").arg(QLatin1String(c.centro))),
            QLatin1String(c.existe))
            << c.centro;
}

}  // namespace
