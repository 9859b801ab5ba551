#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/ui/campos/campo_monto.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "payments/cartera/registro_cartera.h"
#include "payments/ui/comun/panel_lineas.h"
#include "payments/ui/egresos/panel_banco.h"
#include "payments/ui/egresos/tfegresos.h"
#include "tests/payments/ventana_egreso.h"
#include "tests/support/area_trabajo.h"

using namespace ledgrix;
using test::tecla;

namespace {

const QString kImpresion = QStringLiteral("Tfimpregreso");

class EgresoVentanaTest : public test::VentanaEgresoTest {
  protected:
    // The amount of a line typed in its grid cell, the installation's way.
    void teclee_monto(PanelLineas* panel, const QString& campo, const QString& texto) {
        LedgrixGrid* g = panel->grilla();
        const QModelIndex celda = g->model()->index(panel->lineas().recNo(), panel->columna(campo));
        g->setCurrentIndex(celda);
        g->edit(celda);
        auto* editor = g->findChild<CampoMonto*>();
        ASSERT_TRUE(editor) << campo.toStdString();
        editor->setText(texto);
        tecla(editor, Qt::Key_Return);
        QApplication::processEvents();
    }
    Currency valor(ClientDataset& ds, const char* campo) {
        return ds.fieldByName(QLatin1String(campo)).asCurrency();
    }
};

// The whole road with the keyboard: the payee, a document picked with F8,
// part in cash (F4) and the rest by cheque (F5), F2. The voucher is stored
// with its lines and its cheque, the invoice settled and the print window
// called; the window waits for the next one.
TEST_F(EgresoVentanaTest, AVoucherTypedWithKeysIsStoredSettlesAndPrints) {
    abra();
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Egresos"));
    EXPECT_EQ(QApplication::focusWidget(), v->editor(QStringLiteral("TERC_NIT")));
    const QString numero = v->editor(QStringLiteral("EGRE_NUMERO"))->text();

    proveedor();
    EXPECT_EQ(v->nombre()->text(), QStringLiteral("Papelería Industrial Andina S.A."));
    EXPECT_EQ(v->tipo()->currentText(), QStringLiteral("CUENTA POR PAGAR"));
    ASSERT_EQ(v->panel_visible(), v->panel_documentos());
    elija_factura();
    ASSERT_EQ(v->logica().documentos().recordCount(), 1) << errores();
    pulse(Qt::Key_F2);  // continue the documents: the amount is what they take
    EXPECT_EQ(v->panel_visible(), v->panel_conta());
    EXPECT_EQ(v->monto(QStringLiteral("EGRE_MONTO"))->text(), QStringLiteral("1.000.000,00"));
    EXPECT_TRUE(v->boton_caja()->isEnabled());
    EXPECT_TRUE(v->boton_banco()->isEnabled());

    pulse(Qt::Key_F4);
    ASSERT_EQ(v->panel_visible(), v->panel_caja()) << errores();
    ClientDataset& caja = v->logica().caja();
    ASSERT_EQ(caja.recordCount(), 1);
    EXPECT_EQ(valor(caja, "EGCA_MONTO").toString(2), QStringLiteral("1000000.00"));
    teclee_monto(v->panel_caja(), QStringLiteral("EGCA_MONTO"), QStringLiteral("600.000"));
    pulse(Qt::Key_F2);
    EXPECT_EQ(v->panel_visible(), v->panel_conta()) << errores();

    pulse(Qt::Key_F5);
    ASSERT_EQ(v->panel_visible(), v->panel_banco()) << errores();
    ClientDataset& banco = v->logica().banco();
    EXPECT_EQ(valor(banco, "EGBC_MONTO").toString(2), QStringLiteral("400000.00"));
    const QString cuenta = banco.fieldByName(QStringLiteral("CUBA_COD")).asString().trimmed();
    const QString cheque = banco.fieldByName(QStringLiteral("EGBC_NUMERO")).asString().trimmed();
    EXPECT_FALSE(cheque.isEmpty());
    pulse(Qt::Key_F2);
    EXPECT_EQ(v->panel_visible(), v->panel_conta()) << errores();

    dialogs.expectModal(kImpresion, 1);
    pulse(Qt::Key_F2);
    EXPECT_TRUE(dialogs.allAnswered()) << errores();
    EXPECT_TRUE(dialogs.errors().isEmpty()) << errores();

    const QString id = uno(
        QStringLiteral("select EGRE_ID from EGRESOS where PREF_PRE = '0000' and EGRE_NUMERO = '%1'")
            .arg(numero));
    ASSERT_NE(id, QStringLiteral("sin fila"));
    EXPECT_EQ(uno(QStringLiteral("select TERC_NIT || ' ' || cast(EGRE_MONTO as varchar(20)) || ' ' "
                                 "|| EGRE_TIPO from EGRESOS where EGRE_ID = ") +
                  id),
              test::kPapeleria + QStringLiteral(" 1000000.00 1"));
    EXPECT_EQ(guardado(21, 9101), QStringLiteral("0.00"));  // the invoice is settled
    EXPECT_EQ(uno(QStringLiteral("select cast(sum(EGCA_MONTO) as varchar(20)) from EGRECAJA "
                                 "where EGRE_ID = ") +
                  id),
              QStringLiteral("600000.00"));
    EXPECT_EQ(uno(QStringLiteral("select count(*) from CHEQUES where CUBA_COD = '%1' and "
                                 "CHEQ_NUMERO = '%2' and CHEQ_MONTO = 400000 and CHEQ_IDORI = %3")
                      .arg(cuenta, cheque, id)),
              QStringLiteral("1"));
    // A new voucher of the same series, empty.
    ASSERT_TRUE(v);
    EXPECT_TRUE(v->editor(QStringLiteral("TERC_NIT"))->text().isEmpty());
    EXPECT_EQ(v->prefijo()->currentText(), QStringLiteral("0000"));
    EXPECT_NE(v->editor(QStringLiteral("EGRE_NUMERO"))->text(), numero);
    EXPECT_EQ(v->logica().documentos().recordCount(), 0);
    EXPECT_EQ(v->panel_visible(), v->panel_conta());
}

// Each key does what the voucher's state says, and the panel shown follows.
TEST_F(EgresoVentanaTest, KeysOpenAndCloseThePanelsAsTheVoucherStands) {
    abra();
    // Before the amount there is nothing to pay with.
    EXPECT_FALSE(v->boton_caja()->isEnabled());
    EXPECT_FALSE(v->boton_banco()->isEnabled());
    proveedor();
    elija_factura();
    struct Paso {
        const char* que;
        int key;
        const char* panel;
        int lineas_caja;
        int lineas_banco;
    };
    const Paso pasos[] = {
        {"F2 continues the documents", Qt::Key_F2, "panel_conta", 0, 0},
        {"F4 opens the cash lines", Qt::Key_F4, "panel_caja", 1, 0},
        {"F5 does nothing while cash is open", Qt::Key_F5, "panel_caja", 1, 0},
        {"Esc drops the cash lines", Qt::Key_Escape, "panel_conta", 0, 0},
        {"F5 opens the bank line", Qt::Key_F5, "panel_banco", 0, 1},
        {"F4 does nothing while the bank is open", Qt::Key_F4, "panel_banco", 0, 1},
        {"Esc drops the bank line", Qt::Key_Escape, "panel_conta", 0, 0},
        {"F7 opens the crosses", Qt::Key_F7, "panel_cruces", 0, 0},
        {"Esc does nothing in the crosses", Qt::Key_Escape, "panel_cruces", 0, 0},
        {"F2 continues the crosses", Qt::Key_F2, "panel_conta", 0, 0},
    };
    for (const Paso& p : pasos) {
        pulse(p.key);
        ASSERT_TRUE(v) << p.que;
        EXPECT_EQ(v->panel_visible()->objectName(), QLatin1String(p.panel)) << p.que;
        EXPECT_EQ(v->logica().caja().recordCount(), p.lineas_caja) << p.que;
        EXPECT_EQ(v->logica().banco().recordCount(), p.lineas_banco) << p.que;
    }
    EXPECT_TRUE(dialogs.errors().isEmpty()) << errores();
    EXPECT_EQ(v->logica().documentos().recordCount(), 1);

    // Esc with documents paid asks before the voucher goes, and the window
    // stays when the answer is no.
    const QString kCancelar =
        QStringLiteral("Si cancela ahora perderá los datos no grabados, continuar?");
    dialogs.expectQuestion(kCancelar, false);
    pulse(Qt::Key_Escape);
    ASSERT_TRUE(v && v->isVisible());
    dialogs.expectQuestion(kCancelar, true);
    pulse(Qt::Key_Escape);
    test::libere();
    EXPECT_FALSE(v);
    EXPECT_TRUE(dialogs.allAnswered());
}

// A save the voucher refuses keeps everything typed: the message, the
// window, the payee, the document and the cash line; once the missing bank
// line is added the same voucher is stored.
TEST_F(EgresoVentanaTest, ARefusedSaveKeepsTheVoucherAsTypedForTheNextTry) {
    const QString kEgresos = QStringLiteral("select count(*) from EGRESOS");
    const QString antes = uno(kEgresos);
    abra();
    proveedor();
    elija_factura();
    pulse(Qt::Key_F2);
    pulse(Qt::Key_F4);
    teclee_monto(v->panel_caja(), QStringLiteral("EGCA_MONTO"), QStringLiteral("600.000,00"));
    pulse(Qt::Key_F2);
    ASSERT_EQ(v->panel_visible(), v->panel_conta()) << errores();

    pulse(Qt::Key_F2);
    EXPECT_EQ(
        dialogs.lastError(),
        QStringLiteral("El monto del egreso debe ser idéntico a la suma de las formas de pago"));
    EXPECT_EQ(uno(kEgresos), antes);
    ASSERT_TRUE(v && v->isVisible());
    EXPECT_EQ(v->editor(QStringLiteral("TERC_NIT"))->text(), test::kPapeleria);
    EXPECT_EQ(v->monto(QStringLiteral("EGRE_MONTO"))->text(), QStringLiteral("1.000.000,00"));
    EXPECT_EQ(v->logica().documentos().recordCount(), 1);
    EXPECT_EQ(v->logica().caja().recordCount(), 1);

    dialogs.clear();
    pulse(Qt::Key_F5);
    pulse(Qt::Key_F2);
    dialogs.expectModal(kImpresion, 1);
    pulse(Qt::Key_F2);
    EXPECT_TRUE(dialogs.errors().isEmpty()) << errores();
    EXPECT_EQ(uno(kEgresos).toInt(), antes.toInt() + 1);
    EXPECT_EQ(guardado(21, 9101), QStringLiteral("0.00"));
}

// Inside the main window maximised on a 1366x768 screen the voucher, its
// panels and its keys are in sight without scrolling.
TEST_F(EgresoVentanaTest, FitsTheWorkAreaOfA1366x768Screen) {
    QMdiArea area;
    v = new Tfegresos(*dm);
    QMdiSubWindow* marco = test::abra_en_area(area, v);
    const QRect vista = area.viewport()->rect();
    EXPECT_TRUE(test::a_la_vista(area, marco)) << marco->width() << "x" << marco->height();
    EXPECT_GE(v->height(), v->minimumSizeHint().height());
    EXPECT_GE(v->width(), v->minimumSizeHint().width());
    EXPECT_EQ(QApplication::focusWidget(), v->editor(QStringLiteral("TERC_NIT")));
    proveedor();
    elija_factura();
    pulse(Qt::Key_F2);
    pulse(Qt::Key_F5);
    for (QWidget* w : {static_cast<QWidget*>(v->panel_banco()),
                       static_cast<QWidget*>(v->editor(QStringLiteral("EGRE_OBS"))),
                       static_cast<QWidget*>(v->boton_banco())}) {
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(vista.contains(QRect(w->mapTo(area.viewport(), QPoint()), w->size())));
    }
    if (!qEnvironmentVariableIsEmpty("LEDGRIX_FOTO_EGRESO"))
        area.grab().save(qEnvironmentVariable("LEDGRIX_FOTO_EGRESO"));
}

// The header follows the payee and the kind: "?" in the NIT opens the
// supplier chooser; a supplier without documents to pay may receive other
// payments when the company allows it, and then the amount is typed; a
// transfer into a box asks for the box and pays from the bank only.
TEST_F(EgresoVentanaTest, TheHeaderFollowsThePayeeAndTheKind) {
    configure(QStringLiteral("PERMITIR REGISTRAR EGRESOS POR OTROS CONCEPTOS A PROVEEDORES"),
              QStringLiteral("SI"));
    abra();
    QLineEdit* nit = v->editor(QStringLiteral("TERC_NIT"));
    dialogs.expectModal(QStringLiteral("Tfbuscprove"), 1);  // the first supplier by name
    teclee(nit, QStringLiteral("?"));
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(nit->text(), QStringLiteral("800987654"));
    EXPECT_EQ(v->nombre()->text(), QStringLiteral("Importadora Pacífico Ltda."));
    ASSERT_EQ(v->panel_visible(), v->panel_documentos());
    CampoMonto* monto = v->monto(QStringLiteral("EGRE_MONTO"));
    EXPECT_TRUE(monto->isReadOnly());  // the documents paid make it

    pulse(Qt::Key_F2);  // no documents: other payments
    EXPECT_EQ(v->tipo()->currentText(), QStringLiteral("OTROS EGRESOS"));
    EXPECT_EQ(v->panel_visible(), v->panel_conta());
    EXPECT_EQ(QApplication::focusWidget(), v->editor(QStringLiteral("EGRE_CONC")));
    ASSERT_FALSE(monto->isReadOnly());
    monto->setFocus();
    monto->selectAll();
    teclee(monto, QStringLiteral("500.000"));
    tecla(monto, Qt::Key_Return);
    EXPECT_TRUE(v->boton_caja()->isEnabled());
    EXPECT_TRUE(v->boton_banco()->isEnabled());
    EXPECT_FALSE(v->caja_destino()->isVisible());

    v->tipo()->setCurrentIndex(v->tipo()->findData(QStringLiteral("2")));
    emit v->tipo()->activated(v->tipo()->currentIndex());
    EXPECT_TRUE(v->caja_destino()->isVisible());
    EXPECT_EQ(v->caja_destino()->currentText(), QStringLiteral("CAJA GENERAL"));
    EXPECT_FALSE(v->boton_caja()->isEnabled());
    EXPECT_TRUE(v->boton_banco()->isEnabled());
    EXPECT_TRUE(dialogs.errors().isEmpty()) << errores();
}

}  // namespace
