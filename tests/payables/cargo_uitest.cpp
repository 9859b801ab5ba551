#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "payables/ui/cargos/tfnotasdebitocxp.h"
#include "tests/support/documentos_fixture.h"

using namespace ledgrix;

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
    static void tecla(QWidget* w, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    }
    static void teclee(QWidget* w, const QString& texto) {
        for (const QChar c : texto) {
            QKeyEvent press(QEvent::KeyPress,
                            c.unicode() == '?' ? Qt::Key_Question : Qt::Key_unknown, Qt::NoModifier,
                            QString(c));
            QApplication::sendEvent(w, &press);
        }
    }
    QString uno(const QString& sql) {
        auto q = dm->sql().select(sql);
        return q && q->next() ? q->value(0).toString().trimmed() : QStringLiteral("sin fila");
    }
};

TEST_F(CargoVentanaTest, AChargeTypedWithKeysIsStoredPostedAndTheWindowWaitsForTheNext) {
    QPointer<Tfnotasdebitocxp> v = abra();
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Cargos en Cuenta"));
    EXPECT_EQ(v->prefijo()->currentText(), QStringLiteral("0000"));
    const QString numero = v->editor(QStringLiteral("NDPR_NUMERO"))->text();

    QLineEdit* nit = v->editor(QStringLiteral("TERC_NIT"));
    nit->setFocus();
    teclee(nit, test::kPapeleria);
    tecla(nit, Qt::Key_Return);
    EXPECT_EQ(v->nombre()->text(), QStringLiteral("Papelería Industrial Andina S.A."));
    EXPECT_EQ(v->editor(QStringLiteral("NDPR_RTFTEPORC"))->text(), QStringLiteral("2.50"));
    QLineEdit* monto = v->editor(QStringLiteral("NDPR_MONTO"));
    monto->setFocus();
    monto->selectAll();  // the box shows 0.00 until typed over
    teclee(monto, QStringLiteral("2000000"));
    dialogs.expectModal(QStringLiteral("Tfimprnotadbp"), 1);  // the stored charge goes to its print window
    tecla(monto, Qt::Key_F2);  // saves the amount still in its box
    EXPECT_TRUE(dialogs.allAnswered());

    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();
    const QString id =
        uno(QStringLiteral("select NDPR_ID from NOTAS_DEBITO_PROVEEDOR where NDPR_NUMERO = '%1'")
                .arg(numero));
    EXPECT_EQ(
        uno(QStringLiteral("select TERC_NIT || ' ' || cast(NDPR_MONTO as varchar(20)) || ' ' || "
                           "cast(NDPR_RTFTEMONTO as varchar(20)) from NOTAS_DEBITO_PROVEEDOR where "
                           "NDPR_ID = ") +
            id),
        test::kPapeleria + QStringLiteral(" 2000000.00 50000.00"));
    EXPECT_EQ(uno(QStringLiteral("select count(*) from COMPROBANTE_ENCABEZADO where ENCO_TIPOREF = "
                                 "51 and ENCO_IDREF = ") +
                  id),
              QStringLiteral("1"));

    ASSERT_TRUE(v);
    EXPECT_TRUE(nit->text().isEmpty());
    EXPECT_TRUE(monto->text().isEmpty() || Currency::fromText(monto->text()).isZero());
    EXPECT_EQ(v->prefijo()->currentText(), QStringLiteral("0000"));
    EXPECT_NE(v->editor(QStringLiteral("NDPR_NUMERO"))->text(), numero);
    v->close();
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
