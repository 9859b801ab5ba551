// The receivables registry as a voucher's crosses use it, over sales
// invoices of a supplier who is also a client.
#include <gtest/gtest.h>

#include "payments/cartera/registro_cartera.h"
#include "tests/payments/pagos_fixture.h"

namespace ledgrix::test {
namespace {

const QDate kSep1(2022, 9, 1);
const QDate kSep10(2022, 9, 10);
const QDate kSep20(2022, 9, 20);

class CarteraTest : public PagosTest {
  protected:
    void SetUp() override {
        PagosTest::SetUp();
        cruce = conjunto("Cruce", "select * from EGRECRUCES where EGRE_ID = -1");
        dm->ConfigurarProviders(&dueno_);
        ASSERT_TRUE(cruce->open());
        ASSERT_TRUE(cruce->append());
    }
    Field& f(const char* nombre) { return cruce->fieldByName(QString::fromLatin1(nombre)); }
    bool valide(int tipo, const char* numero, const QString& nit, const QDate& d) {
        return RegistroCartera(*dm).valide_doc_cartera(
            nit, tipo, QStringLiteral("FV"), QString::fromLatin1(numero), d, 0,
            {f("EGCC_IDDOC"), f("EGCC_RTFTE"), f("EGCC_RTIVA"), f("EGCC_RTICA"), f("EGCC_RCREE"),
             f("EGCC_DTOF"), f("EGCC_ABONO"), f("EGCC_SUCURSAL")});
    }
    void venta(int id, const char* numero, const QDate& d, const char* monto, const char* iva,
               int sucursal) {
        run(QStringLiteral(
                "insert into FACTURAS (FACT_ID, PREF_PRE, FACT_NUMERO, FACT_FECHA, TERC_NIT, "
                "SUCU_ID, "
                "FACT_MONTO, FACT_IVAMONTO) values (%1, 'FV', '%2', %3, '%4', %5, %6, %7)")
                .arg(id)
                .arg(QLatin1String(numero), fecha(d), kPapeleria)
                .arg(sucursal)
                .arg(QLatin1String(monto), QLatin1String(iva)));
    }
    void cruzado(int egreso, const QDate& d, int factura, const char* abono) {
        this->egreso(egreso, QString::number(egreso).rightJustified(6, u'0'), kPapeleria, d);
        run(QStringLiteral(
                "insert into EGRECRUCES (EGRE_ID, EGCC_ITEM, EGCC_TIPODOC, EGCC_IDDOC, EGCC_ABONO) "
                "values (%1, 1, 31, %2, %3)")
                .arg(egreso)
                .arg(factura)
                .arg(QLatin1String(abono)));
    }

    ClientDataset* cruce = nullptr;
};

TEST_F(CarteraTest, UnaFacturaDelClienteLlenaElCruceYLoQueNoSirveLoDejaEnCero) {
    venta(900, "00000900", kSep1, "1000", "190", 1);
    ASSERT_TRUE(valide(31, "00000900", kPapeleria, kSep10));
    EXPECT_EQ(f("EGCC_IDDOC").asInteger(), 900);
    EXPECT_EQ(f("EGCC_ABONO").asCurrency(), Currency::fromInt(1190));
    EXPECT_EQ(f("EGCC_SUCURSAL").asInteger(), 1);

    // A purchase invoice with the same reference is not a client's document.
    factura(901, QStringLiteral("000901"), kPapeleria, kSep1, QStringLiteral("500"));
    run(
        QStringLiteral("update FACTURAS_COMPRA set PREF_PRE = 'FV', FACO_NUMERO = '00000900' where "
                       "FACO_ID = 901"));
    cruzado(902, kSep10, 900, "1190");
    const struct {
        int tipo;
        const char* numero;
        QString nit;
        QDate fecha;
        const char* por_que;
    } rechazos[] = {
        {31, "00009999", kPapeleria, kSep20, "no such invoice"},
        {21, "00000900", kPapeleria, kSep20, "not a receivables type"},
        {31, "00000900", kTransportes, kSep20, "another client's"},
        {31, "00000900", kPapeleria, kSep20, "paid in full by the cross"},
    };
    for (const auto& r : rechazos) {
        EXPECT_FALSE(valide(r.tipo, r.numero, r.nit, r.fecha)) << r.por_que;
        EXPECT_EQ(f("EGCC_IDDOC").asInteger(), 0) << r.por_que;
        EXPECT_TRUE(f("EGCC_ABONO").asCurrency().isZero()) << r.por_que;
        EXPECT_EQ(f("EGCC_SUCURSAL").asInteger(), 0) << r.por_que;
    }
    EXPECT_TRUE(dialogs.errors().isEmpty());  // the caller says why

    venta(903, "00000903", kSep10, "300", "0", 0);
    EXPECT_FALSE(valide(31, "00000903", kPapeleria, kSep1)) << "a voucher dated before the invoice";
}

TEST_F(CarteraTest, ElSaldoAUnaFechaDescuentaLosCrucesVigentesHastaEsaFecha) {
    venta(910, "00000910", kSep1, "1000", "0", 0);
    cruzado(911, kSep10, 910, "400");
    RegistroCartera registro(*dm);
    const struct {
        QDate fecha;
        int saldo;
    } saldos[] = {{kSep1.addDays(-1), 0}, {kSep1, 1000}, {kSep10.addDays(-1), 1000}, {kSep10, 600}};
    for (const auto& s : saldos)
        EXPECT_EQ(registro.saldo_doc_carteram(31, 910, 0, s.fecha), Currency::fromInt(s.saldo))
            << s.fecha.toString().toStdString();

    run(QStringLiteral("update EGRESOS set EGRE_ANULADO = 'S' where EGRE_ID = 911"));
    EXPECT_EQ(registro.saldo_doc_carteram(31, 910, 0, kSep20), Currency::fromInt(1000));
}

}  // namespace
}  // namespace ledgrix::test
