#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableWidget>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "payments/busquedas/busqueda_programaciones.h"
#include "payments/ui/busquedas/tfbuscaprogpagos.h"
#include "payments/ui/programacion/tfprogpagos.h"
#include "tests/payments/pagos_fixture.h"
#include "tests/support/teclado.h"

namespace ledgrix::test {
namespace {

// Two charges falling due, a series of schedules, and the windows driven by
// their keys.
class ProgramacionVentanaTest : public PagosTest {
  protected:
    void SetUp() override {
        PagosTest::SetUp();
        dm->ctx.es_administrador = true;
        run(
            S("insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL, PREF_AUTO, PREF_IVAINC, "
              "PREF_ACTIVO, PREF_USUARIO, SUCU_ID) values (56, 'PP', '000001', 'S', 'N', 'S', "
              "'x', 0)"));
        for (const auto& [id, monto] : {std::pair{801, "120"}, std::pair{802, "80.50"}})
            run(S("insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, "
                  "NDPR_FECHA, NDPR_VENCE, TERC_NIT, NDPR_MONTO, NDPR_IVAMONTO) values (%1, "
                  "'0000', '%1', %2, %2, '%3', %4, 0)")
                    .arg(id)
                    .arg(fecha(kHoy.addDays(-5)), kTransportes, S(monto)));
    }
    void TearDown() override {
        for (QWidget* w : {static_cast<QWidget*>(v), static_cast<QWidget*>(b)})
            if (w) {
                dialogs.expectQuestion({}, true);
                w->close();
            }
        libere();
        dialogs.clear();
        PagosTest::TearDown();
    }
    // The schedule of both charges as the window leaves it stored; its id.
    qint64 guarde_programacion() {
        v = al_frente(new Tfprogpagos(*dm));
        tecla(v, Qt::Key_F2);
        v->documentos()->selectAll();
        tecla(v, Qt::Key_F8);
        v->SBAceptarClick();
        if (v->logica().total_pagos() > v->logica().total_disponible())
            dialogs.expectQuestion({}, true);
        v->SBGrabarClick();
        libere();
        return texto(S("select max(PRPG_ID) from PROGRAMACION_PAGOS_ENC")).toLongLong();
    }

    QPointer<Tfprogpagos> v;
    QPointer<Tfbuscaprogpagos> b;
};

TEST_F(ProgramacionVentanaTest, F8PaysTheSelectedRowsAndEscWithChangesAsks) {
    v = al_frente(new Tfprogpagos(*dm));
    EXPECT_EQ(v->windowTitle(), S("Programación de Cuentas x pagar"));
    EXPECT_LE(v->frameGeometry().width(), 1366);
    EXPECT_LE(v->frameGeometry().height(), 768);
    EXPECT_EQ(QApplication::focusWidget(), v->findChild<QLineEdit*>(S("concepto")));

    // F2 where the user is typing: the concept box.
    tecla(v->findChild<QLineEdit*>(S("concepto")), Qt::Key_F2);
    ASSERT_EQ(v->documentos()->rowCount(), 2) << dialogs.lastError().toStdString();
    v->documentos()->selectAll();
    tecla(v, Qt::Key_F8);
    ASSERT_TRUE(v->panel_pago()->isVisible());
    EXPECT_FALSE(v->valor()->isEnabled());  // several rows take their balances
    ASSERT_GT(v->caja()->count(), 0);
    v->SBAceptarClick();
    EXPECT_FALSE(v->panel_pago()->isVisible());
    // Amounts in the installation's format.
    EXPECT_EQ(v->total_pagos()->text(), S("200,50"));
    EXPECT_EQ(v->documentos()->item(1, 11)->text(), S("80,50"));

    for (bool salir : {false, true}) {
        dialogs.expectQuestion(S("Esta seguro de salir sin grabar los cambios?"), salir);
        tecla(v, Qt::Key_Escape);
        libere();
        EXPECT_EQ(v.isNull(), salir);
    }
    EXPECT_TRUE(dialogs.allAnswered());
}

TEST_F(ProgramacionVentanaTest, SearchListsAnnulsWithAReasonAndDeletesAsAdministrator) {
    configure(S("ESTABLECER CONTROL DEL PORQUE SE ANULAN LOS DOCUMENTOS"), S("SI"));
    const qint64 id = guarde_programacion();
    ASSERT_GT(id, 0) << dialogs.lastError().toStdString();
    ASSERT_TRUE(v.isNull());  // stored, the window closed

    b = al_frente(new Tfbuscaprogpagos(*dm));
    EXPECT_EQ(b->windowTitle(), S("Busca programación de pagos"));
    const QString serie =
        texto(S("select PRPG_PREF || PRPG_NUMERO from PROGRAMACION_PAGOS_ENC where PRPG_ID = %1")
                  .arg(id));
    ClientDataset& lista = b->logica().filas();
    ASSERT_EQ(lista.recordCount(), 1);
    EXPECT_EQ(lista.fieldByName(S("MONTO")).asCurrency(), M("200.50"));
    EXPECT_EQ(lista.fieldByName(S("ITEMS")).asInteger(), 2);

    struct Caso {
        const char* nombre;
        const char* pregunta;
        const char* oper;
        int encabezados;
    };
    const Caso casos[] = {
        {"annulled", "Esta seguro de anular la programación de pagos No ", "A", 1},
        {"deleted", "Esta seguro de eliminar completamente la programación de pagos ", "D", 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        tecla(b, Qt::Key_F3);
        ASSERT_TRUE(b->panel_razon()->isVisible());
        b->SBContinuarClick();  // no reason yet
        EXPECT_EQ(dialogs.lastError(), S("Debera ingresar una razon por la cual esta "
                                         "anulando/eliminando el documento. Intentelo de nuevo."));
        b->razon()->setPlainText(S("Pagos mal elegidos"));
        dialogs.expectQuestion(S(c.pregunta) + serie + S("?"), true);
        b->SBContinuarClick();
        EXPECT_EQ(filas(S("PROGRAMACION_PAGOS_ENC")), c.encabezados);
        EXPECT_EQ(texto(S("select AUDI_RAZON from AUDITORIA where TIDO_COD = 56 and AUDI_IDDOC "
                          "= %1 and AUDI_OPER = '%2'")
                            .arg(id)
                            .arg(S(c.oper))),
                  S("Pagos mal elegidos"));
        // Its documents are free for another schedule.
        EXPECT_EQ(filas(S("PROGRAMACION_PAGOS where PRPG_ANULADO = 'N'")), 0);
    }
    EXPECT_TRUE(dialogs.allAnswered());
}

// A clerk needs option 112 to start a schedule and 114 to annul one: without
// them the search says so, starts nothing and annuls nothing.
TEST_F(ProgramacionVentanaTest, SearchKeysNeedTheirAccessOptions) {
    const qint64 id = guarde_programacion();
    ASSERT_GT(id, 0) << dialogs.lastError().toStdString();
    dm->ctx.es_administrador = false;
    dm->ctx.usuario = S("AUXILIAR");
    b = al_frente(new Tfbuscaprogpagos(*dm));
    ASSERT_EQ(b->logica().actual(), id);
    for (int key : {Qt::Key_F5, Qt::Key_F3}) {
        dialogs.clear();
        tecla(b, key);
        libere();
        EXPECT_EQ(dialogs.errors(),
                  QStringList{S("Acceso no permitido. comuníquese con el administrador del "
                                "sistema.")})
            << key;
    }
    EXPECT_EQ(filas(S("PROGRAMACION_PAGOS_ENC where PRPG_ANULADO = 'N'")), 1);

    // Option 114 granted: F3 asks for the annulment.
    run(
        S("update or insert into ACCESO_USUARIO values ('AUXILIAR', 'C. X PAGAR', 114, 'S') "
          "matching (USER_COD, ACUS_MODULO, ACUS_OPCION)"));
    b = al_frente(new Tfbuscaprogpagos(*dm));
    dialogs.clear();
    tecla(b, Qt::Key_F3);
    EXPECT_TRUE(b->panel_razon()->isVisible());
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
}

}  // namespace
}  // namespace ledgrix::test
