#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include "core/data/field.h"
#include "payables/ui/cargos/tfnotasdebitocxp.h"
#include "tests/support/area_trabajo.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

using namespace ledgrix;
using ledgrix::test::tecla;
using ledgrix::test::teclee;

namespace {

const QString kCancelar =
    QStringLiteral("Si cancela ahora perderá los datos no grabados, continuar?");

class CargoVentanaTest : public test::DocumentosTest {
  protected:
    // The window frees itself on close.
    Tfnotasdebitocxp* abra() {
        auto* v = new Tfnotasdebitocxp(*dm);
        v->show();
        QApplication::setActiveWindow(v);
        return v;
    }
    // A new charge of the stationery supplier, its NIT typed in the window.
    Tfnotasdebitocxp* abra_con_proveedor() {
        Tfnotasdebitocxp* v = abra();
        QLineEdit* nit = v->editor(QStringLiteral("TERC_NIT"));
        teclee(nit, test::kPapeleria);
        tecla(nit, Qt::Key_Return);
        return v;
    }
    QString uno(const QString& sql) {
        auto q = dm->sql().select(sql);
        return q && q->next() ? q->value(0).toString().trimmed() : QStringLiteral("sin fila");
    }
};

// The whole road with the keyboard, amounts typed the Colombian way: stored
// with the exact amount, handed to its print window, and the window ready
// for the next charge. The posting and the printed charge are the logic's
// and the print tests' concern.
TEST_F(CargoVentanaTest, AChargeTypedWithKeysIsStoredPrintedAndTheWindowWaitsForTheNext) {
    QPointer<Tfnotasdebitocxp> v = abra();
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Cargos en Cuenta"));
    EXPECT_EQ(v->prefijo()->currentText(), QStringLiteral("0000"));
    const QString numero = v->editor(QStringLiteral("NDPR_NUMERO"))->text();

    QLineEdit* nit = v->editor(QStringLiteral("TERC_NIT"));
    ASSERT_EQ(QApplication::focusWidget(), nit);  // typing goes to the supplier at once
    teclee(nit, test::kPapeleria);
    tecla(nit, Qt::Key_Return);
    EXPECT_EQ(v->nombre()->text(), QStringLiteral("Papelería Industrial Andina S.A."));
    EXPECT_EQ(v->editor(QStringLiteral("NDPR_RTFTEPORC"))->text(), QStringLiteral("2,50"));
    QLineEdit* concepto = v->editor(QStringLiteral("NDPR_CONC"));
    concepto->setFocus();
    teclee(concepto, QStringLiteral("Fletes de octubre"));
    QLineEdit* monto = v->editor(QStringLiteral("NDPR_MONTO"));
    monto->setFocus();
    monto->selectAll();  // the box shows 0,00 until typed over
    teclee(monto, QStringLiteral("1.500.000,50"));
    tecla(monto, Qt::Key_Return);
    EXPECT_EQ(monto->text(), QStringLiteral("1.500.000,50"));
    dialogs.expectModal(QStringLiteral("Tfimprnotadbp"),
                        1);  // the stored charge goes to its print window
    tecla(QApplication::focusWidget(), Qt::Key_F2);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();

    const QString id =
        uno(QStringLiteral("select NDPR_ID from NOTAS_DEBITO_PROVEEDOR where NDPR_NUMERO = '%1'")
                .arg(numero));
    EXPECT_EQ(uno(QStringLiteral("select TERC_NIT || ' ' || cast(NDPR_MONTO as varchar(20)) || ' ' "
                                 "|| NDPR_CONC from NOTAS_DEBITO_PROVEEDOR where NDPR_ID = ") +
                  id),
              test::kPapeleria + QStringLiteral(" 1500000.50 Fletes de octubre"));

    ASSERT_TRUE(v);
    EXPECT_TRUE(nit->text().isEmpty());
    EXPECT_TRUE(monto->text().isEmpty() || monto->text() == QStringLiteral("0,00"));
    EXPECT_EQ(v->prefijo()->currentText(), QStringLiteral("0000"));
    EXPECT_NE(v->editor(QStringLiteral("NDPR_NUMERO"))->text(), numero);
    v->close();
}

// Reading amounts is the number format's concern; here the window keeps a
// refused amount where it was typed, never as zero, and stores nothing.
TEST_F(CargoVentanaTest, AnAmountInAnotherFormatIsRefusedNeverReadAsZero) {
    QPointer<Tfnotasdebitocxp> v = abra_con_proveedor();
    QLineEdit* monto = v->editor(QStringLiteral("NDPR_MONTO"));
    const QString kCuantos = QStringLiteral("select count(*) from NOTAS_DEBITO_PROVEEDOR");
    const QString antes = uno(kCuantos);
    const struct {
        const char* tecleado;
        const char* mostrado;  // nullptr: refused
        const char* monto;
    } casos[] = {{"2.000.000,5", "2.000.000,50", "2000000.50"},
                 {"1,000,000", nullptr, "2000000.50"},
                 {"4.35", nullptr, "2000000.50"}};
    for (const auto& c : casos) {
        dialogs.clear();
        monto->setFocus();
        monto->selectAll();
        teclee(monto, QString::fromLatin1(c.tecleado));
        tecla(monto, Qt::Key_Return);
        EXPECT_EQ(v->logica().campo(QStringLiteral("NDPR_MONTO")).asCurrency().toString(2),
                  QLatin1String(c.monto))
            << c.tecleado;
        if (c.mostrado) {
            EXPECT_TRUE(dialogs.errors().isEmpty()) << c.tecleado;
            EXPECT_EQ(monto->text(), QString::fromLatin1(c.mostrado)) << c.tecleado;
            continue;
        }
        EXPECT_EQ(dialogs.errors(),
                  QStringList{QStringLiteral("El valor «%1» no es un número válido. Use el formato "
                                             "1.234.567,89.")
                                  .arg(QLatin1String(c.tecleado))});
        EXPECT_EQ(QApplication::focusWidget(), monto) << c.tecleado;
        EXPECT_EQ(monto->text(), QString::fromLatin1(c.tecleado));
        // F2 with the text still there stores nothing (no print window is expected).
        dialogs.clear();
        tecla(monto, Qt::Key_F2);
        EXPECT_EQ(dialogs.errors().size(), 1) << c.tecleado;
        EXPECT_EQ(uno(kCuantos), antes) << c.tecleado;
    }
    v->close();
}

// A withholding whose percentage is 0 may be typed by hand: leaving its
// percentage box opens the amount even when nothing was typed in it.
TEST_F(CargoVentanaTest, LeavingAPercentageThatShowsZeroOpensItsAmount) {
    QPointer<Tfnotasdebitocxp> v = abra_con_proveedor();
    QLineEdit* porcentaje = v->editor(QStringLiteral("NDPR_RTCREE"));
    QLineEdit* valor = v->editor(QStringLiteral("NDPR_RTCREEM"));
    ASSERT_TRUE(v->logica().campo(QStringLiteral("NDPR_RTCREE")).asCurrency().isZero());
    EXPECT_EQ(porcentaje->text(), QStringLiteral("0,0000"));
    EXPECT_TRUE(valor->isReadOnly());
    porcentaje->setFocus();
    tecla(porcentaje, Qt::Key_Return);  // leaves the box as it was
    EXPECT_FALSE(valor->isReadOnly());
    EXPECT_NE(QApplication::focusWidget(), porcentaje);
    v->close();
}

// Inside the main window maximised on a 1366x768 screen the whole charge is
// in sight, its keys and totals included, and typing goes to the supplier.
TEST_F(CargoVentanaTest, OpensInsideTheMainWindowsWorkAreaWithTheCursorInTheSupplier) {
    QMdiArea area;
    auto* v = new Tfnotasdebitocxp(*dm);
    QMdiSubWindow* marco = test::abra_en_area(area, v);
    const QRect vista = area.viewport()->rect();
    EXPECT_TRUE(test::a_la_vista(area, marco)) << marco->width() << "x" << marco->height();
    EXPECT_GE(v->height(), v->minimumSizeHint().height());
    EXPECT_GE(v->width(), v->minimumSizeHint().width());
    for (QWidget* w : {static_cast<QWidget*>(v->total()), static_cast<QWidget*>(v->neto()),
                       static_cast<QWidget*>(v->editor(QStringLiteral("NDPR_OBS")))}) {
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(vista.contains(QRect(w->mapTo(area.viewport(), QPoint()), w->size())));
    }
    EXPECT_EQ(QApplication::focusWidget(), v->editor(QStringLiteral("TERC_NIT")));
    // The VAT bases take the place of the rest, within the same frame.
    const QSize antes = marco->size();
    tecla(v->editor(QStringLiteral("TERC_NIT")), Qt::Key_F5);
    EXPECT_TRUE(v->panel_bases()->isVisible());
    EXPECT_EQ(marco->size(), antes);
    if (!qEnvironmentVariableIsEmpty("LEDGRIX_FOTO_CARGO"))
        area.grab().save(qEnvironmentVariable("LEDGRIX_FOTO_CARGO"));
}

TEST_F(CargoVentanaTest, EscAsksBeforeDroppingTheCharge) {
    QPointer<Tfnotasdebitocxp> v = abra();
    QLineEdit* nit = v->editor(QStringLiteral("TERC_NIT"));
    dialogs.expectQuestion(kCancelar, false);
    tecla(nit, Qt::Key_Escape);
    EXPECT_TRUE(v && v->isVisible());
    dialogs.expectQuestion(kCancelar, true);
    tecla(nit, Qt::Key_Escape);
    EXPECT_TRUE(dialogs.allAnswered());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(v);
}

TEST_F(CargoVentanaTest, AQuestionMarkInTheNitOpensTheSupplierChooser) {
    QPointer<Tfnotasdebitocxp> v = abra();
    QLineEdit* nit = v->editor(QStringLiteral("TERC_NIT"));
    nit->setFocus();
    dialogs.expectModal(QStringLiteral("Tfbuscprove"), 1);  // the first supplier by name
    teclee(nit, QStringLiteral("?"));
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(nit->text(), QStringLiteral("800987654"));
    EXPECT_EQ(v->nombre()->text(), QStringLiteral("Importadora Pacífico Ltda."));
    v->close();
}

}  // namespace
