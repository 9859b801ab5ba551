#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "core/tfdm/tfdm.h"
#include "payables/ui/descuentos/tfnotascreditocxp.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

using namespace ledgrix;
using ledgrix::test::tecla;
using ledgrix::test::teclee;

namespace {

const QDate kHoy(2022, 9, 21);

class DescuentoVentanaTest : public test::DocumentosTest {
  protected:
    QString uno(const QString& sql) {
        auto q = dm->sql().select(sql);
        return q && q->next() ? q->value(0).toString().trimmed() : QStringLiteral("sin fila");
    }
};

// A discount typed with keys against each kind of support document: the
// document chosen ("?" in its box) is stored with its type, number and id,
// the discount goes to its print window, and the window waits for the next
// one.
TEST_F(DescuentoVentanaTest, ADiscountTypedWithKeysIsStoredWithItsSupport) {
    cargo(800, QStringLiteral("000800"), test::kPapeleria, kHoy, QStringLiteral("300000"));
    const struct {
        int flechas;          // Down presses in the support type list
        const char* ventana;  // the chooser "?" opens
        qint64 id;            // the charge handed over, or the demo supplier's first invoice
        const char* soporte;
    } casos[] = {{0, "Tfbuscfaccompra", 2, "21 0000000002"},
                 {1, "Tfbuscanotdbcxp", 800, "51 0000000800"}};
    for (const auto& k : casos) {
        dialogs.clear();
        QPointer<Tfnotascreditocxp> v = new Tfnotascreditocxp(*dm);
        v->show();
        QApplication::setActiveWindow(v);
        EXPECT_EQ(v->windowTitle(), QStringLiteral("Descuentos en Cuenta"));
        const QString numero = v->editor(QStringLiteral("NCPR_NUMERO"))->text();

        QLineEdit* nit = v->editor(QStringLiteral("TERC_NIT"));
        ASSERT_EQ(QApplication::focusWidget(), nit) << k.ventana;
        teclee(nit, test::kPapeleria);
        tecla(nit, Qt::Key_Return);
        EXPECT_EQ(v->nombre()->text(), QStringLiteral("Papelería Industrial Andina S.A."));
        QLineEdit* monto = v->editor(QStringLiteral("NCPR_MONTO"));
        monto->setFocus();
        monto->selectAll();
        teclee(monto, QStringLiteral("100.000"));
        tecla(monto, Qt::Key_Return);

        v->tipo_soporte()->setFocus();
        for (int i = 0; i < k.flechas; ++i)
            tecla(v->tipo_soporte(), Qt::Key_Down);
        QLineEdit* soporte = v->editor(QStringLiteral("NCPR_DOCSOPORTE"));
        soporte->setFocus();
        // A number typed by hand has no document behind it.
        teclee(soporte, QStringLiteral("123"));
        tecla(soporte, Qt::Key_Return);
        EXPECT_EQ(dialogs.texts(QStringLiteral("warning")),
                  QStringList{
                      QStringLiteral("Elija el documento soporte con «?» o con el botón «...».")});
        EXPECT_TRUE(soporte->text().isEmpty());
        // The charge search leaves its choice among the documents handed over;
        // the invoice chooser answers its first row.
        dm->documentos_seleccionados = {
            {51, 800, QStringLiteral("0000"), QStringLiteral("000800"), QString()}};
        dialogs.expectModal(QString::fromLatin1(k.ventana), 1);
        soporte->setFocus();
        teclee(soporte, QStringLiteral("?"));
        EXPECT_TRUE(dialogs.allAnswered()) << k.ventana;
        EXPECT_TRUE(soporte->text().endsWith(QString::number(k.id)))
            << soporte->text().toStdString();

        dialogs.expectModal(QStringLiteral("Tfimprnotacrp"), 1);
        tecla(QApplication::focusWidget(), Qt::Key_F2);
        EXPECT_TRUE(dialogs.allAnswered()) << k.ventana;
        EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();

        const QString id = uno(
            QStringLiteral("select NCPR_ID from NOTAS_CREDITO_PROVEEDOR where NCPR_NUMERO = '%1'")
                .arg(numero));
        EXPECT_EQ(uno(QStringLiteral("select TERC_NIT || ' ' || cast(NCPR_MONTO as varchar(20)) "
                                     "|| ' ' || NCPR_TIPODS || ' ' || NCPR_DOCSOPORTE || ' ' || "
                                     "NCPR_FACID from NOTAS_CREDITO_PROVEEDOR where NCPR_ID = ") +
                      id),
                  test::kPapeleria + QStringLiteral(" 100000.00 ") +
                      QString::fromLatin1(k.soporte) + u' ' + QString::number(k.id))
            << k.ventana;

        ASSERT_TRUE(v);
        EXPECT_TRUE(nit->text().isEmpty());
        EXPECT_NE(v->editor(QStringLiteral("NCPR_NUMERO"))->text(), numero);
        v->close();
    }
}

}  // namespace
