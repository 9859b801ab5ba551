#pragma once

#include <QPointer>
#include <QWidget>

#include "core/services/dialogs.h"

namespace ledgrix {

// Message boxes over the main window.
class DesktopDialogs final : public Dialogs {
public:
    void setParent(QWidget* parent) { parent_ = parent; }

    void error(const QString& text) override;
    void information(const QString& text) override;
    void warning(const QString& text) override;
    bool question(const QString& text) override;
    Answer abortRetry(const QString& text) override;
    void beep() override;
    int modal(const QString& name, const std::function<int()>& run) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace ledgrix
