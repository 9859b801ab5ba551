#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>

#include "core/data/client_dataset.h"
#include "core/numeracion/ventanas/selector_centros.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/tfautorizacion.h"
#include "core/ui/numeracion/tfbusccentros.h"
#include "core/ui/numeracion/tfconsecut.h"
#include "core/validaciones/acceso.h"
#include "tests/support/module_fixture.h"
#include "tests/support/teclado.h"

using namespace ledgrix;
using ledgrix::test::libere;
using ledgrix::test::tecla;

namespace {

class NumeracionVentanasTest : public ledgrix::test::ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte(QStringLiteral("ADMIN"));
        dm->ctx.compania.codigo = QStringLiteral("001");
        dm->ctx.nombre_usuario = QStringLiteral("Administrador del sistema");
        dm->ctx.es_administrador = true;
    }
    static int columna(LedgrixGrid* grid, const QString& titulo) {
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            if (grid->model()->headerData(c, Qt::Horizontal).toString() == titulo)
                return c;
        return -1;
    }
    // A window the way the main window holds it: freed when it closes.
    template <class V>
    QPointer<V> abra() {
        auto* v = new V(*dm);
        v->setAttribute(Qt::WA_DeleteOnClose);
        v->show();
        return v;
    }
    QString pref(const QString& campo) {
        return dm->sql()
            .scalar(
                QStringLiteral("select %1 from PREFIJOS where TIDO_COD = 51 and PREF_PRE = '0000'")
                    .arg(campo))
            .toString();
    }
};

TEST_F(NumeracionVentanasTest, NumberingWindowPicksACentreShowsUsersAndSavesWithF2) {
    QPointer<TFConsecut> v = abra<TFConsecut>();
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Registro de consecutivos"));
    EXPECT_EQ(v->size(), QSize(500, 287));
    EXPECT_EQ(v->documento()->currentText(), QStringLiteral("ANTICIPOS A PROVEEDORES"));
    v->documento()->setCurrentText(QStringLiteral("CARGOS A ACREEDORES"));
    LedgrixGrid* grilla = v->grilla();
    ASSERT_EQ(grilla->model()->rowCount(), 1);
    EXPECT_GE(columna(grilla, QStringLiteral("Tipo comprobante")), 0);
    v->filtros()->setChecked(true);
    EXPECT_TRUE(grilla->filtersEnabled());

    // The picker answers its second line: project 0001, centre 0100, sub-centre 0002.
    v->selector().cargue();
    const auto& lineas = v->selector().lineas();
    ASSERT_GE(lineas.size(), 2u);
    ASSERT_EQ(lineas[1].subcentro, QStringLiteral("0002"));
    dialogs.expectModal(QStringLiteral("Tfbusccentros"), SelectorCentros::resultado(1));
    const QModelIndex proyecto =
        grilla->model()->index(0, columna(grilla, QStringLiteral("Proyecto")));
    emit grilla->doubleClicked(proyecto);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(v->logica().prefijos().fieldByName(QStringLiteral("PREF_CENTRO")).asString(),
              QStringLiteral("0100"));

    // Esc in the picker: nothing changes.
    dialogs.expectModal(QStringLiteral("Tfbusccentros"), 0);
    emit grilla->doubleClicked(proyecto);
    EXPECT_EQ(v->logica().prefijos().fieldByName(QStringLiteral("PREF_SUBC")).asString(),
              QStringLiteral("0002"));

    tecla(grilla, Qt::Key_F8);
    EXPECT_TRUE(v->panel_usuarios()->isVisible());
    tecla(v->grilla_usuarios(), Qt::Key_F2);  // continue, not save
    EXPECT_FALSE(v->panel_usuarios()->isVisible());
    ASSERT_TRUE(v);

    tecla(grilla, Qt::Key_F2);
    libere();
    EXPECT_FALSE(v);
    EXPECT_EQ(pref(QStringLiteral("PREF_SUBC")), QStringLiteral("0002"));
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();
}

TEST_F(NumeracionVentanasTest, NumberingWindowEscDiscardsAndAFailedSaveKeepsItOpen) {
    {
        QPointer<TFConsecut> v = abra<TFConsecut>();
        v->documento()->setCurrentText(QStringLiteral("CARGOS A ACREEDORES"));
        ASSERT_TRUE(v->logica().prefijos().edit());
        v->logica()
            .prefijos()
            .fieldByName(QStringLiteral("PREF_ACTUAL"))
            .setValue(QStringLiteral("000500"));
        tecla(v->grilla(), Qt::Key_Escape);
        libere();
        EXPECT_FALSE(v);
        EXPECT_EQ(pref(QStringLiteral("PREF_ACTUAL")), QStringLiteral("000001"));
    }
    QPointer<TFConsecut> v = abra<TFConsecut>();
    v->documento()->setCurrentText(QStringLiteral("CARGOS A ACREEDORES"));
    ClientDataset& prefijos = v->logica().prefijos();
    ASSERT_TRUE(prefijos.append());
    prefijos.fieldByName(QStringLiteral("PREF_PRE")).setValue(QStringLiteral("0000"));
    tecla(v, Qt::Key_F2);
    libere();
    ASSERT_TRUE(v);
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("Ya existe el registro en la tabla Prefijos"));
    EXPECT_EQ(v->grilla()->model()->rowCount(), 2);
    v->close();
}

TEST_F(NumeracionVentanasTest, PickerReturnsTheLineChosenBySearchAndEnter) {
    SelectorCentros selector(*dm);
    selector.cargue();
    Tfbusccentros picker(selector);
    picker.show();
    picker.busqueda()->setText(QStringLiteral("obra"));
    ASSERT_EQ(picker.grilla()->model()->rowCount(), 1);
    tecla(picker.busqueda(), Qt::Key_Return);
    const auto centro = selector.elegido(picker.result());
    ASSERT_TRUE(centro);
    EXPECT_EQ(centro->proyecto + centro->centro, QStringLiteral("00020300"));
}

TEST_F(NumeracionVentanasTest, AuthorisationWindowSavesWithF2OrClosesWhenRefused) {
    QPointer<Tfautorizacion> v = abra<Tfautorizacion>();
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Autorizaciones de numeración"));
    EXPECT_EQ(v->size(), QSize(626, 259));
    // The band stands above each title, without the bar that separates them in the labels.
    EXPECT_GE(columna(v->grilla(), QStringLiteral("Documento electrónico\nToken Empresa")), 0);
    EXPECT_GE(columna(v->grilla(), QStringLiteral("Documento electrónico\nToken password")), 0);
    ClientDataset& ds = v->logica().autorizaciones();
    ASSERT_TRUE(ds.append());
    ds.fieldByName(QStringLiteral("AUTO_NUMERO")).setValue(QStringLiteral("18764000001"));
    ds.fieldByName(QStringLiteral("AUTO_FECHA")).setValue(QDate(2022, 9, 1));
    tecla(v->grilla(), Qt::Key_F2);
    libere();
    EXPECT_FALSE(v);
    EXPECT_EQ(dm->sql()
                  .scalar(QStringLiteral(
                      "select PREF_PRE from AUTORIZACIONES where AUTO_NUMERO = '18764000001'"))
                  .toString(),
              QStringLiteral("0000"));

    dm->ctx.usuario = QStringLiteral("AUXILIAR");
    dm->ctx.es_administrador = false;
    QPointer<Tfautorizacion> refusada = abra<Tfautorizacion>();
    EXPECT_FALSE(refusada->lista());
    libere();
    EXPECT_FALSE(refusada);
    EXPECT_EQ(dialogs.errors(), QStringList{kAccesoNoPermitido});
}

}  // namespace
