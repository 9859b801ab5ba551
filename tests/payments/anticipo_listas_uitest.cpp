#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTimerEvent>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "payments/ui/anticipos/tfabonosprv.h"
#include "payments/ui/anticipos/tfanticiposprv.h"
#include "payments/ui/anticipos/tfbuscantipos.h"
#include "payments/ui/anticipos/tfconsanticipo.h"
#include "payments/ui/aplicaciones/tfbuscaplicaciones.h"
#include "payments/ui/comun/enlaces_campos.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

using namespace ledgrix;
using ledgrix::test::kPapeleria;
using ledgrix::test::kTransportes;
using ledgrix::test::tecla;
using ledgrix::test::teclee;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// The main window's work area, maximised on a 1366x768 screen.
const QSize kAreaTrabajo(1247, 610);

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
        area.resize(kAreaTrabajo);
    }
    void TearDown() override {
        EXPECT_TRUE(dialogs.allAnswered());
        Anticipo::entregado = {};
        ledgrix::test::libere();
        DocumentosTest::TearDown();
    }
    // Opened inside the work area as the main window opens its windows.
    template <class V>
    QPointer<V> abra() {
        auto* v = new V(*dm);
        v->setAttribute(Qt::WA_DeleteOnClose);
        area.addSubWindow(v)->show();
        area.show();
        QApplication::setActiveWindow(&area);
        QApplication::processEvents();
        return v;
    }
    // The pause after typing has lasted the delay.
    static void pausa(Tfbuscantipos& w) {
        ASSERT_TRUE(w.espera().isActive());
        QTimerEvent fin(w.espera().timerId());
        QCoreApplication::sendEvent(&w.espera(), &fin);
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

    QMdiArea area;
};

// Each list opens with the keyboard where the user types (the search text,
// or the grid of a list without one), every column in sight under a
// readable title, and the key Esc, pressed wherever the focus is, closes it.
TEST_F(AnticipoListasTest, ListsOpenInSightReadyForTheKeyboardAndCloseOnEsc) {
    aplicacion(90, S("000090"), kPapeleria, QDate(2022, 9, 16));
    dm->documento_consultado = {55, 72, S("0000"), S("000072"), {}};
    const auto revise = [this](Tflista* v, QWidget* foco) {
        SCOPED_TRACE(v->objectName().toStdString());
        QPointer<Tflista> ventana(v);
        EXPECT_EQ(QApplication::focusWidget(), foco);
        const QRect vista = area.viewport()->rect();
        EXPECT_TRUE(vista.contains(v->parentWidget()->geometry()))
            << v->parentWidget()->width() << "x" << v->parentWidget()->height();
        LedgrixGrid* g = v->grilla();
        EXPECT_LE(g->horizontalHeader()->length(), g->viewport()->width());
        const auto* modelo = static_cast<const DatasetModel*>(g->sourceModel());
        for (int c = 0; c < modelo->columnCount(); ++c)
            EXPECT_NE(modelo->headerData(c, Qt::Horizontal).toString(), modelo->fieldAt(c)->name());
        tecla(QApplication::focusWidget(), Qt::Key_Escape);
        ledgrix::test::libere();
        EXPECT_TRUE(ventana.isNull());
    };
    auto anticipos = abra<Tfbuscantipos>();
    revise(anticipos, anticipos->texto());
    auto aplicaciones = abra<Tfbuscaplicaciones>();
    revise(aplicaciones, aplicaciones->texto());
    auto abonos = abra<Tfabonosprv>();
    revise(abonos, abonos->grilla());

    // The advance window, modal over the voucher, starts in the amount.
    Anticipo::entregado = {kPapeleria, QDate(2022, 9, 21)};
    auto* ventana = new Tfanticiposprv(*dm);
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<Tfanticiposprv> anticipo(ventana);
    ventana->show();
    QApplication::setActiveWindow(ventana);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), ventana->enlaces().widget(S("ANPR_BASE")));
    tecla(QApplication::focusWidget(), Qt::Key_Escape);
    ledgrix::test::libere();
    EXPECT_TRUE(anticipo.isNull());
}

// The search waits for the user to stop typing the login's search delay,
// then lists what the text matches in the column chosen, newest first.
TEST_F(AnticipoListasTest, SearchRunsOnceTheTypingPausesForTheLoginsDelay) {
    LedgrixGrid::setSearchDelayFor(&area, 700);
    QPointer<Tfbuscantipos> w = abra<Tfbuscantipos>();
    EXPECT_EQ(numeros(*w), (QStringList{S("000072"), S("000071")}));
    w->columna_busqueda()->setCurrentText(S("Concepto"));
    int consultas = 0;
    w->logica().filas().afterOpen = [&consultas](ClientDataset&) { ++consultas; };
    teclee(w->texto(), S("OBRA"));
    EXPECT_EQ(consultas, 0);
    EXPECT_EQ(w->espera().interval(), 700);
    pausa(*w);
    EXPECT_EQ(consultas, 1);
    EXPECT_EQ(numeros(*w), QStringList{S("000071")});

    struct Caso {
        const char* columna;
        const char* texto;
        bool contiene;
        QStringList esperados;
    } casos[] = {
        {"Proveedor", "papel", true, {S("000072")}},
        {"Número", "000072", false, {S("000072")}},
        // Dates are typed as the program writes them.
        {"Fecha", "2022/09/12", false, {S("000072")}},
        {"Fecha", "2022/09/10", true, {S("000071")}},
        {"Concepto", "nada", true, {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        w->contiene()->setChecked(c.contiene);
        w->columna_busqueda()->setCurrentText(S(c.columna));
        w->texto()->clear();
        teclee(w->texto(), S(c.texto));
        pausa(*w);
        EXPECT_EQ(numeros(*w), c.esperados);
    }
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
}

// The keys of the search work on the row on screen: F3 annuls it, F12 opens
// its payment history, F4 its consultation.
TEST_F(AnticipoListasTest, KeysOfTheSearchWorkOnTheRowOnScreen) {
    Tfbuscantipos w(*dm);
    w.show();
    elija(w, "000071");
    tecla(w.grilla(), Qt::Key_F3);
    w.razon()->setPlainText(S("Duplicado"));
    dialogs.expectQuestion(S("Esta seguro de anular el anticipo No 0000000071?"), true);
    tecla(w.razon(), Qt::Key_F5);
    EXPECT_EQ(texto(S("select ANPR_ANULADO from ANTICIPOS_PROVEEDOR where ANPR_ID = 71")), S("S"));
    elija(w, "000071");
    EXPECT_EQ(w.logica().filas().fieldByName(S("ANULADO")).asString(), S("S"));

    elija(w, "000072");
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
    dialogs.expectModal(S("Tfabonosprv"), 1);
    tecla(consulta.valor(S("ANPR_BASE")), Qt::Key_F12);

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
