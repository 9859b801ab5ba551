#include <gtest/gtest.h>

#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>

#include "accounting/interfaces/edicion_interfaz.h"
#include "accounting/selectores/selector_cuentas.h"
#include "accounting/ui/interfaces/tfinterfaces.h"
#include "accounting/ui/interfaces/tfmodinterfaz.h"
#include "accounting/ui/interfaces/tfnvainterfaz.h"
#include "accounting/ui/interfaces/tfpreginterfaz.h"
#include "accounting/ui/selectores/tfbusccuentas.h"
#include "core/data/client_dataset.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "tests/support/module_fixture.h"
#include "tests/support/teclado.h"

using namespace ledgrix;
using ledgrix::test::libere;
using ledgrix::test::tecla;

namespace {

class InterfacesVentanasTest : public ledgrix::test::ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte(QStringLiteral("ADMIN"));
        for (
            const char* sql :
            {"insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL) values (51, '0100', '000001')",
             "insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL) values (51, '0200', '000001')",
             "insert into INTERFAZ_CXPAGAR (INCP_ID, TIDO_COD, PREF_PRE, INCP_NOMBRE, "
             "INCP_CONFIRMAR) "
             "values (9001, 51, '0100', 'Prueba', 'S')",
             "insert into INTERFAZ_CXPAGAR_CTAS values (9001, 1, '24081001', 'IVA', 0, 19, 'S')"})
            ASSERT_TRUE(dm->sql().execute(QString::fromLatin1(sql))) << sql;
    }
};

TEST_F(InterfacesVentanasTest, ListCopiesDeletesAndOpensTheEntryWindows) {
    QPointer<Tfinterfaces> v = new Tfinterfaces(*dm);
    v->setAttribute(Qt::WA_DeleteOnClose);
    v->show();
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Interfaces Cuentas x pagar"));
    LedgrixGrid* grilla = v->grilla();
    EXPECT_EQ(grilla->exportTitle(), QStringLiteral("InterfCXP"));
    const int primera = grilla->horizontalHeader()->logicalIndex(0);
    EXPECT_EQ(grilla->model()->headerData(primera, Qt::Horizontal).toString(),
              QStringLiteral("Documento"));
    ASSERT_TRUE(v->logica().interfaces().locate(QStringLiteral("INCP_ID"), {9001}));

    dialogs.expectModal(QStringLiteral("Tfnvainterfaz"), 0);
    tecla(grilla, Qt::Key_F5);
    dialogs.expectModal(QStringLiteral("Tfmodinterfaz"), 0);
    tecla(grilla, Qt::Key_F4);
    EXPECT_TRUE(dialogs.allAnswered());

    // F8 offers the document's prefixes, F2 copies to the one chosen.
    ASSERT_TRUE(v->logica().interfaces().locate(QStringLiteral("INCP_ID"), {9001}));
    tecla(grilla, Qt::Key_F8);
    ASSERT_TRUE(v->panel_copia()->isVisible());
    v->nuevo_prefijo()->setCurrentText(QStringLiteral("0200"));
    ASSERT_EQ(v->nuevo_prefijo()->currentText(), QStringLiteral("0200"));
    tecla(v->nuevo_prefijo(), Qt::Key_F2);
    EXPECT_FALSE(v->panel_copia()->isVisible());
    EXPECT_EQ(filas(QStringLiteral(
                  "INTERFAZ_CXPAGAR where PREF_PRE = '0200' and INCP_NOMBRE = 'Prueba'")),
              1);
    // Esc with the panel open only hides it.
    tecla(grilla, Qt::Key_F8);
    tecla(v->nuevo_prefijo(), Qt::Key_Escape);
    EXPECT_FALSE(v->panel_copia()->isVisible());
    ASSERT_TRUE(v);

    // F3 asks; No keeps the interface, Yes deletes it and its lines.
    ASSERT_TRUE(v->logica().interfaces().locate(QStringLiteral("INCP_ID"), {9001}));
    dialogs.expectQuestion(QStringLiteral("Esta seguro de borrar la interface Prueba?"), false);
    tecla(grilla, Qt::Key_F3);
    EXPECT_EQ(filas(QStringLiteral("INTERFAZ_CXPAGAR where INCP_ID = 9001")), 1);
    dialogs.expectQuestion(QStringLiteral("Esta seguro de borrar la interface Prueba?"), true);
    tecla(grilla, Qt::Key_F3);
    EXPECT_EQ(filas(QStringLiteral("INTERFAZ_CXPAGAR where INCP_ID = 9001")), 0);
    EXPECT_EQ(filas(QStringLiteral("INTERFAZ_CXPAGAR_CTAS where INCP_ID = 9001")), 0);
    EXPECT_FALSE(v->logica().interfaces().locate(QStringLiteral("INCP_ID"), {9001}));

    tecla(grilla, Qt::Key_Escape);
    libere();
    EXPECT_FALSE(v);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();
}

TEST_F(InterfacesVentanasTest, EntryWindowSavesWithF2AndLeavingKEmptiesTheAccount) {
    Tfnvainterfaz v(*dm);
    v.show();
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Nueva interface contable"));
    EXPECT_EQ(v.documento()->currentText(), QStringLiteral("CARGOS A ACREEDORES"));
    v.prefijo()->setCurrentText(QStringLiteral("0100"));
    emit v.prefijo()->activated(v.prefijo()->currentIndex());
    v.nombre()->setText(QStringLiteral("Desde la ventana"));
    tecla(v.nombre(), Qt::Key_Return);

    using Libro = EdicionInterfaz::Libro;
    QComboBox* fuente = v.fuente(Libro::Local, 2);
    QLineEdit* cuenta = v.cuenta(Libro::Local, 2);
    EXPECT_FALSE(cuenta->isEnabled());
    fuente->setCurrentText(QStringLiteral("K"));
    emit fuente->activated(fuente->currentIndex());
    EXPECT_TRUE(cuenta->isEnabled());
    v.logica()
        .interfaz()
        .fieldByName(QStringLiteral("INCP_CTARTFTE"))
        .setValue(QStringLiteral("23654001"));
    fuente->setCurrentText(QStringLiteral("N"));
    emit fuente->activated(fuente->currentIndex());
    EXPECT_FALSE(cuenta->isEnabled());
    EXPECT_TRUE(cuenta->text().isEmpty());

    v.paginas()->setCurrentIndex(1);
    EXPECT_EQ(v.fuente(Libro::Niif, 0)->currentText(), QStringLiteral("N"));
    tecla(v.lineas(), Qt::Key_Insert);
    EXPECT_EQ(v.lineas()->model()->rowCount(), 1);

    tecla(v.nombre(), Qt::Key_F2);
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(v.result(), QDialog::Accepted);
    EXPECT_EQ(
        filas(QStringLiteral("INTERFAZ_CXPAGAR where INCP_NOMBRE = 'Desde la ventana' and "
                             "INCP_RTFTE = 'N' and INCP_CTARTFTE is null "
                             "and exists (select 1 from INTERFAZ_CXPAGAR_NIIF n where n.INCP_ID = "
                             "INTERFAZ_CXPAGAR.INCP_ID)")),
        1);
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();

    // A missing interface: told, and the window goes away.
    Tfmodinterfaz perdida(*dm, 987654);
    perdida.show();
    libere();
    EXPECT_FALSE(perdida.isVisible());
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("No se encontró la interfaz solicitada."));
}

TEST_F(InterfacesVentanasTest, ChoosersConfirmOrCancel) {
    const QList<OpcionInterfaz> opciones{{9001, QStringLiteral("Prueba")},
                                         {9002, QStringLiteral("Otra")}};
    {
        Tfpreginterfaz pregunta(opciones);
        EXPECT_EQ(pregunta.windowTitle(), QStringLiteral("Interfaz contable"));
        pregunta.show();
        tecla(pregunta.grilla(), Qt::Key_Down);
        tecla(pregunta.grilla(), Qt::Key_F2);
        EXPECT_EQ(pregunta.result(), 9002);
    }
    {
        Tfpreginterfaz pregunta(opciones);
        pregunta.show();
        tecla(pregunta.grilla(), Qt::Key_Escape);
        EXPECT_FALSE(pregunta.isVisible());
        EXPECT_EQ(pregunta.result(), 0);
    }

    SelectorCuentas selector(*dm);
    selector.busque(QString());
    {
        Tfbusccuentas busca(selector);
        busca.show();
        busca.busqueda()->setText(QStringLiteral("ventas POR pagar"));  // part of a name, any case
        ASSERT_GE(busca.grilla()->model()->rowCount(), 1);
        tecla(busca.busqueda(), Qt::Key_Return);
        EXPECT_EQ(busca.result(), 1);
        EXPECT_TRUE(selector.elegida().startsWith(QStringLiteral("2408")))
            << selector.elegida().toStdString();
    }
    Tfbusccuentas busca(selector);
    busca.show();
    tecla(busca.grilla(), Qt::Key_Escape);
    EXPECT_EQ(busca.result(), 0);
}

}  // namespace
