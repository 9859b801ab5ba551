// The commitments list's keys and the rating window's keys on a demo
// company: what each opens or asks, and the list following the flag.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "core/data/client_dataset.h"
#include "parties/tfdmter.h"
#include "parties/ui/compromisos/tfcompromiso.h"
#include "parties/ui/compromisos/tfcompromisos.h"
#include "parties/ui/evaluacion/tfcalificacionprv.h"
#include "tests/support/module_fixture.h"
#include "tests/support/teclado.h"

namespace ledgrix::test {
namespace {

class CompromisosVentanaTest : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte();
        ASSERT_TRUE(dm->sql().execute(
            QStringLiteral("insert into COMPROMISOS_PROV (COPR_FECHA, COPR_NIT, COPR_ASUNTO, "
                           "COPR_CUMPLIDO) values ('2022/09/21', '900123456', 'Visita', 'S')")));
    }
};

// Enter moves from box to box (a dialog would press its first button and
// store half a commitment); F2 stores.
TEST_F(CompromisosVentanaTest, UnCompromisoSeTecleaConEnterYSeGrabaConF2) {
    Tfcompromiso v(*dm, 0, QStringLiteral("900123456"));
    al_frente(&v);
    teclee(QApplication::focusWidget(), QStringLiteral("Entrega de certificados"));
    pulse(Qt::Key_Return);
    teclee(QApplication::focusWidget(), QStringLiteral("Ana"));
    pulse(Qt::Key_Return);
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
    pulse(Qt::Key_F2);
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
    EXPECT_EQ(dm->sql()
                  .scalar(QStringLiteral("select count(*) from COMPROMISOS_PROV where "
                                         "COPR_ASUNTO = 'Entrega de certificados' and "
                                         "COPR_ENCARGADO = 'Ana' and COPR_NIT = '900123456'"))
                  .toInt(),
              1);
}

TEST_F(CompromisosVentanaTest, LasTeclasDeLaListaAbrenOPreguntan) {
    Tfdmter::entregado = {QStringLiteral("900123456"), {}};
    auto* v = new Tfcompromisos(*dm);
    EXPECT_EQ(v->logica().filas().recordCount(), 0);
    v->cumplidos()->setChecked(true);
    EXPECT_EQ(v->logica().filas().recordCount(), 1);
    dialogs.expectModal(QStringLiteral("Tfcompromiso"), 0);
    tecla(v, Qt::Key_F5);
    dialogs.expectModal(QStringLiteral("Tfcompromiso"), 0);
    tecla(v, Qt::Key_F4);
    dialogs.expectQuestion(QStringLiteral("Esta seguro de eliminar el compromiso Visita?"), false);
    tecla(v, Qt::Key_F3);
    dialogs.expectModal(QStringLiteral("Tfcritcompromisos"), 0);
    tecla(v, Qt::Key_F9);
    EXPECT_TRUE(dialogs.allAnswered());
    v->close();
}

TEST_F(CompromisosVentanaTest, LaCalificacionAbreLosCriteriosEImprime) {
    auto* v = new Tfcalificacionprv(*dm, QStringLiteral("900123456"));
    EXPECT_EQ(v->logica().filas().recordCount(), 2);
    dialogs.expectModal(QStringLiteral("Tfcriteriosprv"), 0);
    tecla(v, Qt::Key_F5);
    dialogs.expectModal(QStringLiteral("Tfrepcalificacion"), 0);
    tecla(v, Qt::Key_F7);
    EXPECT_TRUE(dialogs.allAnswered());
    v->close();
}

}  // namespace
}  // namespace ledgrix::test
