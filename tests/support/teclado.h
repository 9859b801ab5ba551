#pragma once

#include <QApplication>
#include <QKeyEvent>

namespace ledgrix::test {

// A key pressed on a widget, as the user types it.
inline void tecla(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

// A text typed on a widget key by key ("?" as its own key, as the choosers
// listen for it).
inline void teclee(QWidget* w, const QString& texto) {
    for (const QChar c : texto) {
        QKeyEvent press(QEvent::KeyPress, c.unicode() == '?' ? Qt::Key_Question : Qt::Key_unknown,
                        Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}

// A key pressed where the cursor is.
inline void pulse(int key) {
    tecla(QApplication::focusWidget(), key);
}

// A window shown and made the active one, as the main window opens it: the
// keys go to it from then on.
template <class Ventana>
Ventana* al_frente(Ventana* ventana) {
    ventana->show();
    QApplication::setActiveWindow(ventana);
    return ventana;
}

// Lets closed windows go: what WA_DeleteOnClose queued is deleted now.
inline void libere() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace ledgrix::test
