// The movement analysis window offscreen: F2 fills the pivot, a dimension
// moves between the lists with the keyboard and the pivot follows, Enter on
// a cell lists its documents and F4 there opens the document.
#include <QApplication>
#include <QDateEdit>
#include <QListWidget>

#include "core/ui/grid/ledgrix_grid.h"
#include "reports/ui/pivote/tfanalisismovcxp.h"
#include "reports/ui/pivote/tfdetalle_analisis.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

namespace ledgrix::test {
namespace {

void control(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
    QApplication::sendEvent(w, &press);
}

class AnalisisMovimientoVentanaTest : public DocumentosTest {};

TEST_F(AnalisisMovimientoVentanaTest, CalculaMueveDimensionesYAbreElDetalle) {
    cargo(200, QStringLiteral("000200"), kTransportes, QDate(2022, 8, 10), QStringLiteral("100"));
    cargo(201, QStringLiteral("000201"), kPapeleria, QDate(2022, 8, 12), QStringLiteral("30"));
    descuento(202, QStringLiteral("000202"), kTransportes, QDate(2022, 8, 14), QStringLiteral("5"));
    auto* v = al_frente(new Tfanalisismovcxp(*dm));
    v->setAttribute(Qt::WA_DeleteOnClose);
    v->desde()->setDate(QDate(2022, 8, 1));
    v->hasta()->setDate(QDate(2022, 8, 31));
    tecla(v->desde(), Qt::Key_F2);
    QAbstractItemModel* modelo = v->grilla()->model();
    ASSERT_EQ(modelo->rowCount(), 3);  // two suppliers and the total

    // "Mes" from "Sin usar" to the rows, then before the supplier.
    v->sin_usar()->setFocus();
    v->sin_usar()->setCurrentRow(
        v->sin_usar()->row(v->sin_usar()->findItems(QStringLiteral("Mes"), Qt::MatchExactly)[0]));
    control(v->sin_usar(), Qt::Key_Left);
    control(v->columnas(), Qt::Key_Left);
    control(v->filas(), Qt::Key_Up);
    EXPECT_EQ(v->logica().cubo().disposicion().filas,
              (QList<Dimension>{Dimension::Mes, Dimension::Proveedor}));
    EXPECT_EQ(modelo->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Mes"));
    ASSERT_EQ(modelo->rowCount(), 4);  // two suppliers, August's subtotal, the total

    // The grand total of the amounts: every document of the period.
    v->grilla()->setFocus();
    v->grilla()->setCurrentIndex(modelo->index(3, modelo->columnCount() - 1));
    tecla(v->grilla(), Qt::Key_Return);
    auto* detalle = v->findChild<Tfdetalleanalisis*>();
    ASSERT_NE(detalle, nullptr);
    EXPECT_EQ(detalle->documentos().size(), 3u);
    EXPECT_EQ(detalle->grilla()->model()->rowCount(), 3);
    dialogs.expectModal(QStringLiteral("Tfconsnotdbcxp"), 0);
    detalle->grilla()->setCurrentIndex(detalle->grilla()->model()->index(0, 0));
    tecla(detalle->grilla(), Qt::Key_F4);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(dm->documento_consultado.id, detalle->documentos()[0].id);
    tecla(detalle->grilla(), Qt::Key_Escape);
    libere();
    EXPECT_EQ(v->findChild<Tfdetalleanalisis*>(), nullptr);
    v->close();
    libere();
}

}  // namespace
}  // namespace ledgrix::test
