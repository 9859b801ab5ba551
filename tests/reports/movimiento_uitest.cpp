// The movement windows offscreen, driven by keys: a reversed period stays in
// the window with its message, and the supplier's movement handed over by
// the analysis lists its rows with the running balance and opens the
// consultation of the document under the cursor.
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

#include "core/data/client_dataset.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "parties/tfdmter.h"
#include "reports/ui/impresos/tfrepoestdocuentas.h"
#include "reports/ui/impresos/tfrepomovprove.h"
#include "reports/ui/movimiento/tfmovimientoprv.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

namespace ledgrix::test {
namespace {

class MovimientoVentanaTest : public DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        configure(QStringLiteral("DESCONTAR RETENCIONES POR CAUSACION"), QStringLiteral("NO"));
        cargo(200, QStringLiteral("000200"), kTransportes, QDate(2022, 8, 10),
              QStringLiteral("100"));
        descuento(201, QStringLiteral("000201"), kTransportes, QDate(2022, 8, 12),
                  QStringLiteral("30"));
        dialogs.clear();
    }
};

TEST_F(MovimientoVentanaTest, PeriodoAlRevesSeQuedaEnLaVentanaConElMensaje) {
    for (const bool estado : {false, true}) {
        SCOPED_TRACE(estado ? "estado de cuenta" : "movimiento");
        dialogs.clear();
        QPointer<TfReporteImpreso> v;
        if (estado)
            v = al_frente(new Tfrepoestdocuentas(*dm));
        else
            v = al_frente(new Tfrepomovprove(*dm));
        v->proveedor_desde()->setText(kTransportes);
        auto* desde = v->findChild<QDateEdit*>(QStringLiteral("periodo_desde"));
        auto* hasta = v->findChild<QDateEdit*>(QStringLiteral("periodo_hasta"));
        desde->setDate(QDate(2022, 8, 31));
        hasta->setDate(QDate(2022, 8, 1));
        tecla(v->proveedor_desde(), Qt::Key_F2);
        if (estado)
            tecla(v->proveedor_desde(), Qt::Key_F5);
        libere();
        ASSERT_FALSE(v.isNull());
        EXPECT_EQ(dialogs.errors(),
                  QStringList(estado ? 2 : 1,
                              "La fecha final del periodo es anterior a la fecha inicial."));
        EXPECT_EQ(v->proveedor_desde()->text(), kTransportes);
        EXPECT_EQ(desde->date(), QDate(2022, 8, 31));
        v->close();
        libere();
    }
}

TEST_F(MovimientoVentanaTest, EstadoDeCuentaPideNitsQueElDobleClicBusca) {
    QPointer<Tfrepoestdocuentas> v = al_frente(new Tfrepoestdocuentas(*dm));
    auto* rango = qobject_cast<QGroupBox*>(v->proveedor_desde()->parentWidget());
    ASSERT_TRUE(rango);
    EXPECT_EQ(rango->title(), QStringLiteral("Nit"));
    for (QLineEdit* caja : {v->proveedor_desde(), v->proveedor_hasta()}) {
        SCOPED_TRACE(caja->objectName().toStdString());
        caja->setText(QStringLiteral("papel"));
        dialogs.expectModal(QStringLiteral("Tfbuscprove"), 1);
        QMouseEvent doble(QEvent::MouseButtonDblClick, QPointF(2, 2),
                          caja->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(caja, &doble);
        EXPECT_TRUE(dialogs.allAnswered());
        EXPECT_EQ(caja->text(), kPapeleria);
    }
    v->close();
    libere();
}

TEST_F(MovimientoVentanaTest, MovimientoDelProveedorListaYConsultaElDocumento) {
    Tfdmter::entregado = {kTransportes, QStringLiteral("Transportes del Norte S.A.S.")};
    dm->periodo_desde = QDate(2022, 8, 1);
    dm->periodo_hasta = QDate(2022, 8, 31);
    QPointer<Tfmovimientoprv> v = al_frente(new Tfmovimientoprv(*dm));
    EXPECT_EQ(v->windowTitle(),
              QStringLiteral("Movimiento del proveedor Transportes del Norte S.A.S."));
    ClientDataset& f = v->logica().filas();
    ASSERT_EQ(f.recordCount(), 2) << dialogs.lastError().toStdString();
    const int saldof = f.fieldByName(QStringLiteral("SALDOF")).index();
    EXPECT_EQ(f.valueAt(0, saldof).value<Currency>(), Currency::fromInt(100));
    EXPECT_EQ(f.valueAt(1, saldof).value<Currency>(), Currency::fromInt(70));
    const auto saldos = [&v] { return v->findChild<QLabel*>(QStringLiteral("saldos"))->text(); };
    EXPECT_EQ(saldos(), QStringLiteral("Saldo inicial: 0,00     Saldo final: 70,00"));

    // F4 on the discount opens its consultation with the document left for it.
    v->grilla()->setCurrentIndex(v->grilla()->model()->index(1, 0));
    dialogs.expectModal(QStringLiteral("Tfconsnotcrcxp"), 1);
    tecla(v->grilla(), Qt::Key_F4);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(dm->documento_consultado.tipo, 52);
    EXPECT_EQ(dm->documento_consultado.id, 201);
    EXPECT_EQ(dm->documento_consultado.numero, QStringLiteral("000201"));

    // F2 over a shorter period: only the charge, the balance started over.
    v->hasta()->setDate(QDate(2022, 8, 11));
    tecla(v->grilla(), Qt::Key_F2);
    ASSERT_EQ(f.recordCount(), 1);
    EXPECT_EQ(f.valueAt(0, saldof).value<Currency>(), Currency::fromInt(100));
    EXPECT_EQ(saldos(), QStringLiteral("Saldo inicial: 0,00     Saldo final: 100,00"));
    // A reversed period keeps the rows and the dates typed.
    v->desde()->setDate(QDate(2022, 8, 20));
    tecla(v->grilla(), Qt::Key_F2);
    EXPECT_EQ(dialogs.lastError(),
              QStringLiteral("La fecha final del periodo es anterior a la fecha inicial."));
    EXPECT_EQ(f.recordCount(), 1);
    tecla(v->grilla(), Qt::Key_Escape);
    libere();
    EXPECT_TRUE(v.isNull());
}

}  // namespace
}  // namespace ledgrix::test
