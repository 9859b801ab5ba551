#pragma once

#include <QString>
#include <functional>

class QObject;

namespace ledgrix {

// Every question or message to the user goes through this service. The
// desktop implementation shows message boxes; tests use a scripted one that
// answers from a list and fails on anything it was not told to expect.
class Dialogs {
public:
    enum class Answer { Yes, No, Abort, Retry, Ok, Cancel };

    virtual ~Dialogs() = default;

    virtual void error(const QString& text) = 0;
    virtual void information(const QString& text) = 0;
    virtual void warning(const QString& text) = 0;
    // Yes/No question; true means Yes.
    virtual bool question(const QString& text) = 0;
    // Abort/Retry/Ignore-style question; answers Abort or Retry.
    virtual Answer abortRetry(const QString& text) = 0;
    virtual void beep() = 0;

    // Runs a modal window (chooser, review, print preview...). `name` is the
    // window's class name; `run` shows it and returns its result code. Tests
    // replace the window by a scripted answer under the same name.
    virtual int modal(const QString& name, const std::function<int()>& run) = 0;
};

}  // namespace ledgrix
