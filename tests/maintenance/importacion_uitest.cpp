// The import wizard driven with keys on a demo company: the three steps,
// a refused line that keeps the user in the last step to fix the file, and
// Esc back to the start and out.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "core/ui/grid/ledgrix_grid.h"
#include "maintenance/ui/importacion/tfimportar1.h"
#include "maintenance/ui/importacion/tfimportar2.h"
#include "maintenance/ui/importacion/tfimportar3.h"
#include "tests/support/module_fixture.h"
#include "tests/support/teclado.h"

namespace ledgrix::test {
namespace {

class ImportacionVentanaTest : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte();
        ruta = inst->dir() + QStringLiteral("/saldos.txt");
    }
    void escriba(const QStringList& lineas) {
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write((lineas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    }
    QString ruta;
};

const QString kBuena = QStringLiteral("D;IM;1;01/09/2022;900123456;30/09/2022;Saldo;250.000");

TEST_F(ImportacionVentanaTest, ElAsistenteSeRecorreConTeclasYUnaLineaRechazadaLoDejaEnElPaso3) {
    escriba({kBuena, QStringLiteral("D;IM;2;01/09/2022;900000001;;Saldo;100.000")});
    QPointer<Tfimportar1> v = al_frente(new Tfimportar1(*dm));
    EXPECT_EQ(QApplication::focusWidget(), v->clase(0));
    pulse(Qt::Key_Down);
    pulse(Qt::Key_Down);
    EXPECT_TRUE(v->clase(2)->isChecked());

    pulse(Qt::Key_F5);
    ASSERT_EQ(v->paso(), 2);
    EXPECT_EQ(QApplication::focusWidget(), v->paso2()->ruta());
    teclee(QApplication::focusWidget(), ruta);
    v->paso2()->separador()->setCurrentIndex(1);  // "Punto y coma (;)"
    // Back and forth keeps what was chosen.
    pulse(Qt::Key_Escape);
    EXPECT_EQ(v->paso(), 1);
    pulse(Qt::Key_F5);
    EXPECT_EQ(v->paso2()->ruta()->text(), ruta);

    pulse(Qt::Key_F2);
    ASSERT_EQ(v->paso(), 3) << dialogs.lastError().toStdString();
    Tfimportar3* p3 = v->paso3();
    EXPECT_EQ(p3->disposicion()->model()->rowCount(), 20);
    EXPECT_EQ(p3->vista()->model()->rowCount(), 2);
    EXPECT_EQ(p3->vista()->model()->index(1, 4).data().toString(), QStringLiteral("900000001"));

    pulse(Qt::Key_F2);
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("Se rechazó una línea del archivo; no se "
                                                  "importó nada. Corrija el archivo e intente "
                                                  "de nuevo."));
    EXPECT_EQ(v->paso(), 3);
    ASSERT_TRUE(p3->rechazos()->isVisibleTo(v));
    const QAbstractItemModel* rechazos = p3->rechazos()->model();
    ASSERT_EQ(rechazos->rowCount(), 1);
    EXPECT_EQ(rechazos->index(0, 0).data().toInt(), 2);
    EXPECT_EQ(rechazos->index(0, 1).data().toString(),
              QStringLiteral("El NIT 900000001 no es un proveedor."));
    EXPECT_EQ(filas(QStringLiteral("NOTAS_DEBITO_PROVEEDOR")), 0);

    // The file fixed, F2 again from the same step.
    escriba({kBuena});
    pulse(Qt::Key_F2);
    EXPECT_EQ(dialogs.texts(QStringLiteral("information")).value(0),
              QStringLiteral("Importación finalizada. 1 registro importado."));
    EXPECT_FALSE(p3->rechazos()->isVisibleTo(v));
    EXPECT_EQ(filas(QStringLiteral("NOTAS_DEBITO_PROVEEDOR where PREF_PRE = 'IM'")), 1);

    for (int paso : {2, 1}) {
        pulse(Qt::Key_Escape);
        EXPECT_EQ(v->paso(), paso);
    }
    pulse(Qt::Key_Escape);
    libere();
    EXPECT_TRUE(v.isNull());
}

// A file that does not open keeps the user in step 2 with the name typed;
// the browse button asks the dialogs service.
TEST_F(ImportacionVentanaTest, UnArchivoQueNoAbreDejaAlUsuarioEnElPaso2ConLoEscrito) {
    QPointer<Tfimportar1> v = al_frente(new Tfimportar1(*dm));
    pulse(Qt::Key_F5);
    teclee(QApplication::focusWidget(), QStringLiteral("/no/existe.txt"));
    dialogs.expectModal(QStringLiteral("Abrir archivo"), 0);
    v->paso2()->findChild<QPushButton*>(QStringLiteral("buscar"))->click();
    EXPECT_TRUE(dialogs.allAnswered());
    pulse(Qt::Key_F5);
    EXPECT_TRUE(dialogs.lastError().startsWith(QStringLiteral("Error al abrir el archivo")));
    EXPECT_EQ(v->paso(), 2);
    EXPECT_EQ(v->paso2()->ruta()->text(), QStringLiteral("/no/existe.txt"));
    EXPECT_EQ(QApplication::focusWidget(), v->paso2()->ruta());
    v->close();
    libere();
}

}  // namespace
}  // namespace ledgrix::test
