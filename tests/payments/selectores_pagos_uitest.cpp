#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "payments/caja/tfdmcja.h"
#include "payments/cartera/registro_cartera.h"
#include "payments/ui/comun/panel_lineas.h"
#include "payments/ui/egresos/tfegresos.h"
#include "payments/ui/selectores/seleccion_cartera.h"
#include "payments/ui/selectores/seleccion_doccaja.h"
#include "tests/payments/ventana_egreso.h"

using namespace ledgrix;
using test::tecla;

namespace {

// Sales invoices of the stationery supplier, who is also a client, and the
// two cheques clients gave that the demo's general box holds.
const QString kFv1 = QStringLiteral("00009201");
const QString kFv2 = QStringLiteral("00009202");
const QString kCheque1 = QStringLiteral("004512");
const QString kCheque2 = QStringLiteral("118820");

class SelectoresPagosTest : public test::VentanaEgresoTest {
  protected:
    void SetUp() override {
        VentanaEgresoTest::SetUp();
        // Two before the voucher's date (today), one after it.
        const char* const facturas[][3] = {{"9201", "2022/09/01", "100000"},
                                           {"9202", "2022/09/10", "200000"},
                                           {"9203", "2022/10/01", "300000"}};
        for (const auto& f : facturas)
            run(QStringLiteral("insert into FACTURAS (FACT_ID, PREF_PRE, FACT_NUMERO, FACT_FECHA, "
                               "TERC_NIT, FACT_MONTO, FACT_IVAMONTO) values (%1, 'FV', '0000%1', "
                               "'%2', '%3', %4, %4 * 0.19)")
                    .arg(QLatin1String(f[0]), QLatin1String(f[1]), test::kPapeleria,
                         QLatin1String(f[2])));
    }
    // A voucher to the stationery supplier with its documents panel open.
    void abra_con_proveedor() {
        abra();
        proveedor();
    }
    // The numbers (third column) of the lines a chooser shows.
    template <typename S>
    static QStringList columna(const S& seleccion, int c) {
        QStringList r;
        for (const QStringList& fila : seleccion.filas())
            r << fila.value(c);
        return r;
    }
    QStringList columna_de(const ClientDataset& ds, const char* campo) {
        QStringList r;
        const int i = ds.fieldByName(QLatin1String(campo)).index();
        for (int f = 0; f < ds.recordCount(); ++f)
            r << ds.valueAt(f, i).toString().trimmed();
        return r;
    }
    static void doble_clic(LedgrixGrid* g) {
        const QPoint p = g->visualRect(g->model()->index(0, 0)).center();
        QMouseEvent e(QEvent::MouseButtonDblClick, p, g->viewport()->mapToGlobal(p), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(g->viewport(), &e);
    }
};

// The receivables chooser offers the payee's open receivables documents
// that the voucher does not cross yet; the search narrows them, and what is
// handed over is the line the user sees, alone or as a group.
TEST_F(SelectoresPagosTest, TheReceivablesChooserHandsOverWhatTheUserSees) {
    const QDate hoy(2022, 9, 21);
    SeleccionCartera s(*dm);
    s.cargue(test::kPapeleria, hoy, {});
    EXPECT_EQ(columna(s, 2), (QStringList{kFv1, kFv2}));
    EXPECT_EQ(columna(s, 5),
              (QStringList{QStringLiteral("119.000,00"), QStringLiteral("238.000,00")}));
    s.cargue(test::kTransportes, hoy, {});
    EXPECT_EQ(s.cuantas(), 0);
    s.cargue(test::kPapeleria, hoy, {{31, 9201}});
    EXPECT_EQ(columna(s, 2), QStringList{kFv2});

    s.cargue(test::kPapeleria, hoy, {});
    s.busque(QStringLiteral("9202"));
    ASSERT_TRUE(s.entregue({0}));
    ASSERT_TRUE(s.elegido());
    EXPECT_EQ(s.elegido()->numero, kFv2);
    EXPECT_EQ(RegistroCartera::grupo_entregado, 0);

    // Several at once are a group that F8 in the crosses panel turns into
    // one cross per document, consuming it.
    abra_con_proveedor();
    pulse(Qt::Key_F7);
    ASSERT_EQ(v->panel_visible(), v->panel_cruces());
    s.busque({});
    ASSERT_TRUE(s.entregue({1, 0}));
    ASSERT_NE(RegistroCartera::grupo_entregado, 0);
    dialogs.expectModal(QStringLiteral("Tfbusccartera"), 1);
    pulse(Qt::Key_F8);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(columna_de(v->logica().cruces(), "EGCC_NUMERO"), (QStringList{kFv1, kFv2}));
    EXPECT_EQ(RegistroCartera::grupo_entregado, 0);
    EXPECT_TRUE(dialogs.errors().isEmpty()) << errores();
}

// The held-documents chooser offers what the box still holds, less what the
// voucher's other lines spend; a double click on the cash grid opens it and
// the document chosen fills the line with its own amount.
TEST_F(SelectoresPagosTest, AHeldChequeChosenFromTheCashGridFillsTheLine) {
    SeleccionDocCaja s(*dm);
    s.cargue(1, {});
    EXPECT_EQ(columna(s, 3), (QStringList{kCheque1, kCheque2}));
    s.cargue(2, {});
    EXPECT_EQ(s.cuantas(), 0);  // the petty-cash box holds none
    Tfdmcja::DocumentoCaja usado;
    usado.fopa = 2;
    usado.banco = QStringLiteral("07");
    usado.cuenta = QStringLiteral("40512345678");
    usado.numero = kCheque1;
    s.cargue(1, {usado});
    EXPECT_EQ(columna(s, 3), QStringList{kCheque2});

    abra_con_proveedor();
    elija_factura();
    pulse(Qt::Key_F2);
    pulse(Qt::Key_F4);
    ASSERT_EQ(v->panel_visible(), v->panel_caja());

    s.cargue(1, {});
    ASSERT_TRUE(s.entregue({0}));
    dialogs.expectModal(QStringLiteral("Tfbuscdoccaja"), 1);
    doble_clic(v->panel_caja()->grilla());
    EXPECT_TRUE(dialogs.allAnswered());
    ClientDataset& caja = v->logica().caja();
    ASSERT_EQ(caja.recordCount(), 1);
    EXPECT_EQ(columna_de(caja, "EGCA_NUMERO"), QStringList{kCheque1});
    EXPECT_EQ(columna_de(caja, "FOPA_ID"), QStringList{QStringLiteral("2")});
    EXPECT_EQ(caja.fieldByName(QStringLiteral("EGCA_MONTO")).asCurrency().toString(2),
              QStringLiteral("350000.00"));
    EXPECT_TRUE(Tfdmcja::entregados.isEmpty());
}

}  // namespace
