#include <gtest/gtest.h>

#include "payments/caja/tfdmcja.h"
#include "tests/support/documentos_fixture.h"

using namespace ledgrix;

namespace {

const QDate kHoy(2022, 9, 21);
const QString kInsuficiente = QStringLiteral("El saldo de efectivo es insuficiente.");

Currency M(const char* texto) {
    return Currency::fromText(QString::fromLatin1(texto));
}

// The cash module's services on a demo installation: box 1 does not check
// its cash, box 2 does; box 1 holds two cheques received from a client.
class TfdmcjaTest : public ledgrix::test::DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        run(QStringLiteral("delete from MOVIMIENTOS_CAJA"));
        caja = std::make_unique<Tfdmcja>(*dm);
    }
    void movimiento(int caja, const QDate& d, const char* valor) {
        run(QStringLiteral("insert into MOVIMIENTOS_CAJA (CAJA_ID, MOCA_FECHA, MOCA_VALOR) values "
                           "(%1, %2, %3)")
                .arg(caja)
                .arg(fecha(d), QString::fromLatin1(valor)));
    }
    std::unique_ptr<Tfdmcja> caja;
};

TEST_F(TfdmcjaTest, CashOfTheWholeDayCountsAndOnlyABoxThatChecksItWarns) {
    movimiento(2, QDate(2022, 9, 1), "200000");
    movimiento(2, kHoy, "100000");  // the voucher's own day counts
    movimiento(2, kHoy.addDays(1), "900000");
    movimiento(1, QDate(2022, 9, 1), "50000");

    EXPECT_EQ(caja->efectivo_caja(M("300000"), kHoy, 2), M("300000"));
    EXPECT_TRUE(dialogs.errors().isEmpty());
    EXPECT_EQ(caja->efectivo_caja(M("300000.01"), kHoy, 2), M("300000"));
    EXPECT_EQ(dialogs.errors(), QStringList{kInsuficiente});
    EXPECT_EQ(caja->efectivo_caja(M("1"), QDate(2022, 8, 31), 2), M("0"));

    dialogs.clear();
    EXPECT_EQ(caja->efectivo_caja(M("999999"), kHoy, 1), M("50000"));
    EXPECT_TRUE(dialogs.errors().isEmpty());
}

TEST_F(TfdmcjaTest, AHeldDocumentIsFoundOnlyInItsBoxUnderItsFormWhileUnspent) {
    struct Caso {
        const char* banco;
        const char* cuenta;
        const char* numero;
        int fopa, caja;
        bool hallado;
    };
    const Caso casos[] = {
        {"07", "40512345678", "004512", 2, 1, true},
        {"07", "40512345678", "004512", 2, 2, false},  // another box
        {"07", "40512345678", "004512", 3, 1, false},  // another form
        {"07", "O'ÑA' OR '1'='1", "004512", 2, 1, false},
    };
    for (const Caso& c : casos) {
        const QString banco = QString::fromUtf8(c.banco), cuenta = QString::fromUtf8(c.cuenta),
                      numero = QString::fromUtf8(c.numero);
        EXPECT_EQ(caja->valide_doc_en_caja(banco, cuenta, numero, c.fopa, c.caja), c.hallado)
            << c.cuenta << " " << c.numero << " " << c.caja;
        EXPECT_EQ(caja->monto_doc_en_caja(banco, cuenta, numero, c.fopa, c.caja, kHoy),
                  c.hallado ? M("350000") : M("0"));
    }
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();

    // Handed on by a voucher, it is no longer in the box.
    run(
        QStringLiteral("update DOCUMENTOS_PAGO_CAJA set DPCA_TIPOSAL = 62, DPCA_IDSAL = 7 where "
                       "DPCA_NUMERO = '004512'"));
    EXPECT_FALSE(caja->valide_doc_en_caja(QStringLiteral("07"), QStringLiteral("40512345678"),
                                          QStringLiteral("004512"), 2, 1));
}

}  // namespace
