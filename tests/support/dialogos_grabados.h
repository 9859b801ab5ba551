#pragma once

#include <QStringList>

#include "core/services/dialogs.h"

namespace ledgrix::test {

// Dialogs for runs where nobody answers: records every text the user would
// have read, says No to every question and cancels every window, so that a
// test can look at everything a sequence of actions put on the screen.
class DialogosGrabados final : public Dialogs {
  public:
    void error(const QString& t) override { textos << t; }
    void information(const QString& t) override { textos << t; }
    void warning(const QString& t) override { textos << t; }
    bool question(const QString& t) override {
        textos << t;
        return false;
    }
    Answer abortRetry(const QString& t) override {
        textos << t;
        return Answer::Abort;
    }
    void beep() override {}
    int modal(const QString&, const std::function<int()>&) override { return 0; }

    QStringList textos;
};

}  // namespace ledgrix::test
