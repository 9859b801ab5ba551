#pragma once

#include <QApplication>
#include <QKeyEvent>

namespace ledgrix::test {

// A key pressed on a widget, as the user types it.
inline void tecla(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

// Lets closed windows go: what WA_DeleteOnClose queued is deleted now.
inline void libere() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace ledgrix::test
