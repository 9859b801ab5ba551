#include "core/ui/desktop_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace ledgrix {
namespace {
QString titulo() { return QApplication::applicationName(); }
}  // namespace

void DesktopDialogs::error(const QString& text) { QMessageBox::critical(parent_, titulo(), text); }

void DesktopDialogs::information(const QString& text) { QMessageBox::information(parent_, titulo(), text); }

void DesktopDialogs::warning(const QString& text) { QMessageBox::warning(parent_, titulo(), text); }

bool DesktopDialogs::question(const QString& text) {
    return QMessageBox::question(parent_, titulo(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

Dialogs::Answer DesktopDialogs::abortRetry(const QString& text) {
    const auto r = QMessageBox::warning(parent_, titulo(), text, QMessageBox::Abort | QMessageBox::Retry,
                                        QMessageBox::Retry);
    return r == QMessageBox::Retry ? Answer::Retry : Answer::Abort;
}

void DesktopDialogs::beep() { QApplication::beep(); }

int DesktopDialogs::modal(const QString&, const std::function<int()>& run) { return run(); }

}  // namespace ledgrix
