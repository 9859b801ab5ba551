// The three maintenance windows offscreen, driven by the keys: first focus,
// refusals that keep what was typed, the success that closes, the error list
// of the recalculation and the supplier chooser on a double click.
#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

#include "core/ui/grid/ledgrix_grid.h"
#include "maintenance/ui/cambios/tfcambiaretes.h"
#include "maintenance/ui/cambios/tfcambiavence.h"
#include "maintenance/ui/recalculo/tfchequeosaldos.h"
#include "parties/selectores/selector_proveedores.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

namespace ledgrix::test {
namespace {

class MantenimientoVentanaTest : public DocumentosTest {
  protected:
    // Types a text in a box and leaves it with Enter.
    static void escriba(QLineEdit* caja, const QString& texto) {
        caja->setFocus();
        caja->clear();
        teclee(caja, texto);
        tecla(caja, Qt::Key_Return);
    }
    static void doble_clic(QWidget* w) {
        QMouseEvent clic(QEvent::MouseButtonDblClick, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)),
                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &clic);
    }
    QStringList avisos() const { return dialogs.texts(QStringLiteral("warning")); }
};

TEST_F(MantenimientoVentanaTest, RecalculationAsksForTheRangeListsRepairsAndClosesWhenClean) {
    cargo(800, QStringLiteral("000800"), kTransportes, clock.today(), QStringLiteral("100"));
    run(
        QStringLiteral("update MOVIMIENTO_PROVEEDOR set MVPR_SALDO = 5 where MVPR_TIPOREF = 51 "
                       "and MVPR_IDREF = 800"));
    QPointer<Tfchequeosaldos> v = al_frente(new Tfchequeosaldos(*dm));
    EXPECT_EQ(QApplication::focusWidget(), v->inicial());

    // Only one bound: told, nothing repaired, the bound stays.
    escriba(v->final_(), kTransportes);
    tecla(v->final_(), Qt::Key_F5);
    EXPECT_EQ(avisos(),
              QStringList{"Ingrese un rango de proveedores para realizar el procedimiento."});
    EXPECT_EQ(v->final_()->text(), kTransportes);
    EXPECT_EQ(guardado(51, 800), QStringLiteral("5.00"));

    // The chooser fills a bound on a double click.
    SelectorProveedores selector(*dm);
    selector.busque(QString());
    ASSERT_FALSE(selector.lineas().empty());
    dialogs.expectModal(QStringLiteral("Tfbuscprove"), 1);
    doble_clic(v->inicial());
    EXPECT_EQ(v->inicial()->text(), selector.lineas().front().front());
    EXPECT_TRUE(dialogs.allAnswered());

    dialogs.clear();
    escriba(v->inicial(), kTransportes);
    tecla(v->inicial(), Qt::Key_F5);
    EXPECT_EQ(avisos(), QStringList{"Se presentaron errores durante el chequeo...."});
    ASSERT_FALSE(v.isNull());
    EXPECT_FALSE(v->lista()->isHidden());
    ASSERT_EQ(v->errores()->model()->rowCount(), 1);
    EXPECT_EQ(v->errores()->model()->index(0, 4).data().toString(),
              QStringLiteral("Saldo guardado 5,00; recalculado 100,00"));
    EXPECT_TRUE(v->inicial()->text().isEmpty());
    EXPECT_TRUE(v->final_()->text().isEmpty());
    EXPECT_EQ(guardado(51, 800), QStringLiteral("100.00"));

    escriba(v->inicial(), kTransportes);
    escriba(v->final_(), kTransportes);
    tecla(v->final_(), Qt::Key_F5);
    EXPECT_EQ(dialogs.texts(QStringLiteral("information")),
              QStringList{"Procedimiento ejecutado con exito...."});
    libere();
    EXPECT_TRUE(v.isNull());

    QPointer<Tfchequeosaldos> otra = al_frente(new Tfchequeosaldos(*dm));
    tecla(otra->inicial(), Qt::Key_Escape);
    libere();
    EXPECT_TRUE(otra.isNull());
}

TEST_F(MantenimientoVentanaTest, WithholdingChangeRefusesANonNumberAndKeepsTheTyping) {
    QPointer<Tfcambiaretes> v = al_frente(new Tfcambiaretes(*dm));
    EXPECT_EQ(QApplication::focusWidget(), v->anterior(0));
    const int cree = CambioRetenciones::Cree;
    escriba(v->anterior(cree), QStringLiteral("0,4"));
    escriba(v->nuevo(cree), QStringLiteral("cero"));
    tecla(v->nuevo(cree), Qt::Key_F2);
    ASSERT_EQ(avisos().size(), 1);
    EXPECT_TRUE(
        avisos().front().startsWith(QStringLiteral("Porcentaje de retención CREE (nuevo)")));
    ASSERT_FALSE(v.isNull());
    EXPECT_EQ(v->nuevo(cree)->text(), QStringLiteral("cero"));

    escriba(v->nuevo(cree), QStringLiteral("0,8"));
    tecla(v->nuevo(cree), Qt::Key_F2);
    EXPECT_EQ(dialogs.texts(QStringLiteral("information")),
              QStringList{"Retenciones de los acreedores cambiadas."});
    tecla(v->nuevo(cree), Qt::Key_Escape);
    libere();
    EXPECT_TRUE(v.isNull());
}

TEST_F(MantenimientoVentanaTest, DueDateChangeFindsTheChargeOnLeavingTheBoxAndClosesWhenDone) {
    run(
        QStringLiteral("insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, "
                       "NDPR_FECHA, NDPR_VENCE, TERC_NIT, NDPR_MONTO, NDPR_NUMPROV) values "
                       "(700, 'CA', '000123', '2022/08/01', '2022/08/01', '900123456', 500, "
                       "'F-9')"));
    QPointer<Tfcambiavence> v = al_frente(new Tfcambiavence(*dm));
    EXPECT_EQ(QApplication::focusWidget(), v->cargo());

    escriba(v->cargo(), QStringLiteral("CA999999"));
    EXPECT_EQ(avisos(), QStringList{"No se encontró el cargo."});
    EXPECT_EQ(v->cargo()->text(), QStringLiteral("CA999999"));
    dialogs.clear();
    tecla(v->numero_proveedor(), Qt::Key_F5);
    EXPECT_EQ(avisos(),
              QStringList{"Debe indicar el número completo del cargo y el nuevo vencimiento."});
    ASSERT_FALSE(v.isNull());

    dialogs.clear();
    escriba(v->cargo(), QStringLiteral("CA000123"));
    EXPECT_TRUE(avisos().isEmpty());
    EXPECT_EQ(v->fecha()->text(), QStringLiteral("2022/08/01"));
    EXPECT_EQ(v->numero_proveedor()->text(), QStringLiteral("F-9"));
    EXPECT_FALSE(v->proveedor()->text().isEmpty());
    // The new due date starts from the charge's, ready to be typed over.
    EXPECT_EQ(v->nuevo_vence()->date(), QDate(2022, 8, 1));

    v->nuevo_vence()->setDate(QDate(2022, 11, 30));
    escriba(v->numero_proveedor(), QStringLiteral("F-10"));
    tecla(v->numero_proveedor(), Qt::Key_F5);
    libere();
    EXPECT_TRUE(v.isNull());
    EXPECT_EQ(lineas(QStringLiteral("select cast(NDPR_VENCE as varchar(10)), NDPR_NUMPROV from "
                                    "NOTAS_DEBITO_PROVEEDOR where NDPR_ID = 700")),
              QStringList{"2022-11-30|F-10"});
}

}  // namespace
}  // namespace ledgrix::test
