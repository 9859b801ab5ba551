#pragma once

#include "core/services/dialogs.h"

namespace ledgrix::bench {

// Benchmarks run without anyone to answer: every message is dropped and
// every question answered No.
class SinDialogos final : public Dialogs {
public:
    void error(const QString&) override {}
    void information(const QString&) override {}
    void warning(const QString&) override {}
    bool question(const QString&) override { return false; }
    Answer abortRetry(const QString&) override { return Answer::Abort; }
    void beep() override {}
    int modal(const QString&, const std::function<int()>&) override { return 0; }
};

}  // namespace ledgrix::bench
