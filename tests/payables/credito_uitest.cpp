#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "core/data/client_dataset.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "payables/ui/creditos/tfcausacredito.h"
#include "tests/support/area_trabajo.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

using namespace ledgrix;
using ledgrix::test::pulse;
using ledgrix::test::tecla;
using ledgrix::test::teclee;

namespace {

class CreditoVentanaTest : public test::DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        factura(9101, QStringLiteral("910001"), test::kTransportes, clock.today().addDays(-30),
                QStringLiteral("1200000"));
        run(
            QStringLiteral("update MOVIMIENTO_PROVEEDOR set MVPR_VENCE = '2022/10/15' where "
                           "MVPR_TIPOREF = 21 and MVPR_IDREF = 9101"));
    }
    QLineEdit* caja(Tfcausacredito* v, const char* campo) {
        return qobject_cast<QLineEdit*>(v->editor(QString::fromLatin1(campo)));
    }
    // Types over what the box shows and leaves it with Enter.
    void escriba(Tfcausacredito* v, const char* campo, const QString& texto) {
        QLineEdit* e = caja(v, campo);
        e->setFocus();
        e->selectAll();
        teclee(e, texto);
        tecla(e, Qt::Key_Return);
    }
};

// The clerk's whole road with the keyboard: the supplier's NIT opens its
// documents, the invoice chosen brings its balance and due date, the plan
// is computed and the credit stored with it, the invoice's balance moved
// onto the credit, posted in both books and sent to print.
TEST_F(CreditoVentanaTest, ACreditTypedWithKeysIsStoredWithItsPlanAndPosted) {
    QPointer<Tfcausacredito> v = test::al_frente(new Tfcausacredito(*dm));
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Causar Crédito"));
    const QString numero = caja(v, "CRCX_NUMERO")->text();

    dialogs.expectModal(QStringLiteral("Tfbuscdocdiferir"), 1);  // the invoice, the only one
    escriba(v, "CRCX_NIT", test::kTransportes);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(caja(v, "CRCX_NUMDOC")->text(), QStringLiteral("0000910001"));
    EXPECT_EQ(v->logica().campo(QStringLiteral("CRCX_TOTAL")).asString(),
              QStringLiteral("1200000.00"));
    EXPECT_EQ(v->logica().campo(QStringLiteral("CRCX_FECCUOTA1")).asDate(), QDate(2022, 10, 15));

    escriba(v, "CRCX_CUOTAS", QStringLiteral("3"));
    escriba(v, "CRCX_INTERES", QStringLiteral("12,6825"));
    pulse(Qt::Key_F3);
    ASSERT_EQ(v->logica().cuotas().recordCount(), 3) << dialogs.errors().join('\n').toStdString();
    EXPECT_EQ(v->plan()->model()->rowCount(), 3);
    // The plan read again for the document keeps its titles and hides its keys.
    QStringList titulos;
    for (int c = 0; c < v->plan()->model()->columnCount(); ++c)
        titulos << v->plan()->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(titulos, (QStringList{"Cuota", "Fecha", "Valor", "Prefijo"}));

    dialogs.expectModal(QStringLiteral("Tfimprcausacred"), 1);
    pulse(Qt::Key_F2);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();

    const QString id = texto(
        QStringLiteral("select CRCX_ID from CREDITO_CXPAGAR where CRCX_NUMERO = '%1'").arg(numero));
    ASSERT_FALSE(id.isEmpty());
    EXPECT_EQ(texto(QStringLiteral("select CRCX_NIT || '|' || CRCX_TIPODOC || '|' || CRCX_IDDOC "
                                   "|| '|' || CRCX_TOTAL || '|' || CRCX_CUOTAS || '|' || "
                                   "CRCX_INTERES || '|' || CRCX_FECCUOTA1 from CREDITO_CXPAGAR "
                                   "where CRCX_ID = ") +
                    id),
              test::kTransportes + QStringLiteral("|21|9101|1200000.00|3|12.6825|2022-10-15"));
    // Monthly from the first due date, repaying the total with interest.
    EXPECT_EQ(texto(QStringLiteral("select list(CRCD_ITEM || ':' || CRCD_FECHA, ' ') from (select "
                                   "* from CREDITO_CXPAGAR_DET where CRCX_ID = %1 order by "
                                   "CRCD_ITEM)")
                        .arg(id)),
              QStringLiteral("1:2022-10-15 2:2022-11-15 3:2022-12-15"));
    EXPECT_GT(texto(QStringLiteral("select sum(CRCD_MONTO) from CREDITO_CXPAGAR_DET where "
                                   "CRCX_ID = ") +
                    id)
                  .toDouble(),
              1200000.0);
    EXPECT_EQ(guardado(21, 9101), QStringLiteral("0.00"));
    EXPECT_EQ(guardado(57, id.toInt()), QStringLiteral("1200000.00"));
    for (const char* libro : {"COMPROBANTE_DETALLE", "COMPROBANTE_DETALLE_NIIF"})
        EXPECT_EQ(texto(QStringLiteral("select count(*) || '|' || sum(d.CODE_DEBITOS) || '|' || "
                                       "sum(d.CODE_CREDITOS) from %1 d join COMPROBANTE_ENCABEZADO "
                                       "e on e.ENCO_CONSEC = d.ENCO_CONSEC where e.ENCO_TIPOREF = "
                                       "57 and e.ENCO_IDREF = %2")
                            .arg(QLatin1String(libro), id)),
                  QStringLiteral("2|1200000.00|1200000.00"))
            << libro;

    // Ready for the next credit, the cursor where typing starts.
    ASSERT_TRUE(v);
    EXPECT_TRUE(caja(v, "CRCX_NIT")->text().isEmpty());
    EXPECT_EQ(v->plan()->model()->rowCount(), 0);
    EXPECT_NE(caja(v, "CRCX_NUMERO")->text(), numero);
    EXPECT_EQ(QApplication::focusWidget(), caja(v, "CRCX_NIT"));
    v->close();
}

// Inside the main window maximised on a 1366x768 screen the whole credit is
// in sight, typing goes to the supplier, and Esc leaves.
TEST_F(CreditoVentanaTest, OpensInTheWorkAreaWithTheCursorInTheSupplierAndEscLeaves) {
    QMdiArea area;
    QPointer<Tfcausacredito> v = new Tfcausacredito(*dm);
    QMdiSubWindow* marco = test::abra_en_area(area, v);
    EXPECT_TRUE(test::a_la_vista(area, marco)) << marco->width() << "x" << marco->height();
    // Nothing squeezed: the plan and the last row of boxes are there whole.
    EXPECT_EQ(v->size().expandedTo(v->minimumSizeHint()), v->size());
    EXPECT_TRUE(v->plan()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), v->editor(QStringLiteral("CRCX_NIT")));

    // F3 before a document: told, and the window stays.
    dialogs.clear();
    pulse(Qt::Key_F3);
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("Debe traer antes el documento a diferir."));
    // Keys are the window's wherever the cursor is, a list included.
    v->editor(QStringLiteral("CRCX_PREFND"))->setFocus();
    pulse(Qt::Key_Escape);
    test::libere();
    EXPECT_FALSE(v);
    EXPECT_EQ(filas(QStringLiteral("CREDITO_CXPAGAR")), 0);
}

// What the logic refuses is told where it was typed: the cursor stays in the
// box with the text as typed (a reference that does not exist is emptied),
// and nothing is stored.
TEST_F(CreditoVentanaTest, ARefusedValueKeepsTheCursorInItsBox) {
    QPointer<Tfcausacredito> v = test::al_frente(new Tfcausacredito(*dm));
    dialogs.expectModal(QStringLiteral("Tfbuscdocdiferir"), 0);  // nothing chosen yet
    escriba(v, "CRCX_NIT", test::kTransportes);
    struct Caso {
        const char* campo;
        const char* tecleado;
        const char* mensaje;  // nullptr: the amount box's own
        const char* queda;
        const char* arreglo;  // what the user types then to move on
    };
    const Caso casos[] = {
        {"CRCX_CUOTAS", "0", "El número de cuotas debe estar entre 1 y 360.", "0", "2"},
        {"CRCX_CUOTAS", "361", "El número de cuotas debe estar entre 1 y 360.", "361", "2"},
        {"CRCX_INTERES", "200,0001",
         "La tasa de interés efectiva anual debe estar entre 0 y 200 %.", "200,0001", "0"},
        {"CRCX_INTERES", "12.5", nullptr, "12.5", "12,5"},
        {"CRCX_NUMDOC", "0000999999", "No existe el documento a pagar", "", ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.campo) + " " + c.tecleado);
        dialogs.clear();
        escriba(v, c.campo, QString::fromUtf8(c.tecleado));
        ASSERT_EQ(dialogs.errors().size(), 1);
        if (c.mensaje) {
            EXPECT_EQ(dialogs.lastError(), QString::fromUtf8(c.mensaje));
        }
        EXPECT_EQ(QApplication::focusWidget(), v->editor(QString::fromLatin1(c.campo)));
        EXPECT_EQ(caja(v, c.campo)->text(), QString::fromUtf8(c.queda));
        // The box cannot be left with it; a value fixed there is taken.
        dialogs.clear();
        escriba(v, c.campo, QString::fromUtf8(c.arreglo));
        EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
    }
    EXPECT_EQ(v->logica().campo(QStringLiteral("CRCX_CUOTAS")).asInteger(), 2);
    EXPECT_EQ(v->logica().campo(QStringLiteral("CRCX_INTERES")).asString(),
              QStringLiteral("12.5000"));
    EXPECT_TRUE(dialogs.allAnswered());
    v->close();
}

}  // namespace
