#include <gtest/gtest.h>

#include <QProcess>
#include <QSqlQuery>
#include <cmath>

#include "core/data/client_dataset.h"
#include "output/impresion/impresion_documento.h"
#include "payables/creditos/busqueda_creditos.h"
#include "payables/creditos/causacion_credito.h"
#include "tests/support/documentos_fixture.h"

using namespace ledgrix;

namespace {

class CreditoTest : public test::DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        factura(9001, QStringLiteral("900001"), test::kTransportes, hoy().addDays(-10),
                QStringLiteral("1200000"));
    }
    QDate hoy() const { return clock.today(); }
    QString texto(const QString& sql) {
        const QVariant v = dm->sql().scalar(sql);
        return v.isValid() ? v.toString() : QStringLiteral("sin fila");
    }
    // A credit of the invoice typed as the window does; answers the id stored.
    qint64 credito(int cuotas, const char* tasa, bool grabar = true) {
        logica = std::make_unique<CausacionCredito>(*dm);
        EXPECT_TRUE(logica->abra());
        logica->imprima = [this](qint64 id) { impreso = id; };
        dialogs.expectModal(QStringLiteral("Tfbuscdocdiferir"), 1);
        logica->cambie_nit(test::kTransportes);
        EXPECT_EQ(logica->campo(QStringLiteral("CRCX_NUMDOC")).asString(),
                  QStringLiteral("0000900001"));
        logica->cambie_cuotas(cuotas);
        logica->cambie_interes(Currency::fromText(QString::fromLatin1(tasa)));
        if (grabar) {
            EXPECT_TRUE(logica->grabe()) << dialogs.lastError().toStdString();
        }
        return impreso;
    }
    std::unique_ptr<CausacionCredito> logica;
    qint64 impreso = 0;
};

struct Plan {
    const char* total;
    int cuotas;
    const char* tasa;
};

TEST_F(CreditoTest, ThePlanRepaysTheTotalToTheCentAtTheMonthlyEquivalentRate) {
    for (const Plan& p : {Plan{"1200000.00", 3, "0"}, Plan{"1000000.01", 7, "24.5"},
                          Plan{"0.05", 4, "0"}, Plan{"99999999.99", 360, "200"},
                          Plan{"350000.00", 1, "12.6825"}, Plan{"1000.00", 12, "36"}}) {
        SCOPED_TRACE(std::string(p.total) + " en " + std::to_string(p.cuotas) + " al " + p.tasa);
        const QString desde = QStringLiteral("from CUOTAS_CREDITO(%1, '2022/01/31', %2, %3, 0)")
                                  .arg(QString::fromLatin1(p.total))
                                  .arg(p.cuotas)
                                  .arg(QString::fromLatin1(p.tasa));
        EXPECT_EQ(texto(QStringLiteral("select cast(sum(MONTORC) as varchar(24)) ") + desde),
                  QString::fromLatin1(p.total));
        EXPECT_EQ(texto(QStringLiteral("select count(*) ") + desde).toInt(), p.cuotas);
        EXPECT_EQ(texto(QStringLiteral("select count(*) ") + desde +
                        QStringLiteral(" where CUOTAM <> MONTORC + INTEREST or MONTORC < 0")),
                  QStringLiteral("0"));
        EXPECT_EQ(texto(QStringLiteral("select cast(SALDO as varchar(24)) ") + desde +
                        QStringLiteral(" where CUOTA = %1").arg(p.cuotas)),
                  QStringLiteral("0.00"));
        // Equal instalments: only the last one may differ, by what rounding left.
        EXPECT_LE(texto(QStringLiteral("select count(distinct CUOTAM) ") + desde +
                        QStringLiteral(" where CUOTA < %1").arg(p.cuotas))
                      .toInt(),
                  1);
        const double mensual = (std::pow(1 + std::atof(p.tasa) / 100, 1.0 / 12) - 1) * 100;
        EXPECT_NEAR(texto(QStringLiteral("select first 1 cast(INTERESM as varchar(24)) ") + desde)
                        .toDouble(),
                    mensual, 0.00005);
        // Recomputed here: the instalment of a loan repaid in equal parts,
        // and each one's interest on the balance before it.
        const double total = std::atof(p.total);
        const double i = mensual / 100;
        const double cuota = i == 0 ? total / p.cuotas : total * i / (1 - std::pow(1 + i, -p.cuotas));
        auto q = dm->sql().select(QStringLiteral("select CUOTA, CUOTAM, INTEREST, SALDO ") + desde +
                                  QStringLiteral(" order by CUOTA"));
        double saldo = total;
        while (q && q->next()) {
            if (q->value(0).toInt() < p.cuotas) {
                EXPECT_NEAR(q->value(1).toDouble(), cuota, 0.011) << "cuota " << q->value(0).toInt();
            }
            EXPECT_NEAR(q->value(2).toDouble(), std::round(saldo * i * 100) / 100, 0.011)
                << "cuota " << q->value(0).toInt();
            saldo = q->value(3).toDouble();
        }
    }
    // Monthly from the first date, each counted from it.
    EXPECT_EQ(texto(QStringLiteral("select list(FECHARC, ' ') from (select FECHARC from "
                                   "CUOTAS_CREDITO(1000, '2022/01/31', 4, 0, 0) order by CUOTA)")),
              QStringLiteral("2022-01-31 2022-02-28 2022-03-31 2022-04-30"));
    EXPECT_EQ(texto(QStringLiteral("select list(CUOTAM, ' ') from (select CUOTAM from "
                                   "CUOTAS_CREDITO(1200000, '2022/01/31', 3, 0, 0) order by "
                                   "CUOTA)")),
              QStringLiteral("400000.00 400000.00 400000.00"));

    for (const QString& malo :
         {QStringLiteral("1000, '2022/01/31', 0, 0"), QStringLiteral("1000, '2022/01/31', 361, 0"),
          QStringLiteral("1000, '2022/01/31', 3, -1"),
          QStringLiteral("1000, '2022/01/31', 3, 200.0001"),
          QStringLiteral("0, '2022/01/31', 3, 10")}) {
        auto q = dm->sql().select(QStringLiteral("select * from CUOTAS_CREDITO(") + malo +
                                  QStringLiteral(", 0)"));
        EXPECT_FALSE(q && q->next()) << malo.toStdString();
    }
}

TEST_F(CreditoTest, AStoredCreditCarriesTheInvoiceBalanceIsPostedAndPrinted) {
    const qint64 id = credito(3, "0");
    ASSERT_GT(id, 0);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(guardado(21, 9001), QStringLiteral("0.00"));
    EXPECT_EQ(guardado(57, static_cast<int>(id)), QStringLiteral("1200000.00"));
    EXPECT_EQ(saldoTercero(test::kTransportes, hoy()),
              saldoTercero(test::kTransportes, hoy().addDays(-1)));
    EXPECT_EQ(texto(QStringLiteral(
                  "select count(*) from CHEQUEO_SALDOS_DOC_CXPAGAR('', 'ZZZZZZZZZZZZZZZZZZZZ')")),
              QStringLiteral("0"));
    EXPECT_EQ(guardado(21, 9001), QStringLiteral("0.00"));
    // The invoice's histories name the credit that took its balance.
    EXPECT_EQ(texto(QStringLiteral("select ORIGEN || '|' || TIPO_ORIGEN || '|' || NOMBRE_ORIGEN "
                                   "|| '|' || PREFIJO || NUMERO || '|' || ID_ORIGEN || '|' || "
                                   "ABONO from ABONOS_DOCUMENTO_CXPAGAR(21, 9001)")),
              QStringLiteral("R|57|CREDCXP|0000000001|%1|1200000.00").arg(id));
    EXPECT_EQ(texto(QStringLiteral("select ORIGEN || '|' || TIPODOC || '|' || NOMBRE || '|' || "
                                   "PREFIJO || NUMERO || '|' || IDDOC || '|' || VALOR || '|' || "
                                   "ABONO from CRUCES_DOCUMENTOS(21, 9001)")),
              QStringLiteral("R|57|CREDCXP|0000000001|%1|1200000.00|1200000.00").arg(id));
    EXPECT_EQ(texto(QStringLiteral("select list(CRCD_ITEM || ':' || CRCD_PREF || ':' || "
                                   "CRCD_MONTO, ' ') from (select * from CREDITO_CXPAGAR_DET "
                                   "where CRCX_ID = %1 order by CRCD_ITEM)")
                        .arg(id)),
              QStringLiteral("1:0000:400000.00 2:0000:400000.00 3:0000:400000.00"));
    EXPECT_EQ(texto(QStringLiteral("select CRCX_CONC || '|' || CRCX_TIPODOC || '|' || CRCX_IDDOC "
                                   "|| '|' || CRCX_USUARIO from CREDITO_CXPAGAR where CRCX_ID = %1")
                        .arg(id)),
              QStringLiteral("FACTCOMP 0000900001|21|9001|ADMIN"));

    // Both books: the supplier's payable debited, the credit's account credited.
    for (const char* tabla : {"COMPROBANTE_DETALLE", "COMPROBANTE_DETALLE_NIIF"})
        EXPECT_EQ(
            texto(QStringLiteral("select list(trim(CUEN_COD) || ':' || CODE_DEBITOS || ':' || "
                                 "CODE_CREDITOS, ' ') from (select d.* from %1 d join "
                                 "COMPROBANTE_ENCABEZADO e on e.ENCO_CONSEC = d.ENCO_CONSEC "
                                 "where e.ENCO_TIPOREF = 57 and e.ENCO_IDREF = %2 order by "
                                 "d.CODE_ITEM)")
                      .arg(QString::fromLatin1(tabla))
                      .arg(id)),
            QString::fromLatin1(tabla).endsWith(QLatin1String("NIIF"))
                ? QStringLiteral("22050505:1200000.00:0.00 21959505:0.00:1200000.00")
                : QStringLiteral("22050501:1200000.00:0.00 21959501:0.00:1200000.00"));

    ImpresionDocumento doc(*dm, impresion_credito(), id);
    ASSERT_TRUE(doc.cargue());
    const QString ruta = doc.imprima_pdf();
    ASSERT_FALSE(ruta.isEmpty()) << dialogs.lastError().toStdString();
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {ruta, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString pdf = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(pdf.contains(QStringLiteral("0000900001"))) << pdf.toStdString();
    EXPECT_TRUE(pdf.contains(QStringLiteral("400.000,00"))) << pdf.toStdString();

    // The window is ready for the next credit of the series.
    EXPECT_EQ(logica->campo(QStringLiteral("CRCX_ID")).asInteger(), 0);
    EXPECT_EQ(logica->campo(QStringLiteral("CRCX_NUMERO")).asString(), QStringLiteral("000002"));
    EXPECT_TRUE(logica->cuotas().isEmpty());

    // Annulled: the invoice owes again, the credit nothing, no live voucher.
    BusquedaCreditos busqueda(*dm);
    const QString razon = QStringLiteral("Pactado de contado");
    ASSERT_TRUE(
        busqueda.busque(BusquedaCreditos::Columna::Numero, QStringLiteral("000001"), false));
    ASSERT_EQ(busqueda.actual(), id);
    EXPECT_FALSE(busqueda.anule(razon));
    EXPECT_EQ(dialogs.lastError(),
              QStringLiteral("Acceso no permitido. Comuníquese con el administrador del sistema."));
    EXPECT_EQ(guardado(21, 9001), QStringLiteral("0.00"));
    run(QStringLiteral("insert into ACCESO_USUARIO values (%1, 'CARTERA', 22, 'S')")
            .arg(sql::quoted(dm->ctx.usuario)));
    dialogs.expectQuestion(QStringLiteral("Esta seguro de Causación de Credito No000001?"), true);
    ASSERT_TRUE(busqueda.anule(razon)) << dialogs.lastError().toStdString();
    EXPECT_EQ(guardado(21, 9001), QStringLiteral("1200000.00"));
    EXPECT_EQ(texto(QStringLiteral("select AUDI_RAZON from AUDITORIA where TIDO_COD = 57 and "
                                   "AUDI_OPER = 'A' and AUDI_IDDOC = %1")
                        .arg(id)),
              QStringLiteral("Pactado de contado"));
    EXPECT_EQ(guardado(57, static_cast<int>(id)), QStringLiteral("0.00"));
    EXPECT_EQ(texto(QStringLiteral("select count(*) from COMPROBANTE_ENCABEZADO where "
                                   "ENCO_TIPOREF = 57 and ENCO_ANULADO = 'N'")),
              QStringLiteral("0"));
    EXPECT_EQ(texto(QStringLiteral(
                  "select count(*) from CHEQUEO_SALDOS_DOC_CXPAGAR('', 'ZZZZZZZZZZZZZZZZZZZZ')")),
              QStringLiteral("0"));
}

TEST_F(CreditoTest, WrongInputIsRefusedWithItsMessageAndNothingIsStored) {
    logica = std::make_unique<CausacionCredito>(*dm);
    ASSERT_TRUE(logica->abra());
    dialogs.clear();
    EXPECT_FALSE(logica->calcule_plan());
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("Debe traer antes el documento a diferir."));
    EXPECT_FALSE(logica->grabe());
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("Debe traer antes el documento a diferir."));

    dialogs.expectModal(QStringLiteral("Tfbuscdocdiferir"), 0);
    logica->cambie_nit(test::kPapeleria);
    // The invoice belongs to another supplier.
    EXPECT_FALSE(logica->cambie_documento(QStringLiteral("0000900001")));
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("No existe el documento a pagar"));
    EXPECT_TRUE(logica->campo(QStringLiteral("CRCX_NUMDOC")).asString().isEmpty());

    for (int cuotas : {0, 361}) {
        EXPECT_FALSE(logica->cambie_cuotas(cuotas));
        EXPECT_EQ(dialogs.lastError(),
                  QStringLiteral("El número de cuotas debe estar entre 1 y 360."));
    }
    for (const char* tasa : {"-0.0001", "200.0001"}) {
        EXPECT_FALSE(logica->cambie_interes(Currency::fromText(QString::fromLatin1(tasa))));
        EXPECT_EQ(dialogs.lastError(),
                  QStringLiteral("La tasa de interés efectiva anual debe estar entre 0 y 200 %."));
    }

    CausacionCredito::Recibidos otro{test::kTransportes, QStringLiteral("52"),
                                     QStringLiteral("0000"), QStringLiteral("900001")};
    logica->reciba(otro);
    EXPECT_EQ(dialogs.lastError(),
              QStringLiteral("El documento seleccionado no se puede aplicar a un crédito."));

    // A document already deferred owes nothing.
    credito(2, "10");
    CausacionCredito::Recibidos mismo{test::kTransportes, QStringLiteral("21"),
                                      QStringLiteral("0000"), QStringLiteral("900001")};
    logica->reciba(mismo);
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("Documento totalmente cancelado."));
    EXPECT_FALSE(logica->grabe());
    EXPECT_EQ(texto(QStringLiteral("select count(*) from CREDITO_CXPAGAR")), QStringLiteral("1"));

    // The database refuses a credit larger than what the document owes.
    factura(9002, QStringLiteral("900002"), test::kTransportes, hoy(), QStringLiteral("500"));
    EXPECT_EQ(refused(QStringLiteral(
                  "insert into CREDITO_CXPAGAR (CRCX_ID, CRCX_PREF, CRCX_NUMERO, CRCX_FECHA, "
                  "CRCX_NIT, CRCX_TIPODOC, CRCX_IDDOC, CRCX_TOTAL) values (77, '0000', '000077', "
                  "'2022/09/21', '900123456', 21, 9002, 500.01)")),
              QStringLiteral("El crédito supera el saldo del documento a diferir."));
    EXPECT_EQ(guardado(21, 9002), QStringLiteral("500.00"));
}

TEST_F(CreditoTest, ALeftoverWithIdZeroIsOfferedBackAndReplacedBySaving) {
    // A crash of an older release left the credit half-saved.
    run(QStringLiteral(
        "insert into CREDITO_CXPAGAR (CRCX_ID, CRCX_PREF, CRCX_NUMERO, CRCX_FECHA, CRCX_NIT, "
        "CRCX_TIPODOC, CRCX_IDDOC, CRCX_NUMDOC, CRCX_TOTAL, CRCX_CUOTAS, CRCX_FECCUOTA1) values "
        "(0, '0000', '000001', '2022/09/21', '900123456', 21, 9001, '0000900001', 1200000, 2, "
        "'2022/10/21')"));
    for (int i : {1, 2})
        run(QStringLiteral("insert into CREDITO_CXPAGAR_DET (CRCX_ID, CRCD_ITEM, CRCD_FECHA, "
                           "CRCD_MONTO, CRCD_PREF) values (0, %1, '2022/10/21', 600000, '0000')")
                .arg(i));
    logica = std::make_unique<CausacionCredito>(*dm);
    dialogs.expectQuestion(QStringLiteral("Se encontró una Causación de Credito previa "
                                          "incorrectamente registrada. Desea traerla a pantalla?"),
                           true);
    ASSERT_TRUE(logica->abra());
    EXPECT_EQ(logica->cuotas().recordCount(), 2);
    ASSERT_TRUE(logica->grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(texto(QStringLiteral("select count(*) from CREDITO_CXPAGAR where CRCX_ID = 0")),
              QStringLiteral("0"));
    EXPECT_EQ(texto(QStringLiteral("select count(*) from CREDITO_CXPAGAR_DET")),
              QStringLiteral("2"));
    EXPECT_EQ(guardado(21, 9001), QStringLiteral("0.00"));

    run(
        QStringLiteral("insert into CREDITO_CXPAGAR (CRCX_ID, CRCX_PREF, CRCX_NUMERO, CRCX_FECHA, "
                       "CRCX_NIT) values (0, '0000', '000009', '2022/09/21', '900123456')"));
    logica = std::make_unique<CausacionCredito>(*dm);
    dialogs.expectQuestion({}, false);
    ASSERT_TRUE(logica->abra());
    EXPECT_EQ(texto(QStringLiteral("select count(*) from CREDITO_CXPAGAR where CRCX_ID = 0")),
              QStringLiteral("0"));
}

// A settlement left by a credit that no longer exists is dropped by the
// ledger check, and the document owes again, as with any other lost source.
TEST_F(CreditoTest, TheLedgerCheckDropsASettlementWhoseCreditIsGone) {
    run(QStringLiteral("execute procedure CXP_REGISTRE_ABONO('R', 999, 0, 21, 9001, '2022/09/20', "
                       "1000, 0, 0, 0, 0, 0)"));
    EXPECT_EQ(guardado(21, 9001), QStringLiteral("1199000.00"));
    EXPECT_EQ(texto(QStringLiteral(
                  "select count(*) from CHEQUEO_SALDOS_DOC_CXPAGAR('', 'ZZZZZZZZZZZZZZZZZZZZ')")),
              QStringLiteral("1"));
    EXPECT_EQ(guardado(21, 9001), QStringLiteral("1200000.00"));
    EXPECT_EQ(texto(QStringLiteral("select count(*) from ABONOS_PROVEEDOR")), QStringLiteral("0"));
}

}  // namespace
