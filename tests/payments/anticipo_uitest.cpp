#include <gtest/gtest.h>

#include "core/data/client_dataset.h"
#include "core/ui/campos/campo_monto.h"
#include "payments/egresos/egreso.h"
#include "payments/ui/anticipos/tfanticiposprv.h"
#include "payments/ui/comun/enlaces_campos.h"
#include "tests/payments/ventana_egreso.h"

using namespace ledgrix;
using ledgrix::test::kPapeleria;

namespace {

class AnticipoVentanaTest : public ledgrix::test::VentanaEgresoTest {
  protected:
    void TearDown() override {
        Anticipo::entregado = {};
        VentanaEgresoTest::TearDown();
    }
};

// F4 in the voucher's documents panel hands the payee and the date to the
// advance window; the amount typed there with Enter and F2 stores the
// advance, and the voucher takes it as its line to pay out.
TEST_F(AnticipoVentanaTest, AnAdvanceTypedWithKeysFromTheVoucherBecomesItsLine) {
    abra();
    proveedor();
    dialogs.expectModal(QStringLiteral("Tfanticiposprv"), 0);
    pulse(Qt::Key_F4);
    EXPECT_EQ(Anticipo::entregado.nit, kPapeleria);
    EXPECT_EQ(Anticipo::entregado.fecha, v->logica().campo(QStringLiteral("EGRE_FECHA")).asDate());

    // The window the registry creates for that name.
    Tfanticiposprv ventana(*dm);
    ventana.show();
    QApplication::setActiveWindow(&ventana);
    EXPECT_EQ(ventana.logica().campo(QStringLiteral("TERC_NIT")).asString(), kPapeleria);
    CampoMonto* monto = ventana.enlaces().editor_monto(QStringLiteral("ANPR_BASE"));
    ASSERT_TRUE(monto);
    monto->setFocus();
    monto->selectAll();
    teclee(monto, QStringLiteral("250.000"));
    ledgrix::test::tecla(monto, Qt::Key_Return);
    QWidget* iva = ventana.enlaces().editor_monto(QStringLiteral("ANPR_IVAPORC"));
    iva->setFocus();
    static_cast<QLineEdit*>(iva)->selectAll();
    teclee(iva, QStringLiteral("19"));
    ledgrix::test::tecla(iva, Qt::Key_Return);
    EXPECT_EQ(ventana.logica().totalconiva(), Currency::fromInt(297500));
    ledgrix::test::tecla(iva, Qt::Key_F2);
    EXPECT_TRUE(dialogs.errors().isEmpty()) << errores();
    EXPECT_FALSE(ventana.isVisible());
    EXPECT_EQ(uno(QStringLiteral("select cast(ANPR_BASE as varchar(20)) || ' ' || EGRE_ID from "
                                 "ANTICIPOS_PROVEEDOR")),
              QStringLiteral("250000.00 0"));

    // The voucher has the keyboard again.
    dialogs.expectModal(QStringLiteral("Tfanticiposprv"), 1);
    ledgrix::test::tecla(v.data(), Qt::Key_F4);
    const ClientDataset& lineas = v->logica().documentos();
    ASSERT_EQ(lineas.recordCount(), 1);
    EXPECT_EQ(lineas.fieldByName(QStringLiteral("TIDO_NOMCORTO")).asString(),
              QStringLiteral("ANTIPROV"));
    EXPECT_EQ(lineas.fieldByName(QStringLiteral("EGDE_ABONO")).asCurrency(),
              Currency::fromInt(297500));
}

}  // namespace
