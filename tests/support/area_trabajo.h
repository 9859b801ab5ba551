#pragma once

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

namespace ledgrix::test {

// The work area the main window leaves for its windows when maximised on a
// 1366x768 screen: its menu, panels and status line measured at 1366x768,
// less a 40-pixel taskbar and a 30-pixel title bar.
inline const QSize kAreaTrabajo(1247, 610);

// A document window opened in that area as the main window opens it; answers
// its frame.
inline QMdiSubWindow* abra_en_area(QMdiArea& area, QWidget* ventana) {
    area.resize(kAreaTrabajo);
    area.show();
    QApplication::setActiveWindow(&area);
    QMdiSubWindow* marco = area.addSubWindow(ventana);
    marco->show();
    QApplication::processEvents();
    return marco;
}

// The whole frame in sight, without scrolling the area.
inline bool a_la_vista(const QMdiArea& area, const QMdiSubWindow* marco) {
    return area.viewport()->rect().contains(marco->geometry()) &&
           !area.verticalScrollBar()->isVisible() && !area.horizontalScrollBar()->isVisible();
}

}  // namespace ledgrix::test
