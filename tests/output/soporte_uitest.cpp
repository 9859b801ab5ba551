// The batch sending window as a clerk uses it.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

#include "output/ui/soporte/tfenviandele.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

namespace ledgrix::test {
namespace {

class EnviandeleTest : public DocumentosTest {};

TEST_F(EnviandeleTest, PideElRangoYSaleConEsc) {
    QPointer<Tfenviandele> v = new Tfenviandele(*dm);
    v->show();
    QApplication::setActiveWindow(v);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), v->documento());
    // The demo's charge series has credentials for its current number.
    EXPECT_EQ(v->prefijo()->currentText(), QStringLiteral("0000"));
    tecla(v->documento(), Qt::Key_F2);
    EXPECT_EQ(dialogs.lastError(),
              QStringLiteral("Indique el prefijo y el rango de números a enviar."));
    v->desde()->setText(QStringLiteral("20"));
    v->hasta()->setText(QStringLiteral("3"));
    tecla(v->desde(), Qt::Key_F2);
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("El número final es menor que el inicial."));
    ASSERT_FALSE(v.isNull());
    tecla(v->hasta(), Qt::Key_Escape);
    libere();
    EXPECT_TRUE(v.isNull());
}

}  // namespace
}  // namespace ledgrix::test
