// The commitments list's keys and the rating window's keys on a demo
// company: what each opens or asks, and the list following the flag.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "core/data/client_dataset.h"
#include "parties/tfdmter.h"
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
