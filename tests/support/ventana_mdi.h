#pragma once

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include "tests/support/area_trabajo.h"
#include "tests/support/documentos_fixture.h"

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

    QMdiArea area;
};

}  // namespace ledgrix::test
