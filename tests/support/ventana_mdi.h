#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include "tests/support/area_trabajo.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

namespace ledgrix::test {

// A window opened in the main window's work area the way the main window
// opens it: the frame goes with the window when it closes, and the keys go
// to the area from then on.
template <class Ventana>
QPointer<Ventana> abra_en_mdi(QMdiArea& area, Ventana* ventana) {
    area.resize(kAreaTrabajo);
    area.show();
    area.addSubWindow(ventana)->setAttribute(Qt::WA_DeleteOnClose);
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    ventana->show();
    QApplication::setActiveWindow(&area);
    QApplication::processEvents();
    return ventana;
}

// The demo company with a work area to open its windows in.
class VentanaMdiTest : public DocumentosTest {
  protected:
    template <class Ventana>
    QPointer<Ventana> abra() {
        return abra_en_mdi(area, new Ventana(*dm));
    }
    // What every entry window promises when it opens: it fits the work
    // area, the cursor is in its first box, and Esc closes it.
    static void revise_apertura(QWidget* ventana, QWidget* primero) {
        SCOPED_TRACE(ventana->objectName().toStdString());
        QPointer<QWidget> abierta = ventana;
        EXPECT_LE(ventana->sizeHint().height(), kAreaTrabajo.height());
        EXPECT_LE(ventana->sizeHint().width(), kAreaTrabajo.width());
        EXPECT_EQ(QApplication::focusWidget(), primero);
        tecla(primero, Qt::Key_Escape);
        libere();
        EXPECT_TRUE(abierta.isNull());
    }

    QMdiArea area;
};

}  // namespace ledgrix::test
