// The user procedures window offscreen with the demo company's procedure:
// where the cursor starts and where Enter takes it, F5 refused and run,
// the footer's sums under their columns, F2 saving a CSV, Esc.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "maintenance/ui/procedimientos/pie_sumas.h"
#include "maintenance/ui/procedimientos/tfprocusr.h"
#include "tests/maintenance/procedimientos_prueba.h"
#include "tests/support/ventana_mdi.h"

namespace ledgrix::test {
namespace {

class ProcedimientosVentanaTest : public VentanaMdiTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        instale_procedimientos_prueba(*inst);
        conecte();
    }

    // The grid's column showing a field.
    static int columna(Tfprocusr* v, const QString& campo) {
        const auto* modelo = qobject_cast<const DatasetModel*>(v->grilla()->sourceModel());
        for (int c = 0; modelo && c < modelo->columnCount(); ++c)
            if (modelo->fieldAt(c)->name() == campo)
                return c;
        return -1;
    }
};

TEST_F(ProcedimientosVentanaTest, OpensOnTheProcedureAndEscCloses) {
    QPointer<Tfprocusr> v = abra<Tfprocusr>();
    EXPECT_EQ(v->procedimiento()->currentText(), QStringLiteral("Compras por proveedor"));
    revise_apertura(v, v->procedimiento());
}

TEST_F(ProcedimientosVentanaTest, KeysRunShowSumsAndSave) {
    const QDate d(2022, 9, 10);
    factura(901, QStringLiteral("000901"), kTransportes, d, QStringLiteral("1000.00"),
            QStringLiteral("190.00"));
    factura(902, QStringLiteral("000902"), kPapeleria, d, QStringLiteral("500.00"));
    QPointer<Tfprocusr> v = abra<Tfprocusr>();

    // The captions of the chosen procedure; boxes it does not take are skipped.
    EXPECT_EQ(v->rotulo(0)->text(), QStringLiteral("NIT del proveedor (* = todos)"));
    EXPECT_TRUE(v->rotulo(1)->text().isEmpty());
    EXPECT_FALSE(v->parametro(1)->isEnabled());
    EXPECT_EQ(v->desde()->date(), QDate(2022, 9, 1));
    EXPECT_EQ(v->hasta()->date(), QDate(2022, 9, 21));
    for (QWidget* siguiente :
         std::initializer_list<QWidget*>{v->desde(), v->hasta(), v->parametro(0)}) {
        pulse(Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), siguiente);
    }

    // F5 without the parameter: told, the dates typed stay, nothing runs.
    v->desde()->setDate(QDate(2022, 9, 5));
    pulse(Qt::Key_F5);
    EXPECT_EQ(dialogs.errors(),
              QStringList{QStringLiteral("Debe indicar un parámetro al procedimiento.")});
    EXPECT_EQ(v->desde()->date(), QDate(2022, 9, 5));
    EXPECT_FALSE(v->logica().filas().active());
    EXPECT_EQ(QApplication::focusWidget(), v->parametro(0));

    // F5: every supplier's row, the waiting text gone, the amounts summed.
    dialogs.clear();
    teclee(v->parametro(0), QStringLiteral("*"));
    pulse(Qt::Key_F5);
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
    ASSERT_EQ(v->grilla()->model()->rowCount(), 2);
    EXPECT_FALSE(v->espera()->isVisible());
    QApplication::processEvents();
    const int compras = columna(v, QStringLiteral("COMPRAS"));
    EXPECT_EQ(v->pie()->texto(compras), QStringLiteral("1.690,00"));
    EXPECT_EQ(v->pie()->texto(columna(v, QStringLiteral("PAGOS"))), QStringLiteral("0,00"));
    EXPECT_TRUE(v->pie()->texto(columna(v, QStringLiteral("NOMBRE"))).isEmpty());
    // A filter narrows the sum to the rows it leaves.
    v->filtros()->setChecked(true);
    v->grilla()->filterEditor(columna(v, QStringLiteral("NIT")))->setText(kPapeleria);
    QApplication::processEvents();
    EXPECT_EQ(v->grilla()->model()->rowCount(), 1);
    EXPECT_EQ(v->pie()->texto(compras), QStringLiteral("500,00"));
    v->filtros()->setChecked(false);
    QApplication::processEvents();

    // F2 saves every row, read back from the file.
    const QString ruta = inst->dir() + QStringLiteral("/compras.csv");
    v->grilla()->setSaveFileChooser(
        [&](QWidget*, const QString&, const QStringList&, QString*) { return ruta; });
    pulse(Qt::Key_F2);
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lineas = QString::fromUtf8(f.readAll())
                                   .remove(QChar(0xFEFF))
                                   .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lineas.size(), 3) << lineas.join(u'\n').toStdString();
    EXPECT_TRUE(lineas[0].startsWith(QStringLiteral("NIT,NOMBRE,COMPRAS")));
    EXPECT_TRUE(lineas.filter(kTransportes).value(0).contains(QStringLiteral("\"1.190,00\"")))
        << lineas.join(u'\n').toStdString();

    tecla(v->grilla(), Qt::Key_Escape);
    libere();
    EXPECT_TRUE(v.isNull());
}

TEST_F(ProcedimientosVentanaTest, ManyRowsArriveWhileTheWindowStaysAlive) {
    QPointer<Tfprocusr> v = abra<Tfprocusr>();
    v->procedimiento()->setCurrentIndex(v->procedimiento()->findText(QStringLiteral("Filas")));
    EXPECT_EQ(v->rotulo(1)->text(), QStringLiteral("Falla en"));
    EXPECT_TRUE(v->parametro(1)->isEnabled());
    EXPECT_FALSE(v->parametro(2)->isEnabled());
    v->parametro(0)->setText(QStringLiteral("2500"));
    v->parametro(1)->setText(QStringLiteral("0"));

    // The first screen at once, the waiting text while the rest comes.
    tecla(v->parametro(0), Qt::Key_F5);
    EXPECT_EQ(v->grilla()->model()->rowCount(), 1000);
    EXPECT_TRUE(v->espera()->isVisible());
    EXPECT_EQ(v->espera()->text(),
              QStringLiteral("Ejecutando procedimiento. espere un momento ..."));
    // A refused F5 meanwhile leaves the rows coming.
    v->parametro(0)->clear();
    tecla(v->parametro(0), Qt::Key_F5);
    EXPECT_EQ(dialogs.errors(),
              QStringList{QStringLiteral("Debe indicar un parámetro al procedimiento.")});
    EXPECT_TRUE(v->espera()->isVisible());
    for (int vueltas = 0; v->espera()->isVisible() && vueltas < 100; ++vueltas)
        QApplication::processEvents();
    EXPECT_FALSE(v->espera()->isVisible());
    EXPECT_EQ(v->grilla()->model()->rowCount(), 2500);
    const int valor = columna(v, QStringLiteral("VALOR"));
    EXPECT_EQ(v->pie()->texto(valor), QStringLiteral("12.500.000.000.000,00"));
    // The sum is wider than any row: its column widens so no digit is cut.
    EXPECT_GT(v->grilla()->horizontalHeader()->sectionSize(valor),
              v->pie()->fontMetrics().horizontalAdvance(v->pie()->texto(valor)));
    EXPECT_EQ(v->findChild<QLabel*>(QStringLiteral("cuenta"))->text(),
              QStringLiteral("2.500 filas"));

    // Leaving in the middle of the rows stops the reading with the window.
    v->parametro(0)->setText(QStringLiteral("2500"));
    tecla(v->parametro(0), Qt::Key_F5);
    EXPECT_TRUE(v->espera()->isVisible());
    tecla(v->grilla(), Qt::Key_Escape);
    libere();
    EXPECT_TRUE(v.isNull());
    QApplication::processEvents();
}

}  // namespace
}  // namespace ledgrix::test
