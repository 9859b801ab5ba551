// The aging analysis window offscreen: where the user starts, the keys, the
// chart against the grid, and its size in the main window's work area.
#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPointer>

#include "core/money/formato_numero.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "parties/tfdmter.h"
#include "reports/ui/analisis/grafica_tramos.h"
#include "reports/ui/analisis/tfanalisiscxp.h"
#include "tests/reports/cargos_ventana.h"
#include "tests/support/teclado.h"

namespace ledgrix::test {
namespace {

class AnalisisVentanaTest : public CargosVentanaTest {
  protected:
    // The amounts of a grid column as shown, read back in the installation's format.
    static QList<qreal> columna(Tfanalisiscxp* v, int fila_o_todas) {
        QList<qreal> out;
        const QAbstractItemModel* m = v->grilla()->model();
        for (int c = m->columnCount() - AnalisisCxp::kTramos; c < m->columnCount(); ++c) {
            Currency suma;
            for (int r = 0; r < m->rowCount(); ++r)
                if (fila_o_todas < 0 || r == fila_o_todas)
                    suma += *FormatoNumero::instalacion().lea(m->index(r, c).data().toString());
            out << suma.toDouble();
        }
        return out;
    }
};

TEST_F(AnalisisVentanaTest, KeysChartAndPlace) {
    QPointer<Tfanalisiscxp> v = abra<Tfanalisiscxp>();
    EXPECT_EQ(QApplication::focusWidget(), v->corte());
    EXPECT_EQ(v->corte()->date(), clock.today());
    // The window fills the work area less its margins.
    const QRect marco = v->parentWidget()->geometry();
    EXPECT_EQ(marco.size(), kAreaTrabajo - QSize(130, 140));
    EXPECT_TRUE(QRect(QPoint(0, 0), area.viewport()->size()).contains(marco));

    tecla(v->rango(), Qt::Key_F2);
    ASSERT_EQ(v->grilla()->model()->rowCount(), 2) << dialogs.lastError().toStdString();
    EXPECT_EQ(v->grafica()->titulo(), QStringLiteral("Total compañía"));
    EXPECT_EQ(v->grafica()->categorias(), v->logica().encabezados());
    EXPECT_EQ(v->grafica()->valores(), columna(v, -1));

    // Moving to a supplier draws that supplier.
    const int otra = 1 - v->grilla()->currentIndex().row();
    v->grilla()->setCurrentIndex(v->grilla()->model()->index(otra, 0));
    const QString nit = v->logica().nit_actual();
    EXPECT_EQ(v->grafica()->titulo(), QStringLiteral("Proveedor: ") + v->logica().nombre_actual());
    EXPECT_EQ(v->grafica()->valores(), columna(v, otra));

    // F5 refreshes and stays on that supplier, the chart back to the company.
    tecla(v->grilla(), Qt::Key_F5);
    EXPECT_EQ(v->logica().nit_actual(), nit);
    EXPECT_EQ(v->grilla()->currentIndex().row(), otra);
    EXPECT_EQ(v->grafica()->titulo(), QStringLiteral("Total compañía"));

    dialogs.expectModal(QStringLiteral("Tfconscxpagar"), 0);
    tecla(v->grilla(), Qt::Key_F8);
    EXPECT_EQ(Tfdmter::entregado.nit, nit);
    dialogs.expectModal(QStringLiteral("Tfmovimientoprv"), 0);
    tecla(v->grilla(), Qt::Key_F9);
    EXPECT_EQ(dm->periodo_desde, QDate(2022, 9, 1));
    EXPECT_EQ(dm->periodo_hasta, QDate(2022, 9, 30));
    EXPECT_TRUE(dialogs.allAnswered());

    // A width that is not a number: told, the rows stay, the user is in the box.
    v->rango()->setText(QStringLiteral("x"));
    tecla(v->rango(), Qt::Key_F2);
    EXPECT_EQ(dialogs.errors().size(), 1);
    EXPECT_EQ(v->grilla()->model()->rowCount(), 2);

    tecla(v->grilla(), Qt::Key_Escape);
    libere();
    EXPECT_TRUE(v.isNull());
}

}  // namespace
}  // namespace ledgrix::test
