#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>

#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "payments/ui/consultas/tfconsegreso.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

using namespace ledgrix;
using ledgrix::test::kTransportes;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// Voucher 80 pays two documents of the supplier, crosses nothing and pays
// with a cheque of the current account.
class ConsultaEgresoTest : public test::DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        const QDate d(2022, 9, 15);
        factura(101, S("000101"), kTransportes, d, S("1000"));
        cargo(103, S("000103"), kTransportes, d, S("700"));
        egreso(80, S("000080"), kTransportes, d);
        run(
            S("update EGRESOS set EGRE_CONC = 'Pago fletes', EGRE_MONTO = 1700, CLEG_ID = 1, "
              "EGRE_NOMTERC = 'Transportes del Norte S.A.S.' where EGRE_ID = 80"));
        pago(80, 1, 21, 101, S("1000"));
        pago(80, 2, 51, 103, S("700"));
        run(
            S("insert into EGREBANCO (EGRE_ID, EGBC_TIPOBCO, CUBA_COD, PRBA_PREF, EGBC_NUMERO, "
              "EGBC_FECHA, EGBC_BENEF, EGBC_MONTO) values (80, 72, 'BOGCTE', 'CH', '001001', "
              "'2022-09-15', 'Transportes del Norte', 1700)"));
    }
};

TEST_F(ConsultaEgresoTest, TheVoucherShowsTheDocumentsItPaidAndItsCheque) {
    dm->documento_consultado = {62, 80, {}, {}, {}};
    Tfconsegreso w(*dm);
    w.show();
    QApplication::setActiveWindow(&w);
    EXPECT_EQ(w.windowTitle(), S("Consulta de egreso 0000000080"));
    const std::pair<const char*, const char*> vistos[] = {
        {"TIPO_NOMBRE", "CUENTA POR PAGAR"},
        {"CLEG_NOMBRE", "PAGO A PROVEEDORES"},
        {"EGRE_CONC", "Pago fletes"},
        {"EGRE_MONTO", "1.700,00"},
        {"BANCO_DOC", "Cheque"},
        {"BANC_NOMBRE", "Banco de Bogotá"},
        {"CUBA_NUMERO", "012-34567-8"},
        {"BANCO_NUMERO", "CH001001"},
        {"EGBC_MONTO", "1.700,00"},
    };
    for (const auto& [campo, texto] : vistos) {
        SCOPED_TRACE(campo);
        ASSERT_TRUE(w.valor(S(campo)));
        EXPECT_EQ(w.valor(S(campo))->text(), S(texto));
    }
    const QAbstractItemModel* pagados = w.lista(S("Documentos pagados"))->model();
    ASSERT_EQ(pagados->rowCount(), 2);
    const struct {
        int fila;
        const char *tipo, *numero, *abono;
    } filas[] = {{0, "FACTCOMP", "000101", "1.000,00"}, {1, "CARGOACR", "000103", "700,00"}};
    for (const auto& f : filas) {
        EXPECT_EQ(pagados->index(f.fila, 0).data().toString().trimmed(), S(f.tipo));
        EXPECT_EQ(pagados->index(f.fila, 2).data().toString(), S(f.numero));
        EXPECT_EQ(pagados->index(f.fila, 3).data().toString(), S(f.abono));
    }
    EXPECT_EQ(w.lista(S("Cruces"))->model()->rowCount(), 0);

    dialogs.expectModal(S("Tfimpregreso"), 1);
    test::tecla(QApplication::focusWidget(), Qt::Key_F2);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();
}

}  // namespace
