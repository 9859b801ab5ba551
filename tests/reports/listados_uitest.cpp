// The listing windows as a clerk uses them: each fits and starts in its
// first box; the voucher listing refuses to run with no kind ticked, shows
// the preview once two are ticked, and F4 saves the rows to a file.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>

#include "core/ui/grid/ledgrix_grid.h"
#include "reports/ui/listados/tflistado_comprobantes.h"
#include "reports/ui/listados/tfrepoproveedor.h"
#include "reports/ui/listados/tfreporelaprov.h"
#include "tests/support/teclado.h"
#include "tests/support/ventana_mdi.h"

namespace ledgrix::test {
namespace {

class ListadosVentanaTest : public VentanaMdiTest {
  protected:
    // Space pressed and let go on a box, which is when a check box toggles.
    static void marque(QWidget* v, const char* nombre) {
        auto* c = v->findChild<QCheckBox*>(QLatin1String(nombre));
        ASSERT_TRUE(c) << nombre;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(c, &press);
        QApplication::sendEvent(c, &release);
        ASSERT_TRUE(c->isChecked()) << nombre;
    }
};

TEST_F(ListadosVentanaTest, CadaVentanaCabeYEmpiezaEnSuPrimeraCaja) {
    auto a = abra<Tfrepoproveedor>();
    revise_apertura(a, a->proveedor_desde());
    auto b = abra<Tfreporelaprov>();
    revise_apertura(b, b->proveedor_desde());
    auto c = abra<Tfrepocrono>();
    // Nothing about suppliers: ranges, order and grouping.
    for (const char* caja : {"prov_desde", "grupo_desde", "por_nombre", "agrupa_0"}) {
        auto* w = c->findChild<QWidget*>(QLatin1String(caja));
        ASSERT_TRUE(w) << caja;
        EXPECT_FALSE(w->isVisible()) << caja;
    }
    revise_apertura(c, c->prefijo_desde());
}

TEST_F(ListadosVentanaTest, ComprobantesSinClaseSeNieganYConClasesVanALaVista) {
    descuento(201, QStringLiteral("000201"), kTransportes, QDate(2022, 8, 20),
              QStringLiteral("50"));
    anticipo(400, QStringLiteral("000400"), kPapeleria, QDate(2022, 8, 25), QStringLiteral("1000"));
    auto v = abra<Tfrepoconsecutivo>();
    teclee(v->prefijo_desde(), QStringLiteral("0000"));
    tecla(v->prefijo_desde(), Qt::Key_F2);
    libere();
    ASSERT_FALSE(v.isNull());
    EXPECT_TRUE(dialogs.lastError().contains(QStringLiteral("Marque al menos una clase")));
    EXPECT_EQ(v->prefijo_desde()->text(), QStringLiteral("0000"));

    dialogs.clear();
    marque(v, "credito");
    marque(v, "anticipos");
    dialogs.expectModal(QStringLiteral("QPrintPreviewDialog"), 0);
    pulse(Qt::Key_F2);
    libere();
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
    EXPECT_TRUE(v.isNull());

    auto w = abra<Tfrepoconsecutivo>();
    marque(w, "anticipos");
    const QString ruta = inst->dir() + QStringLiteral("/RepConsecutivo.csv");
    QString propuesto;
    w->grilla()->setSaveFileChooser(
        [&](QWidget*, const QString& nombre, const QStringList&, QString*) {
            propuesto = nombre;
            return ruta;
        });
    pulse(Qt::Key_F4);
    libere();
    EXPECT_TRUE(w.isNull()) << dialogs.lastError().toStdString();
    EXPECT_TRUE(propuesto.startsWith(QStringLiteral("RepConsecutivo")));
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString csv = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(csv.contains(QStringLiteral("000400"))) << csv.toStdString();
    EXPECT_FALSE(csv.contains(QStringLiteral("000201")));
}

}  // namespace
}  // namespace ledgrix::test
