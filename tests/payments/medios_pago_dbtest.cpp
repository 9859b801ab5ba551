#include <gtest/gtest.h>

#include "payments/caja/tfdmcja.h"
#include "tests/payments/pagos_fixture.h"

namespace ledgrix::test {
namespace {

const QString kInsuficiente = S("El saldo de efectivo es insuficiente.");
const QString kSinMonto = S("Debe ingresar antes el monto y demás datos del egreso");

// The payment means of a voucher being entered, over a voucher header and
// its nested cash and bank lines built as the voucher window builds them,
// and the cash module's services they use. Demo data: box 1 is the default
// and does not check its cash, box 2 does; box 1 holds two client cheques;
// account BCOLAH is exempt from the tax and numbers its cheques by hand,
// BOGCTE pays the tax and numbers them itself.
class MediosPagoTest : public PagosTest {
  protected:
    void SetUp() override {
        PagosTest::SetUp();
        run(S("delete from MOVIMIENTOS_CAJA"));
    }

    // A voucher header for `monto` with its payment means ready.
    MediosPago& abra(const char* monto) {
        medios.reset();
        egreso = conjunto("Egresos", "select * from EGRESOS where EGRE_ID = 0");
        caja = conjunto("Egrecaja",
                        "select * from EGRECAJA where EGRE_ID = :EGRE_ID order by EGCA_ITEM");
        banco = conjunto("Egrebanco", "select * from EGREBANCO where EGRE_ID = :EGRE_ID");
        caja->setMaster(egreso, {{S("EGRE_ID"), S("EGRE_ID")}});
        banco->setMaster(egreso, {{S("EGRE_ID"), S("EGRE_ID")}});
        dm->ConfigurarProviders(&dueno_);
        medios = std::make_unique<MediosPago>(*dm, *egreso, *caja, *banco);
        EXPECT_TRUE(medios->abra());
        EXPECT_TRUE(egreso->open() && caja->open() && banco->open());
        egreso->append();
        const std::pair<const char*, QVariant> valores[] = {
            {"EGRE_ID", 0},
            {"TIDO_COD", 62},
            {"PREF_PRE", S("0000")},
            {"EGRE_NUMERO", S("000001")},
            {"EGRE_FECHA", kHoy},
            {"EGRE_CONC", S("Pago de papelería")},
            {"EGRE_NOMTERC", S("PAPELERIA INDUSTRIAL ANDINA")},
            {"TERC_NIT", kPapeleria},
            {"EGRE_ANULADO", S("N")},
            {"EGRE_TIPO", S("1")},
            {"EGRE_MONTO", QVariant::fromValue(M(monto))},
        };
        for (const auto& [campo, valor] : valores)
            egreso->fieldByName(S(campo)).setValue(valor);
        return *medios;
    }
    void efectivo(int caja_id, const char* valor, const QDate& d = QDate(2022, 9, 1)) {
        run(S("insert into MOVIMIENTOS_CAJA (CAJA_ID, MOCA_FECHA, MOCA_VALOR) values (%1, %2, %3)")
                .arg(caja_id)
                .arg(fecha(d), S(valor)));
    }
    static QVariant v(const ClientDataset& ds, const char* campo) {
        return ds.fieldByName(S(campo)).value();
    }
    static Currency monto(const ClientDataset& ds, const char* campo) {
        return ds.fieldByName(S(campo)).asCurrency();
    }
    // Held cheque of the demo: bank, account, number.
    void cheque_recibido(MediosPago& m, const char* banco_doc, const char* cuenta,
                         const char* numero) {
        m.cambie_forma_pago(2);
        m.cambie_banco_doc(S(banco_doc));
        m.cambie_cuenta_doc(S(cuenta));
        m.cambie_numero_doc(S(numero));
    }

    std::unique_ptr<MediosPago> medios;
    ClientDataset* egreso = nullptr;
    ClientDataset* caja = nullptr;
    ClientDataset* banco = nullptr;
};

TEST_F(MediosPagoTest, BoxesOfferedAreTheActiveOnesOfTheUserAndTheAgency) {
    run(S("insert into CAJAS (CAJA_ID, CAJA_NOMBRE, SUCU_ID) values (3, 'SEDE', 2)"));
    run(S("insert into CAJAS (CAJA_ID, CAJA_NOMBRE, CAJA_ACTIVA) values (4, 'CERRADA', 'N')"));
    struct Caso {
        int caja_usuario, agencia;
        QList<int> cajas;
    };
    const Caso casos[] = {{0, 0, {1, 2, 3}}, {0, 1, {1, 2}}, {0, 2, {1, 2, 3}}, {3, 0, {3}}};
    for (const Caso& c : casos) {
        run(S("update USUARIO set CAJA_ID = %1 where USER_COD = 'ADMIN'").arg(c.caja_usuario));
        dm->ctx.agencia = c.agencia;
        MediosPago& m = abra("1");
        QList<int> ofrecidas;
        for (int i = 0; i < m.cajas().recordCount(); ++i)
            ofrecidas << m.cajas().valueAt(i, m.cajas().fieldByName(S("CAJA_ID")).index()).toInt();
        EXPECT_EQ(ofrecidas, c.cajas) << c.caja_usuario << " " << c.agencia;
        EXPECT_EQ(m.primera_caja(), c.cajas.first());
    }
}

TEST_F(MediosPagoTest, OnlyOnePanelOpensAndNeverBeforeTheAmount) {
    MediosPago& m = abra("0");
    EXPECT_FALSE(m.abra_caja());
    EXPECT_FALSE(m.abra_banco());
    EXPECT_EQ(dialogs.errors(), (QStringList{kSinMonto, kSinMonto}));
    EXPECT_TRUE(caja->isEmpty() && banco->isEmpty());

    egreso->fieldByName(S("EGRE_MONTO")).setValue(QVariant::fromValue(M("1000")));
    dialogs.clear();
    ASSERT_TRUE(m.abra_caja());
    m.cambie_monto_caja(M("400"));
    EXPECT_FALSE(m.abra_banco());
    EXPECT_EQ(dialogs.lastError(), S("Cierre antes la forma del pago de caja."));
    ASSERT_TRUE(m.continue_caja());
    ASSERT_TRUE(m.abra_banco());
    EXPECT_FALSE(m.abra_caja());
    EXPECT_EQ(dialogs.lastError(), S("Cierre antes la forma del pago del banco."));
    EXPECT_EQ(monto(*caja, "EGCA_MONTO"), M("400"));

    // Without active bank accounts the bank panel does not open.
    run(S("update CUENTAS_BANCOS set CUBA_ESTADO = 'S'"));
    MediosPago& sin = abra("1000");
    dialogs.clear();
    EXPECT_FALSE(sin.abra_banco());
    EXPECT_FALSE(sin.banco_activo());
    EXPECT_EQ(dialogs.errors(),
              QStringList{S("Debe crear antes las cuentas de bancos a manejar.")});
}

TEST_F(MediosPagoTest, EachNewLineProposesWhatIsStillMissingAndTheSumsFollowTheLines) {
    MediosPago& m = abra("1000000");
    ASSERT_TRUE(m.abra_caja());
    EXPECT_EQ(v(*caja, "CAJA_ID").toInt(), 1);
    EXPECT_EQ(v(*caja, "FOPA_ID").toInt(), 1);
    EXPECT_EQ(v(*caja, "EGCA_FECHA").toDate(), kHoy);
    EXPECT_EQ(monto(*caja, "EGCA_MONTO"), M("1000000"));
    m.cambie_monto_caja(M("300000"));
    ASSERT_TRUE(m.continue_caja());
    EXPECT_EQ(m.sum_caja(), M("300000"));

    // The bank line takes the voucher's data and the amount less the cash.
    ASSERT_TRUE(m.abra_banco());
    EXPECT_EQ(monto(*banco, "EGBC_MONTO"), M("700000"));
    EXPECT_EQ(v(*banco, "EGBC_BENEF").toString(), S("PAPELERIA INDUSTRIAL ANDINA"));
    EXPECT_EQ(v(*banco, "EGBC_CONCEPTO").toString(), S("Pago de papelería"));
    EXPECT_EQ(v(*banco, "EGBC_FECHA").toDate(), kHoy);
    // First active account in code order: exempt from the tax.
    EXPECT_EQ(v(*banco, "CUBA_COD").toString(), S("BCOLAH"));
    EXPECT_EQ(v(*banco, "EGBC_GMF").toString(), S("N"));
    m.cambie_cuenta_banco(S("BOGCTE"));
    EXPECT_EQ(v(*banco, "EGBC_GMF").toString(), S("S"));
    banco->fieldByName(S("EGBC_MONTO")).setValue(QVariant::fromValue(M("200000")));
    ASSERT_TRUE(m.continue_banco());
    EXPECT_EQ(m.sum_banco(), M("200000"));

    // A second cash line: what neither the first line nor the bank pays.
    ASSERT_TRUE(m.abra_caja());
    EXPECT_EQ(caja->recordCount(), 1);
    m.nueva_linea_caja();
    EXPECT_EQ(v(*caja, "EGCA_ITEM").toInt(), 2);
    EXPECT_EQ(monto(*caja, "EGCA_MONTO"), M("500000"));
    ASSERT_TRUE(m.continue_caja());
    EXPECT_EQ(m.sum_caja(), M("800000"));
    m.recalcule();
    EXPECT_EQ(m.sum_caja() + m.sum_banco(), M("1000000"));
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
}

TEST_F(MediosPagoTest, AnEmptyAmountKeepsTheLineInEditAndAZeroDropsIt) {
    MediosPago& m = abra("1000");
    ASSERT_TRUE(m.abra_caja());
    m.cambie_caja(2);
    m.cambie_monto_caja({}, true);
    EXPECT_FALSE(m.grabe_linea_caja());
    EXPECT_EQ(dialogs.errors(), QStringList{S("Debe indicar un monto para la forma de pago")});
    EXPECT_EQ(caja->state(), ClientDataset::State::Insert);
    EXPECT_EQ(v(*caja, "CAJA_ID").toInt(), 2);

    m.cambie_monto_caja(M("0"));
    EXPECT_TRUE(m.grabe_linea_caja());
    EXPECT_TRUE(caja->isEmpty());

    // Continue drops a pending line left without an amount.
    m.nueva_linea_caja();
    m.cambie_monto_caja({}, true);
    ASSERT_TRUE(m.continue_caja());
    EXPECT_TRUE(caja->isEmpty());
    EXPECT_EQ(m.sum_caja(), M("0"));
    EXPECT_EQ(dialogs.errors().size(), 1);
}

TEST_F(MediosPagoTest, CashOfABoxThatChecksItIsLoweredOncePerNewLine) {
    efectivo(2, "300000");
    MediosPago& m = abra("500000");
    ASSERT_TRUE(m.abra_caja());
    m.cambie_caja(2);
    EXPECT_TRUE(dialogs.errors().isEmpty());
    m.cambie_monto_caja(M("500000"));
    EXPECT_EQ(dialogs.errors(), QStringList{kInsuficiente});
    EXPECT_EQ(monto(*caja, "EGCA_MONTO"), M("300000"));
    // Typed again, it stays: the save will say whether the cash is there.
    m.cambie_monto_caja(M("500000"));
    EXPECT_EQ(dialogs.errors().size(), 2);
    EXPECT_EQ(monto(*caja, "EGCA_MONTO"), M("500000"));

    // The voucher's other cash out of the same box counts as gone.
    m.cambie_monto_caja(M("200000"));
    ASSERT_TRUE(m.grabe_linea_caja());
    m.nueva_linea_caja();
    m.cambie_caja(2);
    dialogs.clear();
    m.cambie_monto_caja(M("300000"));
    EXPECT_EQ(dialogs.errors(), QStringList{kInsuficiente});
    EXPECT_EQ(monto(*caja, "EGCA_MONTO"), M("100000"));

    // The default box checking its cash lowers the proposed amount itself;
    // an empty box only warns.
    run(S("update CAJAS set CAJA_PREDET = iif(CAJA_ID = 2, 'S', 'N')"));
    for (const auto& [movimiento, esperado] : {std::pair{"300000", "300000"}, {"0", "500000"}}) {
        run(S("delete from MOVIMIENTOS_CAJA"));
        efectivo(2, movimiento);
        MediosPago& otro = abra("500000");
        dialogs.clear();
        ASSERT_TRUE(otro.abra_caja());
        EXPECT_EQ(dialogs.errors(), QStringList{kInsuficiente}) << movimiento;
        EXPECT_EQ(monto(*caja, "EGCA_MONTO"), M(esperado)) << movimiento;
    }
}

TEST_F(MediosPagoTest, ABoxBlockedBeforeTheVoucherDateIsRefusedAndTheLineKeepsItsBox) {
    run(S("update CAJAS set CAJA_FECBLO = '2022/09/30' where CAJA_ID = 2"));
    MediosPago& m = abra("1000");
    ASSERT_TRUE(m.abra_caja());
    m.cambie_caja(2);
    EXPECT_EQ(dialogs.errors(),
              QStringList{S("La fecha indicada es anterior a la fecha de bloqueo de la caja.")});
    EXPECT_EQ(v(*caja, "CAJA_ID").toInt(), 1);
    EXPECT_EQ(monto(*caja, "EGCA_MONTO"), M("1000"));

    // Its own blocking day is open; a closed period of the company is
    // refused before the box is looked at.
    Tfdmcja cajas(*dm);
    EXPECT_TRUE(cajas.valide_fecha_caja(2, QDate(2022, 9, 30)));
    configure(S("FECHA DE BLOQUEO"), S("20220831"));
    dialogs.clear();
    EXPECT_FALSE(cajas.valide_fecha_caja(1, QDate(2022, 8, 20)));
    EXPECT_EQ(dialogs.errors(), QStringList{S("La compañía esta bloqueada a: 2022/08/31")});
}

TEST_F(MediosPagoTest, HeldDocumentsBringTheirAmountAndAreRefusedWhenMissingOrRepeated) {
    MediosPago& m = abra("2000000");
    ASSERT_TRUE(m.abra_caja());
    cheque_recibido(m, "07", "40512345678", "004512");
    EXPECT_EQ(monto(*caja, "EGCA_MONTO"), M("350000"));
    EXPECT_FALSE(m.monto_caja_editable());
    m.cambie_monto_caja(M("1"));
    EXPECT_EQ(monto(*caja, "EGCA_MONTO"), M("350000"));
    ASSERT_TRUE(m.grabe_linea_caja());

    // Not in the box: bank, account and number are emptied.
    m.nueva_linea_caja();
    cheque_recibido(m, "07", "40512345678", "999999");
    EXPECT_EQ(dialogs.errors(), QStringList{S("No existe la forma de pago en la caja indicada.")});
    for (const char* campo : {"EGCA_BANCO", "EGCA_CUENTA", "EGCA_NUMERO"})
        EXPECT_TRUE(caja->fieldByName(S(campo)).isNull()) << campo;
    EXPECT_EQ(caja->recordCount(), 2);

    // Already on the first line: the new line goes.
    dialogs.clear();
    cheque_recibido(m, "07", "40512345678", "004512");
    EXPECT_EQ(dialogs.errors(), QStringList{S("El documento de pago ya existe en este egreso.")});
    EXPECT_EQ(caja->recordCount(), 1);
    EXPECT_EQ(caja->state(), ClientDataset::State::Browse);

    // Several chosen at once: one line each, the repeated one dropped.
    dialogs.clear();
    const QList<Tfdmcja::DocumentoCaja> elegidos = {
        {1, 2, S("01"), S("0099887766"), S("118820"), kHoy, M("1200000")},
        {1, 2, S("07"), S("40512345678"), S("004512"), kHoy, M("350000")}};
    m.reciba_docs_caja(elegidos);
    EXPECT_EQ(caja->recordCount(), 2);
    ASSERT_TRUE(m.continue_caja());
    EXPECT_EQ(m.sum_caja(), M("1550000"));
    EXPECT_EQ(dialogs.errors().size(), 1);
}

TEST_F(MediosPagoTest, TheBankLineFollowsTheAccountsSeriesAndRefusesNumbersAlreadyIssued) {
    const QString kRepetido =
        S("Ya existe el documento del banco, verifique cuenta, tipo, prefijo y numero del "
          "documento.");
    run(
        S("insert into CHEQUES (CUBA_COD, PRBA_PREF, CHEQ_NUMERO, CHEQ_FECHA) values "
          "('BCOLAH', 'CH', '000101', '2022/09/01')"));
    MediosPago& m = abra("1000");
    ASSERT_TRUE(m.abra_banco());
    // The hand-numbered series proposes a number already written.
    EXPECT_EQ(dialogs.errors(), QStringList{kRepetido});
    EXPECT_EQ(m.tipos_banco(), (QStringList{S("CHEQUE"), S("RETIRO")}));
    EXPECT_EQ(v(*banco, "EGBC_TIPOBCO").toInt(), 72);
    EXPECT_EQ(v(*banco, "EGBC_NUMERO").toString(), S("000101"));
    EXPECT_TRUE(m.numero_banco_editable());
    EXPECT_TRUE(m.cambie_numero_banco(S("000102")));
    EXPECT_FALSE(m.cambie_numero_banco(S("000101")));
    EXPECT_EQ(dialogs.errors().size(), 2);

    // Withdrawals of the other account: its own type, series and number.
    m.cambie_cuenta_banco(S("BOGCTE"));
    m.cambie_tipo_banco(S("RETIRO"));
    EXPECT_EQ(m.tipo_banco(), S("RETIRO"));
    EXPECT_EQ(v(*banco, "EGBC_TIPOBCO").toInt(), 73);
    EXPECT_EQ(v(*banco, "PRBA_PREF").toString(), S("RE"));
    EXPECT_EQ(v(*banco, "EGBC_NUMERO").toString(), S("000001"));
    EXPECT_FALSE(m.numero_banco_editable());
    run(
        S("insert into RETIROS (CUBA_COD, PRBA_PREF, RETI_NUMERO, RETI_FECHA) values "
          "('BOGCTE', 'RE', '000001', '2022/09/01')"));
    m.cambie_prefijo_banco(S("RE"));
    EXPECT_EQ(dialogs.lastError(), kRepetido);

    // An account whose series are all inactive has nothing to issue.
    run(S("update PREFIJOS_BANCOS set PRBA_ACTIVO = 'N' where CUBA_COD = 'BCOLAH'"));
    dialogs.clear();
    m.cambie_cuenta_banco(S("BCOLAH"));
    EXPECT_EQ(
        dialogs.errors(),
        QStringList{S("La cuenta indicada no posee prefijos registrados para cheques o retiros.")});
    EXPECT_TRUE(m.tipos_banco().isEmpty());
    EXPECT_TRUE(banco->fieldByName(S("PRBA_PREF")).isNull());

    // A zero amount keeps the panel open.
    banco->fieldByName(S("EGBC_MONTO")).setValue(QVariant::fromValue(M("0")));
    EXPECT_FALSE(m.continue_banco());
    EXPECT_EQ(dialogs.lastError(), S("El monto del movimiento no puede ser cero"));
    EXPECT_TRUE(m.banco_activo());
}

TEST_F(MediosPagoTest, LinesCopiedBackQuietlyKeepWhatWasStored) {
    MediosPago& m = abra("2000");
    const auto ponga = [](ClientDataset& ds,
                          std::initializer_list<std::pair<const char*, QVariant>> v) {
        ASSERT_TRUE(ds.append());
        for (const auto& [campo, valor] : v)
            ds.fieldByName(S(campo)).setValue(valor);
        ASSERT_TRUE(ds.post());
    };
    m.sin_reglas([&] {
        ponga(*caja, {{"CAJA_ID", 2},
                      {"FOPA_ID", 2},
                      {"EGCA_BANCO", S("07")},
                      {"EGCA_CUENTA", S("111")},
                      {"EGCA_NUMERO", S("9")},
                      {"EGCA_MONTO", QVariant::fromValue(M("700"))}});
        ponga(*banco, {{"CUBA_COD", S("BOGCTE")},
                       {"EGBC_TIPOBCO", 72},
                       {"PRBA_PREF", S("CH")},
                       {"EGBC_NUMERO", S("000500")},
                       {"EGBC_MONTO", QVariant::fromValue(M("1300"))}});
    });
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text.toStdString();
    EXPECT_EQ(v(*caja, "EGCA_NUMERO").toString(), S("9"));
    EXPECT_EQ(v(*banco, "EGBC_NUMERO").toString(), S("000500"));
    m.recalcule();
    EXPECT_EQ(m.sum_caja(), M("700"));
    EXPECT_EQ(m.sum_banco(), M("1300"));
    // Reopened, the automatic series' number is again not the user's to type.
    ASSERT_TRUE(m.abra_banco());
    EXPECT_FALSE(m.numero_banco_editable());
    EXPECT_EQ(v(*banco, "EGBC_NUMERO").toString(), S("000500"));
}

// The cash of a box counts up to the whole of the voucher's day; only a box
// that checks its cash warns when it is short.
TEST_F(MediosPagoTest, CashOfTheWholeDayCountsAndOnlyABoxThatChecksItWarns) {
    efectivo(2, "200000");
    efectivo(2, "100000", kHoy);
    efectivo(2, "900000", kHoy.addDays(1));
    efectivo(1, "50000");
    Tfdmcja cajas(*dm);
    const struct {
        const char* pedido;
        QDate fecha;
        int caja;
        const char* queda;
        bool avisa;
    } casos[] = {
        {"300000", kHoy, 2, "300000", false},
        {"300000.01", kHoy, 2, "300000", true},
        {"1", QDate(2022, 8, 31), 2, "0", true},
        {"999999", kHoy, 1, "50000", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.pedido);
        dialogs.clear();
        EXPECT_EQ(cajas.efectivo_caja(M(c.pedido), c.fecha, c.caja), M(c.queda));
        EXPECT_EQ(dialogs.errors(), c.avisa ? QStringList{kInsuficiente} : QStringList{});
    }
}

// A held document is found only in its box, under its form, while unspent.
TEST_F(MediosPagoTest, AHeldDocumentIsFoundOnlyInItsBoxUnderItsFormWhileUnspent) {
    Tfdmcja cajas(*dm);
    const struct {
        const char* cuenta;
        int fopa, caja;
        bool hallado;
    } casos[] = {
        {"40512345678", 2, 1, true},
        {"40512345678", 2, 2, false},  // another box
        {"40512345678", 3, 1, false},  // another form
        {"O'ÑA' OR '1'='1", 2, 1, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.cuenta);
        EXPECT_EQ(cajas.valide_doc_en_caja(S("07"), S(c.cuenta), S("004512"), c.fopa, c.caja),
                  c.hallado);
        EXPECT_EQ(cajas.monto_doc_en_caja(S("07"), S(c.cuenta), S("004512"), c.fopa, c.caja, kHoy),
                  c.hallado ? M("350000") : M("0"));
    }
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
    run(
        S("update DOCUMENTOS_PAGO_CAJA set DPCA_TIPOSAL = 62, DPCA_IDSAL = 7 where DPCA_NUMERO = "
          "'004512'"));
    EXPECT_FALSE(cajas.valide_doc_en_caja(S("07"), S("40512345678"), S("004512"), 2, 1));
}

}  // namespace
}  // namespace ledgrix::test
