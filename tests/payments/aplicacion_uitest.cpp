#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

#include "core/data/client_dataset.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/campos/campo_monto.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "payments/ui/aplicaciones/tfaplicacion.h"
#include "payments/ui/aplicaciones/tfbuscaplicaciones.h"
#include "payments/ui/aplicaciones/tfconsaplicacion.h"
#include "payments/ui/aplicaciones/tfcrucesdoc.h"
#include "payments/ui/comun/panel_lineas.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

using namespace ledgrix;
using test::kTransportes;
using test::pulse;
using test::tecla;
using test::teclee;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

const QString kImpresion = S("Tfimpraplicacionp");

// The application windows over a demo company where the transport supplier
// owes an invoice of 1.000,00 (21/301) and holds a discount of 1.000,00
// (52/302) to set against it.
class AplicacionVentanaTest : public test::DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        const QDate hoy(2022, 9, 21);
        factura(301, S("000301"), kTransportes, hoy.addDays(-20), S("1000"));
        descuento(302, S("000302"), kTransportes, hoy.addDays(-10), S("1000"));
        dm->ctx.es_administrador = true;
    }
    void TearDown() override {
        if (v) {
            dialogs.expectQuestion({}, true);
            v->close();
        }
        test::libere();
        DocumentosTest::TearDown();
    }
    void abra() { v = test::al_frente(new Tfaplicacion(*dm)); }
    // F8 anywhere in the window, the consultation answering with one document.
    void elija(int tipo, qint64 id, const char* numero) {
        dm->documentos_seleccionados = {{tipo, id, S("0000"), S(numero), {}}};
        dialogs.expectModal(S("Tfconscxpagar"), 1);
        pulse(Qt::Key_F8);
    }
    // The applied amount of a line typed in its cell, the installation's way.
    void teclee_monto(int fila, const QString& texto) {
        test::libere();  // the editor of the previous cell goes first
        PanelLineas* panel = v->panel_lineas();
        LedgrixGrid* g = panel->grilla();
        const QModelIndex celda = g->model()->index(fila, panel->columna(S("APPD_APLICADO")));
        g->setCurrentIndex(celda);
        g->edit(celda);
        auto* editor = g->findChild<CampoMonto*>();
        ASSERT_TRUE(editor);
        editor->setText(texto);
        tecla(editor, Qt::Key_Return);
        QApplication::processEvents();
    }
    // The invoice and the discount picked and the supplier typed with keys.
    void escriba_aplicacion() {
        QLineEdit* nit = v->editor(S("TERC_NIT"));
        ASSERT_EQ(QApplication::focusWidget(), nit);
        teclee(nit, kTransportes);
        tecla(nit, Qt::Key_Return);
        EXPECT_EQ(v->nombre()->text(), S("Transportes del Norte S.A.S."));
        elija(21, 301, "000301");
        elija(52, 302, "000302");
        ASSERT_EQ(v->logica().lineas().recordCount(), 2) << errores();
    }
    QString uno(const QString& sql) {
        auto q = dm->sql().select(sql);
        return q && q->next() ? q->value(0).toString().trimmed() : S("sin fila");
    }
    std::string errores() const { return dialogs.errors().join(u'\n').toStdString(); }

    QPointer<Tfaplicacion> v;
};

// The whole road with the keyboard: the supplier, the invoice and the
// discount picked with F8, the discount's amount typed a cent short (F2
// refuses and keeps everything), then exact. The application is stored,
// both documents settled and the print window called; the search finds it
// and its annulment gives both documents their balance back.
TEST_F(AplicacionVentanaTest, AnApplicationTypedWithKeysSettlesPrintsAndItsAnnulmentUndoesIt) {
    abra();
    EXPECT_EQ(v->windowTitle(), S("Aplicaciones  Proveedores"));
    EXPECT_LE(v->sizeHint().width(), 1366);
    EXPECT_LE(v->sizeHint().height(), 700);
    const QString numero = v->editor(S("APPR_NUMERO"))->text();
    escriba_aplicacion();

    teclee_monto(1, S("-999,99"));
    dialogs.clear();
    pulse(Qt::Key_F2);
    EXPECT_EQ(dialogs.lastError(),
              S("La Suma del Documento Aplicado y Las Retenciones Debe ser 0"));
    EXPECT_EQ(filas(S("APLICACION_PROVEDOR")), 0);
    ASSERT_EQ(v->logica().lineas().recordCount(), 2);

    teclee_monto(1, S("-1.000"));
    dialogs.clear();
    dialogs.expectModal(kImpresion, 1);
    pulse(Qt::Key_F2);
    EXPECT_TRUE(dialogs.allAnswered()) << errores();
    EXPECT_TRUE(dialogs.errors().isEmpty()) << errores();
    const QString id = uno(S("select APPR_ID from APLICACION_PROVEDOR where APPR_NUMERO = '") +
                           numero + S("' and APPR_ANULADO = 'N'"));
    ASSERT_NE(id, S("sin fila"));
    EXPECT_EQ(guardado(21, 301), S("0.00"));
    EXPECT_EQ(guardado(52, 302), S("0.00"));
    // The window waits for the next application of the series.
    EXPECT_TRUE(v->logica().lineas().isEmpty());
    EXPECT_NE(v->editor(S("APPR_NUMERO"))->text(), numero);

    auto* b = new Tfbuscaplicaciones(*dm);
    b->show();
    ASSERT_EQ(b->logica().actual(), id.toLongLong());
    b->grilla()->setFocus();
    dialogs.expectModal(S("Tfconsaplicacion"), 1);
    tecla(b->grilla(), Qt::Key_F4);
    EXPECT_EQ(dm->documento_consultado.id, id.toLongLong());
    // The company asks why: the reason panel comes first, and an empty
    // reason annuls nothing and keeps the panel.
    dialogs.clear();
    tecla(b->grilla(), Qt::Key_F3);
    ASSERT_TRUE(b->panel_razon()->isVisible());
    tecla(b->razon(), Qt::Key_F5);
    EXPECT_TRUE(dialogs.lastError().startsWith(S("Debera ingresar una razon"))) << errores();
    EXPECT_TRUE(b->panel_razon()->isVisible());
    EXPECT_EQ(guardado(21, 301), S("0.00"));
    b->razon()->setPlainText(S("Cruce equivocado"));
    dialogs.expectQuestion(S("Esta seguro de anular la aplicacion No 0000") + numero + S("?"),
                           true);
    tecla(b->razon(), Qt::Key_F5);
    EXPECT_TRUE(dialogs.allAnswered()) << errores();
    EXPECT_FALSE(b->panel_razon()->isVisible());
    EXPECT_EQ(guardado(21, 301), S("1000.00"));
    EXPECT_EQ(guardado(52, 302), S("-1000.00"));
    EXPECT_EQ(uno(S("select AUDI_RAZON from AUDITORIA where TIDO_COD = 53 and AUDI_OPER = 'A'")),
              S("Cruce equivocado"));
    b->close();
}

// What the window does on its own: a wrong sign on a line closes it with
// nothing stored; the consultation, a window of its own, shows and reprints
// a stored application; the crossing history of the discount lists it and
// opens its consultation.
TEST_F(AplicacionVentanaTest, WrongSignClosesConsultationReprintsCrossingsOpenTheApplication) {
    abra();
    escriba_aplicacion();
    v->logica().set_validando(true);
    dialogs.clear();
    teclee_monto(0, S("-5"));
    EXPECT_EQ(dialogs.lastError(), S("Monto Incorrecto"));
    test::libere();
    EXPECT_TRUE(v.isNull());
    EXPECT_EQ(filas(S("APLICACION_PROVEDOR")), 0);

    aplicacion(7, S("000007"), kTransportes, QDate(2022, 9, 21));
    aplicado(7, 1, 21, 301, S("1000"));
    aplicado(7, 2, 52, 302, S("-1000"));
    dm->documento_consultado = {53, 7, {}, {}, {}};
    // Created over the window that opens it, it stands as a window of its
    // own, not drawn inside that one; its date reads as the program writes
    // dates.
    QWidget abridor;
    auto* c = new Tfconsaplicacion(*dm, &abridor);
    c->show();
    EXPECT_TRUE(c->isWindow());
    EXPECT_TRUE(c->encabezado().contains(S("Transportes del Norte S.A.S.")))
        << c->encabezado().toStdString();
    EXPECT_TRUE(c->encabezado().contains(S("000007")));
    EXPECT_TRUE(c->encabezado().contains(S("Fecha: 2022/09/21"))) << c->encabezado().toStdString();
    EXPECT_EQ(c->logica().lineas().recordCount(), 2);
    EXPECT_TRUE(c->logica().aplicado().isZero());
    dialogs.expectModal(kImpresion, 1);
    tecla(c, Qt::Key_F2);
    EXPECT_TRUE(dialogs.allAnswered()) << errores();
    c->close();

    dm->documento_consultado = {52, 302, S("0000"), S("000302"), {}};
    auto* x = new Tfcrucesdoc(*dm);
    x->show();
    ASSERT_EQ(x->logica().filas().recordCount(), 1);
    dialogs.expectModal(S("Tfconsaplicacion"), 1);
    tecla(x->grilla(), Qt::Key_F4);
    EXPECT_TRUE(dialogs.allAnswered()) << errores();
    EXPECT_EQ(dm->documento_consultado.tipo, 53);
    EXPECT_EQ(dm->documento_consultado.id, 7);
    x->close();
}

}  // namespace
