// The consultation window offscreen: first focus, the sum of the marked rows
// in the installation's format, and the keys that hand documents over or
// open their windows.
#include <QApplication>
#include <QLabel>
#include <QPointer>

#include "core/data/client_dataset.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "parties/tfdmter.h"
#include "reports/ui/consulta/tfconscxpagar.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

namespace ledgrix::test {
namespace {

class ConsultaVentanaTest : public DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        cargo(200, QStringLiteral("000200"), kTransportes, QDate(2022, 8, 10),
              QStringLiteral("1234.56"));
        cargo(201, QStringLiteral("000201"), kTransportes, QDate(2022, 8, 11),
              QStringLiteral("2265.94"));
        Tfdmter::entregado = {kTransportes, QStringLiteral("Transportes")};
    }
    Tfconscxpagar* abra() {
        auto* v = new Tfconscxpagar(*dm);
        v->setAttribute(Qt::WA_DeleteOnClose);
        v->show();
        QApplication::setActiveWindow(v);
        return v;
    }
};

TEST_F(ConsultaVentanaTest, MarkedRowsAreAddedUpAndHandedOver) {
    QPointer<Tfconscxpagar> v = abra();
    EXPECT_EQ(QApplication::focusWidget(), v->grilla());
    ASSERT_EQ(v->grilla()->model()->rowCount(), 2) << dialogs.lastError().toStdString();
    v->grilla()->selectAll();
    EXPECT_EQ(v->suma()->text(), QStringLiteral("Suma seleccionados: 3.500,50"));

    dialogs.expectModal(QStringLiteral("Tfconsnotdbcxp"), 0);
    tecla(v->grilla(), Qt::Key_F4);
    dialogs.expectModal(QStringLiteral("Tfabonosprv"), 0);
    tecla(v->grilla(), Qt::Key_F8);
    EXPECT_TRUE(dialogs.allAnswered());

    tecla(v->grilla(), Qt::Key_F5);
    libere();
    EXPECT_TRUE(v.isNull());
    EXPECT_EQ(dm->documentos_seleccionados.size(), 2);
}

TEST_F(ConsultaVentanaTest, EnterHandsOverTheCurrentDocumentEscHandsOverNothing) {
    QPointer<Tfconscxpagar> v = abra();
    v->grilla()->setCurrentIndex(v->grilla()->model()->index(1, 0));
    const qint64 id = v->logica().documento(v->logica().documentos().recNo()).id;
    tecla(v->grilla(), Qt::Key_Return);
    libere();
    EXPECT_TRUE(v.isNull());
    ASSERT_EQ(dm->documentos_seleccionados.size(), 1);
    EXPECT_EQ(dm->documentos_seleccionados.first().id, id);

    v = abra();
    tecla(v->grilla(), Qt::Key_Escape);
    libere();
    EXPECT_TRUE(v.isNull());
    EXPECT_TRUE(dm->documentos_seleccionados.isEmpty());
}

}  // namespace
}  // namespace ledgrix::test
