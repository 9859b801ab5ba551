#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBrowser>
#include <QToolButton>

#include "app/mensajes/buzon.h"
#include "app/mensajes/mensaje_instantaneo.h"
#include "app/ui/mensajes/abrir_mensaje.h"
#include "app/ui/mensajes/tfalertas.h"
#include "app/ui/mensajes/tfmensaje.h"
#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/ui/grid/grid_filter_proxy.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "tests/support/module_fixture.h"
#include "tests/support/teclado.h"

using namespace ledgrix;
using ledgrix::test::ModuleTest;
using ledgrix::test::tecla;

namespace {

class TfmensajeTest : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte(QStringLiteral("ADMIN"));
        // ADMIN connected today, AUXILIAR last seen yesterday.
        dm->sqlGeneral().execute(
            QStringLiteral("UPDATE USUARIO SET FECCON = '2022/09/21' WHERE USUA_COD = 'ADMIN'"));
        dm->sqlGeneral().execute(
            QStringLiteral("UPDATE USUARIO SET FECCON = '2022/09/20' WHERE USUA_COD = 'AUXILIAR'"));
    }

    static void libere() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Row of a user in the users grid (view side), -1 when missing.
    static QModelIndex fila(LedgrixGrid* grid, const QString& usuario) {
        QAbstractItemModel* m = grid->model();
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, 0).data().toString() == usuario)
                return m->index(r, 0);
        return {};
    }
    static QString celda(LedgrixGrid* grid, const QModelIndex& enFila, const QString& titulo) {
        QAbstractItemModel* m = grid->model();
        for (int c = 0; c < m->columnCount(); ++c)
            if (m->headerData(c, Qt::Horizontal).toString() == titulo)
                return m->index(enFila.row(), c).data().toString();
        return QStringLiteral("<sin columna>");
    }

    QVariant ultimo(const QString& col) {
        return dm->sql().scalar(
            QStringLiteral("select ") + col +
            QStringLiteral(
                " from mensajeria where mens_id = (select max(mens_id) from mensajeria)"));
    }
    int mensajes() {
        return dm->sql().scalar(QStringLiteral("select count(*) from mensajeria")).toInt();
    }
};

TEST_F(TfmensajeTest, F2SendsToTheChosenUserWithThePriorityAndClosesTheChild) {
    QMdiArea area;
    QPointer<QWidget> w = abra_mensaje(*dm, &area);
    auto* t = qobject_cast<Tfmensaje*>(w.data());
    ASSERT_TRUE(t);
    EXPECT_EQ(t->windowTitle(), QStringLiteral("Mensaje instantáneo"));
    ASSERT_EQ(area.subWindowList().size(), 1);

    const QModelIndex admin = fila(t->GUsuarios(), QStringLiteral("ADMIN"));
    const QModelIndex aux = fila(t->GUsuarios(), QStringLiteral("AUXILIAR"));
    ASSERT_TRUE(admin.isValid() && aux.isValid());
    EXPECT_EQ(celda(t->GUsuarios(), admin, QStringLiteral("Conectado")), QStringLiteral("S"));
    EXPECT_EQ(celda(t->GUsuarios(), aux, QStringLiteral("Conectado")), QStringLiteral("N"));

    t->GUsuarios()->setCurrentIndex(aux);
    t->EMensaje()->setPlainText(QStringLiteral("Revise el egreso 'E-12' de Ñustes"));
    t->CBPrioridad()->setCurrentIndex(1);  // Media
    tecla(t->EMensaje(), Qt::Key_F2);
    libere();

    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
    EXPECT_EQ(ultimo(QStringLiteral("mens_destino")).toString(), QStringLiteral("AUXILIAR"));
    EXPECT_EQ(ultimo(QStringLiteral("mens_nivel")).toInt(), 2);
    EXPECT_EQ(ultimo(QStringLiteral("mens_mensaje")).toString(),
              QStringLiteral("Revise el egreso 'E-12' de Ñustes"));
    EXPECT_TRUE(w.isNull());
    EXPECT_TRUE(area.subWindowList().isEmpty());
}

TEST_F(TfmensajeTest, F5SendsToEverybodyAndPriorityAltaIsLevelOne) {
    QPointer<Tfmensaje> t = new Tfmensaje(*dm);
    t->show();
    EXPECT_EQ(t->CBPrioridad()->currentText(), QStringLiteral("Normal"));
    t->EMensaje()->setPlainText(QStringLiteral("Cierre del mes"));
    t->CBPrioridad()->setCurrentIndex(2);  // Alta
    tecla(t->CBPrioridad(), Qt::Key_F5);
    libere();
    EXPECT_EQ(ultimo(QStringLiteral("mens_destino")).toString(), QStringLiteral("Todos"));
    EXPECT_EQ(ultimo(QStringLiteral("mens_nivel")).toInt(), 1);
    EXPECT_TRUE(t.isNull());
}

TEST_F(TfmensajeTest, EscClosesTheReadingPanelFirstThenDiscardsTheMessage) {
    const int antes = mensajes();
    QPointer<Tfmensaje> t = new Tfmensaje(*dm);
    t->show();
    // ADMIN's history with AUXILIAR holds the demo's welcome message.
    t->GUsuarios()->setCurrentIndex(fila(t->GUsuarios(), QStringLiteral("AUXILIAR")));
    QAbstractItemModel* h = t->GHistoria()->model();
    ASSERT_EQ(h->rowCount(), 1);
    emit t->GHistoria()->doubleClicked(h->index(0, 0));
    EXPECT_TRUE(t->PLectura()->isVisible());
    EXPECT_TRUE(t->TLectura()->toPlainText().startsWith(
        QStringLiteral("Bienvenido a la compañía de demostración.")));
    EXPECT_TRUE(
        t->TLectura()->toPlainText().endsWith(QStringLiteral("cargos, descuentos y egresos.")));

    t->EMensaje()->setPlainText(QStringLiteral("borrador"));
    tecla(t->EMensaje(), Qt::Key_Escape);
    libere();
    ASSERT_FALSE(t.isNull());
    EXPECT_FALSE(t->PLectura()->isVisible());

    tecla(t->EMensaje(), Qt::Key_Escape);
    libere();
    EXPECT_TRUE(t.isNull());
    EXPECT_EQ(mensajes(), antes);
}

TEST_F(TfmensajeTest, AlertShowsTheInboxAndAnswersOpenTheMessageWindow) {
    dm->sql().execute(QStringLiteral(
        "INSERT INTO MENSAJERIA (MENS_AUTOR, MENS_MENSAJE, MENS_NIVEL, MENS_DESTINO) "
        "VALUES ('AUXILIAR', 'Urgente', 1, 'ADMIN')"));
    QWidget principal;
    QMdiArea area(&principal);
    Buzon buzon(*dm);
    conecte_buzon(buzon, *dm, &area, &principal);
    buzon.start();
    ASSERT_EQ(buzon.alertas().size(), 2);
    EXPECT_FALSE(buzon.activo());

    QPointer<TfAlertas> alerta = principal.findChild<TfAlertas*>();
    ASSERT_TRUE(alerta);
    EXPECT_TRUE(alerta->isVisible());
    EXPECT_EQ(alerta->duracion().interval(), 30000);
    EXPECT_TRUE(alerta->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    for (const char* ayuda : {"Siguiente", "Anterior", "Cerrar", "Leído", "Contestar al autor"})
        EXPECT_TRUE(alerta->boton(QString::fromUtf8(ayuda))) << ayuda;
    EXPECT_EQ(alerta->LMensaje()->text(), buzon.actual()->html);
    const ColorAlerta c = *buzon.actual()->color;
    EXPECT_EQ(alerta->palette().color(QPalette::Window), QColor(c.rojo, c.verde, c.azul));

    // Clicking the message reads it; the other one takes its place.
    const QString leido = buzon.actual()->id;
    QMouseEvent clic(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(alerta->LMensaje(), &clic);
    ASSERT_EQ(buzon.alertas().size(), 1);
    EXPECT_EQ(
        dm->sql()
            .scalar(QStringLiteral("select mens_leido from mensajeria where mens_id = ") + leido)
            .toString(),
        QStringLiteral("S"));
    EXPECT_EQ(alerta->LMensaje()->text(), buzon.actual()->html);

    alerta->boton(QStringLiteral("Contestar al autor"))->click();
    libere();
    EXPECT_TRUE(alerta.isNull()) << "nothing left to show";
    EXPECT_TRUE(buzon.activo());
    ASSERT_EQ(area.subWindowList().size(), 1);
    auto* t = qobject_cast<Tfmensaje*>(area.subWindowList().first()->widget());
    ASSERT_TRUE(t);
    EXPECT_EQ(t->logica().usuario_actual(), QStringLiteral("AUXILIAR"));
    EXPECT_EQ(t->logica().mensaje().fieldByName(QStringLiteral("MENS_DESTINO")).asString(),
              QStringLiteral("AUXILIAR"));
    EXPECT_NE(t->logica().mensaje().fieldByName(QStringLiteral("MENS_RESPUESTA")).asInteger(), 0);
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
}

}  // namespace
