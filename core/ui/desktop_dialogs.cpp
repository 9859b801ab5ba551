#include "core/ui/desktop_dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace ledgrix {
namespace {

QString titulo() {
    return QApplication::applicationName();
}

// Runs a message box and gives the activation back to the window that had
// it: the user goes on typing where they were, also on desktops that leave
// no window active when a dialog closes.
template <typename Caja>
auto sobre_la_ventana(Caja caja) {
    const QPointer<QWidget> activa = QApplication::activeWindow();
    const auto respuesta = caja();
    if (activa)
        activa->activateWindow();
    return respuesta;
}

}  // namespace

void DesktopDialogs::error(const QString& text) {
    sobre_la_ventana([&] { return QMessageBox::critical(parent_, titulo(), text); });
}

void DesktopDialogs::information(const QString& text) {
    sobre_la_ventana([&] { return QMessageBox::information(parent_, titulo(), text); });
}

void DesktopDialogs::warning(const QString& text) {
    sobre_la_ventana([&] { return QMessageBox::warning(parent_, titulo(), text); });
}

bool DesktopDialogs::question(const QString& text) {
    return sobre_la_ventana([&] {
               return QMessageBox::question(parent_, titulo(), text,
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
           }) == QMessageBox::Yes;
}

Dialogs::Answer DesktopDialogs::abortRetry(const QString& text) {
    const auto r = sobre_la_ventana([&] {
        return QMessageBox::warning(parent_, titulo(), text,
                                    QMessageBox::Abort | QMessageBox::Retry, QMessageBox::Retry);
    });
    return r == QMessageBox::Retry ? Answer::Retry : Answer::Abort;
}

void DesktopDialogs::beep() {
    QApplication::beep();
}

int DesktopDialogs::modal(const QString&, const std::function<int()>& run) {
    return run();
}

}  // namespace ledgrix
