#pragma once

#include <gtest/gtest.h>

#include <QStringList>

#include "core/services/dialogs.h"

namespace ledgrix::test {

// Records every message in one sequence that the test's log and warning
// functions append to as well, so the order between them can be checked.
class RecordingDialogs final : public Dialogs {
public:
    explicit RecordingDialogs(QStringList& events) : events_(events) {}
    void error(const QString& text) override { events_ << QStringLiteral("error: ") + text; }
    void information(const QString& text) override { events_ << QStringLiteral("information: ") + text; }
    void warning(const QString& text) override { events_ << QStringLiteral("warning: ") + text; }
    bool question(const QString& text) override {
        ADD_FAILURE() << "unexpected question " << text.toStdString();
        return false;
    }
    Answer abortRetry(const QString& text) override {
        ADD_FAILURE() << "unexpected question " << text.toStdString();
        return Answer::Abort;
    }
    void beep() override { events_ << QStringLiteral("beep"); }
    int modal(const QString& name, const std::function<int()>&) override {
        ADD_FAILURE() << "unexpected window " << name.toStdString();
        return 0;
    }

private:
    QStringList& events_;
};

}  // namespace ledgrix::test
