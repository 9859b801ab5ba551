#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>

#include "core/data/client_dataset.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "output/ui/mantenimiento/tfdefformato.h"
#include "output/ui/mantenimiento/tfformatos.h"
#include "output/ui/mantenimiento/tfmodformato.h"
#include "output/ui/mantenimiento/tfmoverforma.h"
#include "tests/support/module_fixture.h"
#include "tests/support/teclado.h"

using namespace ledgrix;
using ledgrix::test::libere;
using ledgrix::test::tecla;

namespace {

class FormatosVentanasTest : public ledgrix::test::ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte(QStringLiteral("ADMIN"));
        for (
            const char* sql :
            {"insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL) values (51, '0100', '000001')",
             "insert into FORMATOS (TIDO_COD, PREF_PRE, FORM_FONT, FORM_FSIZE) values (51, '0100', "
             "'Arial', 9)",
             "insert into FORMATO_DATOS (TIDO_COD, PREF_PRE, DAFO_DATO, DAFO_POSX, DAFO_POSY, "
             "DAFO_ITEM) values (51, '0100', 'NIT', 100, 100, 1)"})
            ASSERT_TRUE(dm->sql().execute(QString::fromLatin1(sql))) << sql;
    }
    QString valor(const char* sql) { return dm->sql().scalar(QString::fromLatin1(sql)).toString(); }
};

TEST_F(FormatosVentanasTest, ListKeysOpenTheEntryWindowsAndEscCloses) {
    QPointer<Tfformatos> v = new Tfformatos(*dm);
    v->setAttribute(Qt::WA_DeleteOnClose);
    v->show();
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Formatos de impresión"));
    EXPECT_EQ(v->grilla()->exportTitle(), QStringLiteral("Formatos"));
    ASSERT_TRUE(
        v->logica().formatos().locate(QStringLiteral("PREF_PRE"), {QStringLiteral("0100")}));

    dialogs.expectModal(QStringLiteral("Tfdefformato"), 0);
    tecla(v->grilla(), Qt::Key_F5);
    dialogs.expectModal(QStringLiteral("Tfmodformato"), 0);
    tecla(v->grilla(), Qt::Key_F4);
    EXPECT_TRUE(dialogs.allAnswered());

    tecla(v->grilla(), Qt::Key_Escape);
    libere();
    EXPECT_FALSE(v);

    // The new-format window: Esc leaves without storing anything.
    Tfdefformato nuevo(*dm);
    EXPECT_EQ(nuevo.windowTitle(), QStringLiteral("Definición de formatos documentos"));
    nuevo.documento()->setCurrentIndex(nuevo.documento()->findData(51));
    emit nuevo.documento()->activated(nuevo.documento()->currentIndex());
    ASSERT_GE(nuevo.prefijo()->findText(QStringLiteral("0100")), 0);
    tecla(nuevo.datos(), Qt::Key_Insert);
    EXPECT_EQ(nuevo.logica().datos().recordCount(), 1);
    tecla(nuevo.datos(), Qt::Key_Escape);
    EXPECT_EQ(nuevo.result(), QDialog::Rejected);
    EXPECT_EQ(valor("select count(*) from formato_datos where pref_pre = '0100'"),
              QStringLiteral("1"));
}

TEST_F(FormatosVentanasTest, EntryWindowMovesPreviewsLoadsPicturesAndSavesWithF2) {
    Tfmodformato v(*dm, 51, QStringLiteral("0100"));
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Definición de formatos documentos"));
    EXPECT_EQ(v.documento()->currentData().toInt(), 51);
    EXPECT_EQ(v.prefijo()->currentText(), QStringLiteral("0100"));

    // F8 without any charge of the prefix tells the user.
    tecla(v.datos(), Qt::Key_F8);
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("Debe registrar antes al menos una factura."));

    // A picture element through the replaceable chooser.
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("firma.png"));
    {
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("PNGdatos");
    }
    VentanaFormato::instale_elector_imagen([&ruta](QWidget*) { return ruta; });
    tecla(v.lineas(), Qt::Key_Insert);
    ASSERT_EQ(v.logica().lineas().recordCount(), 1);
    v.logica().lineas().fieldByName(QStringLiteral("FOLI_TIPO")).setValue(QStringLiteral("G"));
    v.ImagenClick();
    VentanaFormato::instale_elector_imagen({});

    // F5 saves what is pending (asked) and opens the shifting dialog.
    dialogs.expectQuestion({}, true);
    dialogs.expectModal(QStringLiteral("TFmoverforma"), 0);
    tecla(v.datos(), Qt::Key_F5);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(valor("select cast(foli_imagen as varchar(20)) from formato_lineas where pref_pre = "
                    "'0100'"),
              QStringLiteral("PNGdatos"));

    v.impresora()->setCurrentText(QStringLiteral("Matricial"));
    tecla(v.datos(), Qt::Key_F2);
    EXPECT_EQ(v.result(), QDialog::Accepted);
    EXPECT_EQ(valor("select form_impre from formatos where pref_pre = '0100'"),
              QStringLiteral("Matricial"));
    EXPECT_TRUE(dialogs.errors().size() == 1) << dialogs.errors().join('\n').toStdString();
}

TEST_F(FormatosVentanasTest, MoveDialogDisablesNumbersForScalingAndRunsWithF2) {
    TFmoverforma v(*dm, 51, QStringLiteral("0100"));
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Mover Formato"));
    v.posiciones()->setText(QStringLiteral("30"));
    v.accion(6)->setChecked(true);  // expand vertically
    EXPECT_FALSE(v.posiciones()->isEnabled());
    EXPECT_TRUE(v.posiciones()->text().isEmpty());
    v.accion(0)->setChecked(true);  // right
    ASSERT_TRUE(v.posiciones()->isEnabled());
    v.posiciones()->setText(QStringLiteral("30"));
    tecla(v.posiciones(), Qt::Key_F2);
    EXPECT_EQ(v.result(), QDialog::Accepted);
    EXPECT_EQ(valor("select dafo_posx from formato_datos where pref_pre = '0100'"),
              QStringLiteral("130"));
}

}  // namespace
