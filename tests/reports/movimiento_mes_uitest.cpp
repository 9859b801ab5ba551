// The monthly movement window offscreen: where it opens, F2, the hand-overs
// of the row's supplier, Enter in a filter, and the chart of the company and
// of one supplier.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "core/data/client_dataset.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "parties/tfdmter.h"
#include "reports/ui/movimiento_mes/grafica_meses.h"
#include "reports/ui/movimiento_mes/tfmovicuenxpagar.h"
#include "tests/reports/cargos_ventana.h"
#include "tests/support/teclado.h"

namespace ledgrix::test {
namespace {

using MovimientoMesVentanaTest = CargosVentanaTest;

TEST_F(MovimientoMesVentanaTest, KeysHandOversAndChart) {
    // Another window is open: this one steps down and right of it.
    area.addSubWindow(new QWidget)->show();
    QPointer<Tfmovicuenxpagar> v = abra<Tfmovicuenxpagar>();
    EXPECT_EQ(v->parentWidget()->pos(), QPoint(6, 8));
    EXPECT_EQ(v->desde()->date(), QDate(2022, 9, 1));
    EXPECT_EQ(v->hasta()->date(), QDate(2022, 9, 30));
    EXPECT_FALSE(v->moneda()->isVisibleTo(v));

    v->desde()->setDate(QDate(2022, 8, 1));
    tecla(v->desde(), Qt::Key_F2);
    ASSERT_EQ(v->grilla()->model()->rowCount(), 2) << dialogs.lastError().toStdString();
    EXPECT_TRUE(v->totales()->text().contains(QStringLiteral("Final 1.311,56")) ||
                v->totales()->text().contains(QStringLiteral("Final 1,311.56")))
        << v->totales()->text().toStdString();
    EXPECT_EQ(v->grafica()->titulo(), QStringLiteral("Total compañía"));
    EXPECT_EQ(v->grafica()->categorias().size(), MovimientoMes::kMesesGrafica);
    const auto series = v->grafica()->series();
    EXPECT_EQ(series.keys(), (QStringList{"Abonos", "Cargos", "Descuentos", "Saldo"}));
    for (const QList<qreal>& s : series)
        EXPECT_EQ(s.size(), MovimientoMes::kMesesGrafica);
    EXPECT_DOUBLE_EQ(series["Saldo"].last(), 1311.56);
    EXPECT_DOUBLE_EQ(series["Cargos"][10], 1234.56);  // August

    // Enter on a row hands the supplier and the window's period to its movement.
    const int fila = 1;
    v->grilla()->setCurrentIndex(v->grilla()->model()->index(fila, 0));
    const QString nit = v->logica().nit_actual();
    dialogs.expectModal(QStringLiteral("Tfmovimientoprv"), 0);
    tecla(v->grilla(), Qt::Key_Return);
    EXPECT_EQ(Tfdmter::entregado.nit, nit);
    EXPECT_EQ(dm->periodo_desde, QDate(2022, 8, 1));
    EXPECT_EQ(dm->periodo_hasta, QDate(2022, 9, 30));
    dialogs.expectModal(QStringLiteral("Tfconscxpagar"), 0);
    tecla(v->grilla(), Qt::Key_F8);
    EXPECT_TRUE(dm->ctx.busqueda_principal);
    EXPECT_TRUE(dialogs.allAnswered());

    // Enter in a filter of the grid only filters.
    v->filtros()->setChecked(true);
    v->grilla()->filterEditor(0)->setFocus();
    tecla(v->grilla()->filterEditor(0), Qt::Key_Return);
    EXPECT_EQ(dialogs.texts(QStringLiteral("modal")).size(), 2);

    // The supplier of the row alone.
    v->solo_proveedor()->setChecked(true);
    EXPECT_EQ(v->grafica()->titulo(), QStringLiteral("Proveedor: ") + v->logica().nombre_actual());
    EXPECT_DOUBLE_EQ(v->grafica()->series()["Saldo"].last(),
                     v->logica().proveedores().fieldByName("FINAL").asCurrency().toDouble());

    tecla(v->grilla(), Qt::Key_Escape);
    libere();
    EXPECT_TRUE(v.isNull());

    // The currency is chosen only where the company asks for it.
    configure(QStringLiteral("PREGUNTAR TASA DE CAMBIO EN DOCUMENTOS DE CUENTAS POR PAGAR"),
              QStringLiteral("SI"));
    QPointer<Tfmovicuenxpagar> otra = abra<Tfmovicuenxpagar>();
    EXPECT_TRUE(otra->moneda()->isVisibleTo(otra));
    ASSERT_GT(otra->moneda()->count(), 1);
    otra->moneda()->setCurrentIndex(1);
    tecla(otra->grilla(), Qt::Key_F2);
    EXPECT_TRUE(otra->logica().proveedores().commandText().endsWith(
        QStringLiteral(",") + otra->moneda()->currentData().toString() + QStringLiteral(")")));
    otra->close();
    libere();
}

}  // namespace
}  // namespace ledgrix::test
