#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "core/data/client_dataset.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "payments/ui/anticipos/tfabonosprv.h"
#include "payments/ui/anticipos/tfbuscantipos.h"
#include "payments/ui/anticipos/tfconsanticipo.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

using namespace ledgrix;
using ledgrix::test::kPapeleria;
using ledgrix::test::kTransportes;
using ledgrix::test::tecla;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// Two advances: 71 free, 72 paid out by the live voucher 80, with VAT and
// income-tax withheld.
class AnticipoListasTest : public ledgrix::test::DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        anticipo(71, S("000071"), kTransportes, QDate(2022, 9, 10), S("100"));
        anticipo(72, S("000072"), kPapeleria, QDate(2022, 9, 15), S("250"));
        run(S("update ANTICIPOS_PROVEEDOR set ANPR_CONC = 'Anticipo obra' where ANPR_ID = 71"));
        run(
            S("update ANTICIPOS_PROVEEDOR set ANPR_CONC = 'Fletes', ANPR_IVAPORC = 19, "
              "ANPR_IVAMONTO = 47.5, ANPR_RTFTEPORC = 4, ANPR_RTFTEMONTO = 10 where ANPR_ID = 72"));
        egreso(80, S("000080"), kPapeleria, QDate(2022, 9, 15));
        pago(80, 1, 55, 72, S("287.5"));
    }
    void TearDown() override {
        EXPECT_TRUE(dialogs.allAnswered());
        ledgrix::test::libere();
        DocumentosTest::TearDown();
    }
    // Numbers of the rows the grid shows, in its order.
    static QStringList numeros(Tfbuscantipos& w) {
        QStringList n;
        ClientDataset& filas = w.logica().filas();
        EXPECT_EQ(w.grilla()->model()->rowCount(), filas.recordCount());
        for (filas.first(); !filas.eof(); filas.next())
            n << filas.fieldByName(S("NUMERO")).asString();
        return n;
    }
    static void elija(Tfbuscantipos& w, const char* numero) {
        ClientDataset& filas = w.logica().filas();
        for (int r = 0; r < w.grilla()->model()->rowCount(); ++r) {
            w.grilla()->setCurrentIndex(w.grilla()->model()->index(r, 0));
            if (filas.fieldByName(S("NUMERO")).asString() == S(numero))
                return;
        }
        ADD_FAILURE() << "no row " << numero;
    }
};

TEST_F(AnticipoListasTest, SearchFiltersByTheChosenColumnAsTheUserTypes) {
    Tfbuscantipos w(*dm);
    w.show();
    EXPECT_EQ(numeros(w), (QStringList{S("000072"), S("000071")}));  // newest first

    struct Caso {
        const char* columna;
        const char* texto;
        bool contiene;
        QStringList esperados;
    } casos[] = {
        {"Concepto", "OBRA", true, {S("000071")}},
        {"Proveedor", "papel", true, {S("000072")}},
        {"Número", "000072", false, {S("000072")}},
        // Dates are typed as the program writes them.
        {"Fecha", "2022/09/12", false, {S("000072")}},
        {"Fecha", "2022/09/10", true, {S("000071")}},
        {"Concepto", "nada", true, {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        w.texto()->clear();
        w.contiene()->setChecked(c.contiene);
        w.columna_filtro()->setCurrentText(S(c.columna));
        w.texto()->setFocus();
        for (const QChar ch : S(c.texto)) {
            QKeyEvent k(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(w.texto(), &k);
        }
        EXPECT_EQ(numeros(w), c.esperados);
    }
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
}

TEST_F(AnticipoListasTest, AnnulsAFreeAdvanceAndRefusesOneAVoucherPaidOut) {
    Tfbuscantipos w(*dm);
    w.show();
    elija(w, "000071");
    dialogs.expectQuestion(S("Esta seguro de anular el anticipo No 0000000071?"), true);
    tecla(w.grilla(), Qt::Key_F3);
    EXPECT_EQ(texto(S("select ANPR_ANULADO from ANTICIPOS_PROVEEDOR where ANPR_ID = 71")), S("S"));
    EXPECT_EQ(guardado(55, 71), S("0.00"));
    elija(w, "000071");
    EXPECT_EQ(w.logica().filas().fieldByName(S("ANULADO")).asString(), S("S"));

    // Paid out by a live voucher: the voucher is annulled instead.
    elija(w, "000072");
    dialogs.expectQuestion(S("Esta seguro de anular el anticipo No 0000000072?"), true);
    tecla(w.grilla(), Qt::Key_F3);
    EXPECT_EQ(dialogs.lastError(),
              S("El anticipo fue pagado por un egreso vigente. Anule primero el egreso."));
    EXPECT_EQ(texto(S("select ANPR_ANULADO from ANTICIPOS_PROVEEDOR where ANPR_ID = 72")), S("N"));
    EXPECT_EQ(guardado(55, 72), S("-287.50"));

    // Its history and its consultation, for the row on screen.
    const struct {
        int key;
        const char* ventana;
    } consultas[] = {{Qt::Key_F12, "Tfabonosprv"}, {Qt::Key_F4, "Tfconsanticipo"}};
    for (const auto& c : consultas) {
        dm->documento_consultado = {};
        dialogs.expectModal(S(c.ventana), 1);
        tecla(w.grilla(), c.key);
        EXPECT_EQ(dm->documento_consultado.tipo, 55);
        EXPECT_EQ(dm->documento_consultado.id, 72);
    }
}

TEST_F(AnticipoListasTest, HistoryListsThePayingVoucherAndConsultationShowsIt) {
    dm->documento_consultado = {55, 72, S("0000"), S("000072"), {}};
    Tfconsanticipo consulta(*dm);
    consulta.show();
    const struct {
        const char *campo, *texto;
    } vistos[] = {
        {"TERC_NIT", "860045678"}, {"ANPR_CONC", "Fletes"},   {"EGRESO", "0000000080"},
        {"ANPR_BASE", "250,00"},   {"totalconiva", "297,50"}, {"total", "287,50"},
        {"SALDO", "287,50"},       {"ANPR_ANULADO", "No"},
    };
    for (const auto& v : vistos) {
        SCOPED_TRACE(v.campo);
        ASSERT_TRUE(consulta.valor(S(v.campo)));
        EXPECT_EQ(consulta.valor(S(v.campo))->text(), S(v.texto));
    }
    dialogs.expectModal(S("Tfimpranticipoprv"), 1);
    tecla(consulta.valor(S("ANPR_BASE")), Qt::Key_F2);

    dm->documento_consultado = {};
    dialogs.expectModal(S("Tfabonosprv"), 1);
    tecla(consulta.valor(S("ANPR_BASE")), Qt::Key_F12);
    ASSERT_EQ(dm->documento_consultado.id, 72);

    Tfabonosprv historia(*dm);
    historia.show();
    ClientDataset& filas = historia.logica().filas();
    ASSERT_EQ(historia.grilla()->model()->rowCount(), 1);
    EXPECT_EQ(filas.fieldByName(S("NUMERO")).asString(), S("000080"));
    EXPECT_EQ(filas.fieldByName(S("ABONO")).asCurrency(), Currency::fromText(S("287.5")));
    historia.grilla()->setCurrentIndex(historia.grilla()->model()->index(0, 0));
    dialogs.expectModal(S("Tfconsegreso"), 1);
    tecla(historia.grilla(), Qt::Key_F4);
    EXPECT_EQ(dm->documento_consultado.tipo, 62);
    EXPECT_EQ(dm->documento_consultado.id, 80);

    // A consultation of nothing says so.
    dm->documento_consultado = {55, 999, {}, {}, {}};
    Tfconsanticipo ninguna(*dm);
    EXPECT_EQ(dialogs.texts(S("information")).value(0), S("No Existe un Documento a Consultar"));
    EXPECT_FALSE(ninguna.valor(S("ANPR_BASE")));
}

}  // namespace
