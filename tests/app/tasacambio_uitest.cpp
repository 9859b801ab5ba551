#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>

#include "app/ui/tasacambio/tftasacambiodia.h"
#include "core/money/formato_numero.h"
#include "core/ui/campos/campo_monto.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;

namespace {

// The day's rate of currency 2 of the demo company, typed in the window.
class TasaCambioVentanaTest : public test::ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte();
    }
    void TearDown() override {
        ventana.reset();
        FormatoNumero::instale(FormatoNumero());
        ModuleTest::TearDown();
    }
    // Types the rate and presses F2: answers whether the window accepted it.
    bool teclee(const QString& tasa) {
        ventana = std::make_unique<Tftasacambiodia>(*dm, 2);
        ventana->show();
        QApplication::setActiveWindow(ventana.get());
        ventana->valor()->setFocus();
        ventana->valor()->setText(tasa);
        QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
        QApplication::sendEvent(ventana->valor(), &f2);
        return ventana->result() == QDialog::Accepted;
    }
    QString guardada() {
        auto q = dm->sql().select(QStringLiteral(
            "select cast(TACA_VALOR as varchar(20)) from TASA_CAMBIO_MONEDA where TIMO_COD = 2 and "
            "TACA_FECHA = '2022/09/21'"));
        return q && q->next() ? q->value(0).toString() : QStringLiteral("ninguna");
    }
    void borre() {
        ASSERT_TRUE(dm->sql().execute(QStringLiteral("delete from TASA_CAMBIO_MONEDA")));
    }
    std::unique_ptr<Tftasacambiodia> ventana;
};

TEST_F(TasaCambioVentanaTest, TheRateIsReadInTheInstallationsFormatAndNeverGuessed) {
    const struct {
        const char* texto;
        const char* guardada;  // "ninguna": refused, the user stays with the text
        const char* mensaje;
    } casos[] = {
        // Which texts parse is the number format's own test.
        {"4.350,25", "4350.25", nullptr},
        {"4.35", "ninguna", "El valor «4.35» no es un número válido. Use el formato 1.234.567,89."},
        {"-0", "ninguna", "La tasa de cambio debe ser un valor mayor que cero."},
    };
    for (const auto& c : casos) {
        borre();
        dialogs.clear();
        const QString texto = QString::fromUtf8(c.texto);
        const bool aceptada = teclee(texto);
        EXPECT_EQ(guardada(), QLatin1String(c.guardada)) << c.texto;
        EXPECT_EQ(aceptada, c.mensaje == nullptr) << c.texto;
        EXPECT_EQ(dialogs.errors(),
                  c.mensaje ? QStringList{QString::fromUtf8(c.mensaje)} : QStringList())
            << c.texto;
        if (c.mensaje) {
            EXPECT_TRUE(ventana->isVisible()) << c.texto;
            EXPECT_EQ(QApplication::focusWidget(), ventana->valor()) << c.texto;
        }
    }
}

TEST_F(TasaCambioVentanaTest, AnInstallationThatWritesNumbersOtherwiseIsReadItsWay) {
    QFile f(inst->dir() + QStringLiteral("/numeros.cfg"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("1,234,567.89\r\n");
    f.close();
    dm->setDirectorio(inst->dir());
    EXPECT_FALSE(teclee(QStringLiteral("4.350,25")));
    EXPECT_EQ(
        dialogs.lastError(),
        QStringLiteral("El valor «4.350,25» no es un número válido. Use el formato 1,234,567.89."));
    EXPECT_TRUE(teclee(QStringLiteral("4,350.25")));
    EXPECT_EQ(guardada(), QStringLiteral("4350.25"));
}

}  // namespace
