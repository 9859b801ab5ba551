// The printed reports' windows as a clerk uses them: where the cursor
// starts, that the window fits, and what F2, F4 and Esc do.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>

#include "core/ui/grid/ledgrix_grid.h"
#include "reports/ui/impresos/tfrepdoc_prov.h"
#include "reports/ui/impresos/tfrepoanalisi.h"
#include "reports/ui/impresos/tfrepocxpaga.h"
#include "tests/support/teclado.h"
#include "tests/support/ventana_mdi.h"

namespace ledgrix::test {
namespace {

using ImpresosVentanaTest = VentanaMdiTest;

TEST_F(ImpresosVentanaTest, CadaVentanaCabeYEmpiezaEnElProveedor) {
    auto a = abra<Tfrepocxpaga>();
    revise_apertura(a, a->proveedor_desde());
    auto b = abra<Tfrepoanalisi>();
    revise_apertura(b, b->proveedor_desde());
    auto c = abra<TfrepDoc_prov>();
    revise_apertura(c, c->proveedor_desde());
}

TEST_F(ImpresosVentanaTest, UnAnchoNoNumericoSeExplicaYLaVentanaSigue) {
    auto v = abra<Tfrepoanalisi>();
    auto* ancho = v->findChild<QLineEdit*>(QStringLiteral("ancho"));
    ancho->setText(QStringLiteral("tres"));
    tecla(ancho, Qt::Key_F2);
    libere();
    ASSERT_FALSE(v.isNull());
    EXPECT_TRUE(dialogs.lastError().contains(QStringLiteral("'tres' no es un valor entero")));
    EXPECT_EQ(ancho->text(), QStringLiteral("tres"));
}

TEST_F(ImpresosVentanaTest, SinDatosAvisaYCierra) {
    auto v = abra<Tfrepocxpaga>();
    v->proveedor_desde()->setText(QStringLiteral("no-existe"));
    tecla(v->proveedor_desde(), Qt::Key_F2);
    libere();
    EXPECT_EQ(dialogs.texts(QStringLiteral("information")),
              QStringList{QStringLiteral("No hay datos para el reporte.")});
    EXPECT_TRUE(v.isNull());
}

TEST_F(ImpresosVentanaTest, F4ExportaLasFilasDelReporteYCierra) {
    factura(901, QStringLiteral("F901"), kTransportes, QDate(2022, 6, 1),
            QStringLiteral("1234567.5"));
    auto v = abra<Tfrepocxpaga>();
    const QString ruta = inst->dir() + QStringLiteral("/RepCxp.csv");
    QString propuesto;
    v->grilla()->setSaveFileChooser(
        [&](QWidget*, const QString& nombre, const QStringList&, QString*) {
            propuesto = nombre;
            return ruta;
        });
    tecla(v->proveedor_desde(), Qt::Key_F4);
    libere();
    EXPECT_TRUE(v.isNull()) << dialogs.lastError().toStdString();
    EXPECT_TRUE(propuesto.startsWith(QStringLiteral("RepCxp")));
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString csv = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(csv.contains(QStringLiteral("F901"))) << csv.toStdString();
    EXPECT_TRUE(csv.contains(kTransportes));
}

}  // namespace
}  // namespace ledgrix::test
