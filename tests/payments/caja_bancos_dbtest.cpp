// What a stored payment voucher does to the cash and bank modules, on the
// demo database: the bank document and its series, the documents held in a
// box, the cash a box that checks it has, the release on annulment and
// deletion, and the posting of cash, bank and the financial-transactions tax.
#include <gtest/gtest.h>

#include <QMap>

#include "tests/support/consultas_contables.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/invariantes_cxp.h"

namespace ledgrix::test {
namespace {

const QDate kSep1(2022, 9, 1);
const QDate kSep10(2022, 9, 10);
const QDate kSep20(2022, 9, 20);

class CajaBancosTest : public DocumentosTest {
  protected:
    // Whatever a test did, the money of the stored vouchers must add up.
    void TearDown() override {
        if (dm) {
            EXPECT_EQ(medios_de_pago_descuadrados(dm->sql()), QStringList());
        }
        DocumentosTest::TearDown();
    }
    QString valor(const QString& sql) { return dm->sql().scalar(sql).toString(); }

    void banco(int egreso, int tipo, const char* cuenta, const char* prefijo, const char* numero,
               const char* monto, const char* gmf = "N") {
        run(QStringLiteral(
                "insert into EGREBANCO (EGRE_ID, EGBC_TIPOBCO, CUBA_COD, PRBA_PREF, EGBC_NUMERO, "
                "EGBC_MONTO, EGBC_GMF) values (%1, %2, '%3', '%4', '%5', %6, '%7')")
                .arg(egreso)
                .arg(tipo)
                .arg(QLatin1String(cuenta), QLatin1String(prefijo), QLatin1String(numero),
                     QLatin1String(monto), QLatin1String(gmf)));
    }
    static QString efectivo(int egreso, int item, int caja, const char* monto) {
        return QStringLiteral(
                   "insert into EGRECAJA (EGRE_ID, EGCA_ITEM, CAJA_ID, FOPA_ID, EGCA_MONTO) "
                   "values (%1, %2, %3, 1, %4)")
            .arg(egreso)
            .arg(item)
            .arg(caja)
            .arg(QLatin1String(monto));
    }
    // The first demo cheque held in the general box, by its keys.
    static QString cheque_recibido(int egreso, int item, int caja = 1) {
        return QStringLiteral(
                   "insert into EGRECAJA (EGRE_ID, EGCA_ITEM, CAJA_ID, FOPA_ID, EGCA_BANCO, "
                   "EGCA_CUENTA, EGCA_NUMERO, EGCA_MONTO) values (%1, %2, %3, 2, '07', "
                   "'40512345678', '004512', 350000)")
            .arg(egreso)
            .arg(item)
            .arg(caja);
    }
    QString entregado_a() {
        return valor(
            QStringLiteral("select DPCA_TIPOSAL || '/' || DPCA_IDSAL from DOCUMENTOS_PAGO_CAJA "
                           "where DPCA_NUMERO = '004512'"));
    }
    QString siguiente(const char* cuenta, int tipo) {
        return valor(
            QStringLiteral("select PRBA_NUMERO from PREFIJOS_BANCOS where CUBA_COD = '%1' and "
                           "TIDO_COD = %2")
                .arg(QLatin1String(cuenta))
                .arg(tipo));
    }
    // A box of the test's own, dated so that no demo movement falls in it.
    void caja(int id, const char* cuenta, const char* valef, const char* apertura) {
        run(QStringLiteral(
                "insert into CAJAS (CAJA_ID, CAJA_NOMBRE, CAJA_CUENTA, CAJA_VALEF) values "
                "(%1, 'CAJA %1', %2, '%3')")
                .arg(id)
                .arg(cuenta ? sql::quoted(QLatin1String(cuenta)) : QStringLiteral("null"),
                     QLatin1String(valef)));
        if (apertura)
            run(QStringLiteral("insert into MOVIMIENTOS_CAJA (CAJA_ID, MOCA_FECHA, MOCA_VALOR) "
                               "values (%1, %2, %3)")
                    .arg(id)
                    .arg(fecha(kSep1), QLatin1String(apertura)));
    }
    QString saldo_caja(int caja, const QDate& antes_de) {
        return valor(
            QStringLiteral("select cast(EFECTIVO as varchar(24)) from SALDO_EN_EFECTIVO(%1, %2)")
                .arg(caja)
                .arg(fecha(antes_de)));
    }
};

TEST_F(CajaBancosTest, ElDocumentoDelBancoSeEmiteUnaVezYCorreLaSerie) {
    egreso(910, QStringLiteral("000910"), kTransportes, kSep10);
    banco(910, 72, "BOGCTE", "CH", "001001", "100000", "S");
    EXPECT_EQ(valor(QStringLiteral(
                  "select CHEQ_NUMERO || ' ' || CHEQ_FECHA || ' ' || CHEQ_MONTO || ' ' || "
                  "CHEQ_GMF || ' ' || CHEQ_TIPOORI || ' ' || CHEQ_IDORI || ' ' || CHEQ_ANULADO "
                  "from CHEQUES")),
              QStringLiteral("001001 2022-09-10 100000.00 400.00 62 910 N"));
    EXPECT_EQ(valor(QStringLiteral(
                  "select EGRE_TIPOMOVBCO || (select count(*) from CHEQUES c where c.CHEQ_ID "
                  "= e.EGRE_IDMOVBCO) from EGRESOS e where EGRE_ID = 910")),
              QStringLiteral("CH1"));
    EXPECT_EQ(siguiente("BOGCTE", 72), QStringLiteral("001002"));

    // A number typed past the series moves it; one behind it leaves it.
    egreso(911, QStringLiteral("000911"), kTransportes, kSep10);
    banco(911, 73, "BCOLAH", "RE", "000005", "20000");
    egreso(912, QStringLiteral("000912"), kTransportes, kSep10);
    banco(912, 73, "BCOLAH", "RE", "000002", "20000");
    EXPECT_EQ(siguiente("BCOLAH", 73), QStringLiteral("000006"));
    EXPECT_EQ(valor(QStringLiteral(
                  "select list(RETI_NUMERO || ':' || RETI_IDORI) from (select * from RETIROS "
                  "order by RETI_NUMERO)")),
              QStringLiteral("000002:912,000005:911"));

    // Refusals roll back the voucher they arrive with, header included. A
    // number already issued is the voucher's own test, through its save.
    const struct {
        const char* linea;
        const char* mensaje;
    } rechazos[] = {
        {"72, 'BOGCTE', 'XX', '001500'",
         "La cuenta indicada no posee prefijos registrados para cheques o retiros."},
        {"72, 'NOEXISTE', 'CH', '001500'", "La cuenta bancaria indicada no existe o está cerrada."},
        {"72, 'BOGCTE', 'CH', '15A'", "El número del documento del banco debe tener solo dígitos."},
    };
    for (const auto& r : rechazos) {
        const QString mensaje = refused(
            QStringLiteral(
                "execute block as begin "
                "insert into EGRESOS (EGRE_ID, PREF_PRE, EGRE_NUMERO, EGRE_FECHA, TERC_NIT) values "
                "(913, '0000', '000913', '2022-09-10', '%1'); "
                "insert into EGREBANCO (EGRE_ID, EGBC_TIPOBCO, CUBA_COD, PRBA_PREF, EGBC_NUMERO, "
                "EGBC_MONTO) values (913, %2, 5000); end")
                .arg(kTransportes, QLatin1String(r.linea)));
        EXPECT_TRUE(mensaje.contains(QString::fromUtf8(r.mensaje))) << mensaje.toStdString();
    }
    EXPECT_EQ(valor(QStringLiteral("select count(*) from EGRESOS where EGRE_ID = 913")),
              QStringLiteral("0"));
    EXPECT_EQ(valor(QStringLiteral("select count(*) from CHEQUES")), QStringLiteral("1"));
    EXPECT_EQ(siguiente("BOGCTE", 72), QStringLiteral("001002"));

    // Annulled, the cheque keeps its number, also once its voucher is
    // deleted; only releasing it (the search, when asked) frees it.
    run(QStringLiteral("update EGRESOS set EGRE_ANULADO = 'S' where EGRE_ID = 910"));
    EXPECT_EQ(valor(QStringLiteral("select CHEQ_ANULADO from CHEQUES where CHEQ_IDORI = 910")),
              QStringLiteral("S"));
    egreso(915, QStringLiteral("000915"), kTransportes, kSep10);
    EXPECT_TRUE(
        refused(QStringLiteral(
                    "insert into EGREBANCO (EGRE_ID, EGBC_TIPOBCO, CUBA_COD, PRBA_PREF, "
                    "EGBC_NUMERO, EGBC_MONTO) values (915, 72, 'BOGCTE', 'CH', '001001', 1)"))
            .contains(QStringLiteral("Ya existe el documento del banco")));
    run(QStringLiteral("delete from EGRESOS where EGRE_ID = 910"));
    EXPECT_EQ(valor(QStringLiteral("select CHEQ_ANULADO from CHEQUES")), QStringLiteral("S"));
    run(QStringLiteral("delete from CHEQUES where CHEQ_IDORI = 910"));

    // A voucher still being entered issues nothing.
    egreso(0, QStringLiteral("000914"), kTransportes, kSep10);
    banco(0, 72, "BOGCTE", "CH", "001001", "100000");
    EXPECT_EQ(valor(QStringLiteral("select count(*) from CHEQUES")), QStringLiteral("0"));
}

TEST_F(CajaBancosTest, UnDocumentoGuardadoEnCajaSaleConUnSoloEgresoYVuelveAlAnularlo) {
    egreso(920, QStringLiteral("000920"), kTransportes, kSep10);
    egreso(921, QStringLiteral("000921"), kTransportes, kSep10);
    egreso(0, QStringLiteral("000922"), kTransportes, kSep10);
    run(cheque_recibido(0, 1));
    EXPECT_EQ(entregado_a(), QStringLiteral("0/0"));
    run(cheque_recibido(920, 1));
    EXPECT_EQ(entregado_a(), QStringLiteral("62/920"));

    const struct {
        QString sql;
        const char* mensaje;
    } rechazos[] = {
        {cheque_recibido(920, 2), "El documento de pago ya existe en este egreso."},
        {cheque_recibido(921, 1), "El documento de pago ya fue entregado en otro egreso."},
        {cheque_recibido(921, 1, 2), "No existe la forma de pago en la caja indicada."},
        {cheque_recibido(921, 1, 99), "La caja indicada no existe o está inactiva."},
    };
    for (const auto& r : rechazos) {
        const QString mensaje = refused(r.sql);
        EXPECT_TRUE(mensaje.contains(QString::fromUtf8(r.mensaje))) << mensaje.toStdString();
    }

    run(QStringLiteral("update EGRESOS set EGRE_ANULADO = 'S' where EGRE_ID = 920"));
    EXPECT_EQ(entregado_a(), QStringLiteral("0/0"));
    run(cheque_recibido(921, 1));
    EXPECT_EQ(entregado_a(), QStringLiteral("62/921"));
    // Taking the annulment back would spend the document twice.
    EXPECT_TRUE(refused(QStringLiteral("update EGRESOS set EGRE_ANULADO = 'N' where EGRE_ID = 920"))
                    .contains(QStringLiteral("ya fue entregado en otro egreso")));
    run(QStringLiteral("delete from EGRESOS where EGRE_ID = 921"));
    EXPECT_EQ(entregado_a(), QStringLiteral("0/0"));
}

TEST_F(CajaBancosTest, UnaCajaQueRevisaSuEfectivoNoQuedaEnRojo) {
    caja(9, "11051001", "S", "500000");
    caja(8, "11051001", "N", nullptr);

    egreso(930, QStringLiteral("000930"), kTransportes, kSep10);
    run(efectivo(930, 1, 9, "400000"));
    egreso(931, QStringLiteral("000931"), kTransportes, kSep20);
    egreso(932, QStringLiteral("000932"), kTransportes, kSep1);
    const struct {
        QString sql;
        const char* por_que;
    } rechazos[] = {
        {efectivo(931, 1, 9, "100000.01"), "more than is left"},
        // Cash there on the 1st, but the payment of the 10th spent it.
        {efectivo(932, 1, 9, "150000"), "dated back"},
    };
    for (const auto& r : rechazos)
        EXPECT_TRUE(
            refused(r.sql).contains(QStringLiteral("El saldo de efectivo es insuficiente.")))
            << r.por_que;
    run(efectivo(931, 1, 9, "100000"));
    run(efectivo(932, 1, 8, "9000000"));  // a box that does not check its cash

    // A transfer into the box brings cash; annulled, it may not take back
    // what was already paid out of it.
    run(QStringLiteral(
            "insert into EGRESOS (EGRE_ID, PREF_PRE, EGRE_NUMERO, EGRE_FECHA, TERC_NIT, EGRE_TIPO, "
            "CAJA_ID, EGRE_MONTO) values (933, '0000', '000933', %1, '%2', '2', 9, 300000)")
            .arg(fecha(kSep20), kTransportes));
    EXPECT_EQ(saldo_caja(9, kSep20.addDays(1)), QStringLiteral("300000.00"));
    egreso(934, QStringLiteral("000934"), kTransportes, kSep20);
    run(efectivo(934, 1, 9, "250000"));
    EXPECT_TRUE(refused(QStringLiteral("update EGRESOS set EGRE_ANULADO = 'S' where EGRE_ID = 933"))
                    .contains(QStringLiteral("El saldo de efectivo es insuficiente.")));

    // Annulling a payment gives its cash back.
    run(QStringLiteral("update EGRESOS set EGRE_ANULADO = 'S' where EGRE_ID = 930"));
    EXPECT_EQ(saldo_caja(9, kSep20.addDays(1)), QStringLiteral("450000.00"));
}

// Local and NIIF lines of a staging voucher, summed by account (debit - credit).
QMap<QString, QString> lineas(const SqlRunner& sql, int idc, bool niif) {
    QMap<QString, QString> m;
    auto q = sql.select(
        QStringLiteral("select CNDE_CUENTA, cast(sum(CNDE_DEBITOS - CNDE_CREDITOS) as varchar(24)) "
                       "from CONTABILIZACION_DET where CNTB_ID = %1 and CNDE_ITEM %2 100000 "
                       "group by CNDE_CUENTA")
            .arg(idc)
            .arg(niif ? QStringLiteral(">=") : QStringLiteral("<")));
    while (q && q->next())
        m.insert(q->value(0).toString(), q->value(1).toString());
    return m;
}

TEST_F(CajaBancosTest, CajaBancoYGravamenSeContabilizanEnSusCuentasEnAmbosLibros) {
    caja(8, "11051001", "N", nullptr);
    caja(7, nullptr, "N", nullptr);  // posts to the interface's cash account
    cargo(502, QStringLiteral("000502"), kTransportes, kSep10, QStringLiteral("500000"));
    egreso(940, QStringLiteral("000940"), kTransportes, kSep10);
    pago(940, 1, 51, 502, QStringLiteral("500000"));
    run(efectivo(940, 1, 8, "60000"));
    run(efectivo(940, 2, 7, "40000"));
    banco(940, 72, "BOGCTE", "CH", "001001", "400000", "S");

    run(QStringLiteral(
            "insert into EGRESOS (EGRE_ID, PREF_PRE, EGRE_NUMERO, EGRE_FECHA, TERC_NIT, EGRE_TIPO, "
            "CAJA_ID, EGRE_MONTO) values (941, '0000', '000941', %1, '%2', '2', 8, 250000)")
            .arg(fecha(kSep10), kTransportes));
    banco(941, 73, "BCOLAH", "RE", "000001", "250000", "S");  // an account exempt from the tax

    const QMap<QString, QString> pago_local{{"22050501", "500000.00"},
                                            {"11051001", "-60000.00"},
                                            {"11050501", "-40000.00"},
                                            {"11100501", "-401600.00"},
                                            {"51159501", "1600.00"}};
    const QMap<QString, QString> traslado_local{{"11051001", "250000.00"},
                                                {"11200501", "-250000.00"}};
    const auto en_niif = [](const QMap<QString, QString>& local) {
        QMap<QString, QString> niif;
        for (auto it = local.begin(); it != local.end(); ++it)
            niif.insert(it.key().left(6) + QStringLiteral("05"), it.value());
        return niif;
    };
    const int interfaz_egreso = interfaz(dm->sql(), 62);
    for (const char* procedimiento : {"CONTABIL_EGRESO", "CONTABIL_EGRESO_NIIF"}) {
        for (const auto& [id, esperado] :
             {std::pair(940, pago_local), std::pair(941, traslado_local)}) {
            const int idc = dm->sql()
                                .scalar(QStringLiteral("select IDC from %1(%2, %3, 0)")
                                            .arg(QLatin1String(procedimiento))
                                            .arg(id)
                                            .arg(interfaz_egreso))
                                .toInt();
            const int tipoerr =
                QLatin1String(procedimiento).endsWith(QLatin1String("NIIF")) ? 1062 : 62;
            EXPECT_EQ(errores(dm->sql(), tipoerr, id), QString()) << procedimiento << " " << id;
            EXPECT_EQ(test::lineas(dm->sql(), idc, false), esperado) << procedimiento << " " << id;
            EXPECT_EQ(test::lineas(dm->sql(), idc, true), en_niif(esperado))
                << procedimiento << " " << id;
        }
    }

    // A bank account without its tax account: the tax is not hidden.
    run(QStringLiteral("update CUENTAS_BANCOS set CUBA_CTAGMF = null where CUBA_COD = 'BOGCTE'"));
    dm->sql().scalar(
        QStringLiteral("select IDC from CONTABIL_EGRESO(940, %1, 0)").arg(interfaz_egreso));
    const QString problemas = errores(dm->sql(), 62, 940);
    EXPECT_TRUE(problemas.contains(
        QStringLiteral("CUENTA:No hay cuenta para el gravamen financiero (GMF) en la "
                       "cuenta bancaria; no se contabilizan 1600.00.")));
    EXPECT_TRUE(problemas.contains(QStringLiteral("DESC:El comprobante no cuadra")))
        << problemas.toStdString();
}

}  // namespace
}  // namespace ledgrix::test
