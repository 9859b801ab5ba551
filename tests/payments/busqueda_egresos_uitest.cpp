#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include "core/busqueda/busqueda_documentos.h"
#include "core/data/client_dataset.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "payments/ui/busquedas/tfbuscegreso.h"
#include "tests/payments/ventana_egreso.h"

namespace ledgrix::test {
namespace {

// Two live vouchers of the last days and one annulled, as the window lists
// them (newest first).
class BuscegresoTest : public DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        dm->ctx.es_administrador = true;
        guarde(31, "000301", 2, "TRANSPORTES", "Pago fletes", "N");
        guarde(32, "000302", 1, "PAPELERIA", "Resmas", "N");
        guarde(30, "000300", 3, "PAPELERIA", "Sobres", "S");
    }
    void TearDown() override {
        if (v)
            v->close();
        libere();
        EXPECT_TRUE(dialogs.allAnswered());
        DocumentosTest::TearDown();
    }
    void guarde(int id, const char* numero, int dias_atras, const char* nombre,
                const char* concepto, const char* anulado) {
        run(QStringLiteral("insert into EGRESOS (EGRE_ID, PREF_PRE, EGRE_NUMERO, EGRE_FECHA, "
                           "TERC_NIT, EGRE_NOMTERC, EGRE_CONC, EGRE_TIPO, CLEG_ID, EGRE_MONTO, "
                           "EGRE_ANULADO) values (%1, '0000', '%2', %3, %4, '%5', '%6', '1', 1, "
                           "100, '%7')")
                .arg(id)
                .arg(QLatin1String(numero), fecha(QDate(2022, 9, 21).addDays(-dias_atras)),
                     sql::quoted(kTransportes), QLatin1String(nombre), QLatin1String(concepto),
                     QLatin1String(anulado)));
    }
    void abra() { v = al_frente(new Tfbuscegreso(*dm)); }
    int filas_lista() const {
        v->logica().filas().fetchAll();
        return v->logica().filas().recordCount();
    }
    // Whether the text of a row is drawn red.
    bool roja(int fila) {
        const QModelIndex i = v->grilla()->model()->index(fila, 0);
        const QRect r = v->grilla()->visualRect(i).united(
            v->grilla()->visualRect(i.siblingAtColumn(v->grilla()->model()->columnCount() - 1)));
        const QImage img = v->grilla()->viewport()->grab(r).toImage();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 90 && c.blue() < 90)
                    return true;
            }
        return false;
    }

    QPointer<Tfbuscegreso> v;
};

TEST_F(BuscegresoTest, ATypedFilterListsF4ConsultsF6OpensTheNotesAndComingBackReadsAgain) {
    abra();
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Búsqueda de egresos"));
    EXPECT_EQ(filas_lista(), 3);
    v->columna_busqueda()->setCurrentIndex(2);  // concept
    v->contiene()->setChecked(true);
    teclee(v->texto(), QStringLiteral("fletes"));
    tecla(v->texto(), Qt::Key_F8);
    ASSERT_EQ(filas_lista(), 1);

    for (const char* clase : {"Tfconsegreso", "Tfnotasdoc"}) {
        SCOPED_TRACE(clase);
        dm->documento_consultado = {};
        dialogs.expectModal(QLatin1String(clase), 1);
        tecla(v->grilla(),
              QLatin1String(clase) == QLatin1String("Tfnotasdoc") ? Qt::Key_F6 : Qt::Key_F4);
        EXPECT_TRUE(dialogs.allAnswered());
        EXPECT_EQ(dm->documento_consultado.tipo, 62);
        EXPECT_EQ(dm->documento_consultado.id, 31);
        EXPECT_EQ(dm->documento_consultado.prefijo + dm->documento_consultado.numero,
                  QStringLiteral("0000000301"));
        EXPECT_EQ(dm->documento_consultado.nombre, QStringLiteral("TRANSPORTES"));
    }

    // Stored meanwhile elsewhere: listed once the window is active again.
    guarde(33, "000303", 0, "TRANSPORTES", "Fletes octubre", "N");
    QEvent activa(QEvent::WindowActivate);
    QCoreApplication::sendEvent(v, &activa);
    QCoreApplication::processEvents();
    EXPECT_EQ(filas_lista(), 2);
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
}

TEST_F(BuscegresoTest, F3TakesTheReasonAnnulsAndTheRowIsDrawnApart) {
    configure(QStringLiteral("ESTABLECER CONTROL DEL PORQUE SE ANULAN LOS DOCUMENTOS"),
              QStringLiteral("SI"));
    abra();
    v->resize(1100, 400);
    QCoreApplication::processEvents();
    // Newest first: 32, 31, then the annulled 30.
    EXPECT_FALSE(roja(0));
    EXPECT_TRUE(roja(2));
    v->grilla()->setCurrentIndex(v->grilla()->model()->index(1, 0));
    ASSERT_EQ(v->logica().actual(), 31);

    tecla(v->grilla(), Qt::Key_F3);
    ASSERT_TRUE(v->panel_razon()->isVisible());
    // F5 with no reason keeps the panel up.
    tecla(v->razon(), Qt::Key_F5);
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("Debera ingresar una razon por la cual esta "
                                                  "anulando/eliminando el documento. Intentelo "
                                                  "de nuevo."));
    EXPECT_TRUE(v->panel_razon()->isVisible());
    v->razon()->setPlainText(QStringLiteral("Pagado dos veces"));
    dialogs.expectQuestion(QStringLiteral("Esta seguro de anular el EGRESO 0000000301?"), true);
    tecla(v->razon(), Qt::Key_F5);
    EXPECT_FALSE(v->panel_razon()->isVisible());
    // The list is read again from the database, so the red row is the stored annulment.
    QCoreApplication::processEvents();
    EXPECT_TRUE(roja(1));
}

TEST_F(BuscegresoTest, F3WithoutTheRightSaysSoAndClosesTheWindow) {
    dm->ctx.es_administrador = false;
    dm->ctx.usuario = QStringLiteral("AUXILIAR");
    abra();
    ASSERT_EQ(v->logica().actual(), 32);
    QPushButton* anular = nullptr;
    for (QPushButton* b : v->findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("F3: Anular"))
            anular = b;
    ASSERT_TRUE(anular);
    anular->click();
    libere();
    EXPECT_EQ(dialogs.errors(),
              QStringList{QStringLiteral(
                  "Acceso no permitido. Comuníquese con el administrador del sistema.")});
    EXPECT_TRUE(v.isNull());
    EXPECT_EQ(texto(QStringLiteral("select EGRE_ANULADO from EGRESOS where EGRE_ID = 32")),
              QStringLiteral("N"));
}

// The voucher window opens the search from beside its number.
class BotonBusquedaEgresoTest : public VentanaEgresoTest {};

TEST_F(BotonBusquedaEgresoTest, TheButtonBesideTheNumberOpensTheSearch) {
    abra();
    auto* buscar = v->findChild<QPushButton*>(QStringLiteral("buscar_egreso"));
    ASSERT_TRUE(buscar);
    EXPECT_EQ(buscar->parentWidget(), v->editor(QStringLiteral("EGRE_NUMERO"))->parentWidget());
    dialogs.expectModal(QStringLiteral("Tfbuscegreso"), 1);
    buscar->click();
    EXPECT_TRUE(dialogs.allAnswered());
}

}  // namespace
}  // namespace ledgrix::test
