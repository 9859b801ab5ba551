#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <map>

#include "core/services/dialogs.h"
#include "tests/support/qt_printers.h"

namespace ledgrix::test {

// Dialogs for tests: records every message shown, answers questions from a
// queue the test fills beforehand, and fails the test on any question or
// modal window it was not told to expect.
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        QString kind;  // "error", "information", "warning", "question", "abortRetry", "modal"
        QString text;
    };

    // Questions are answered in order; each expected text must match exactly
    // (an empty expected text accepts any question).
    void expectQuestion(const QString& text, bool yes);
    void expectAbortRetry(const QString& text, Answer answer);
    // A modal window opened by name answers `result` instead of being shown.
    void expectModal(const QString& name, int result);

    void error(const QString& text) override;
    void information(const QString& text) override;
    void warning(const QString& text) override;
    bool question(const QString& text) override;
    Answer abortRetry(const QString& text) override;
    void beep() override { ++beeps; }
    int modal(const QString& name, const std::function<int()>& run) override;

    // Texts shown of a kind, in order.
    QStringList texts(const QString& kind) const;
    QStringList errors() const { return texts(QStringLiteral("error")); }
    QString lastError() const;
    bool allAnswered() const { return questions_.empty() && modals_.empty(); }
    void clear();

    std::vector<Shown> shown;
    int beeps = 0;

private:
    struct Pending {
        QString kind;
        QString text;
        Answer answer;
    };
    std::deque<Pending> questions_;
    std::map<QString, std::deque<int>> modals_;
};

}  // namespace ledgrix::test
