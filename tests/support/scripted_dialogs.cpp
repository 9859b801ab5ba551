#include "tests/support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace ledgrix::test {

void ScriptedDialogs::expectQuestion(const QString& text, bool yes) {
    questions_.push_back({QStringLiteral("question"), text, yes ? Answer::Yes : Answer::No});
}

void ScriptedDialogs::expectAbortRetry(const QString& text, Answer answer) {
    questions_.push_back({QStringLiteral("abortRetry"), text, answer});
}

void ScriptedDialogs::expectModal(const QString& name, int result) { modals_[name].push_back(result); }

void ScriptedDialogs::error(const QString& text) { shown.push_back({QStringLiteral("error"), text}); }
void ScriptedDialogs::information(const QString& text) { shown.push_back({QStringLiteral("information"), text}); }
void ScriptedDialogs::warning(const QString& text) { shown.push_back({QStringLiteral("warning"), text}); }

bool ScriptedDialogs::question(const QString& text) {
    shown.push_back({QStringLiteral("question"), text});
    if (questions_.empty() || questions_.front().kind != QStringLiteral("question")) {
        ADD_FAILURE() << "Unexpected question: " << text.toStdString();
        return false;
    }
    Pending p = questions_.front();
    questions_.pop_front();
    if (!p.text.isEmpty()) {
        EXPECT_EQ(text.toStdString(), p.text.toStdString());
    }
    return p.answer == Answer::Yes;
}

Dialogs::Answer ScriptedDialogs::abortRetry(const QString& text) {
    shown.push_back({QStringLiteral("abortRetry"), text});
    if (questions_.empty() || questions_.front().kind != QStringLiteral("abortRetry")) {
        ADD_FAILURE() << "Unexpected abort/retry question: " << text.toStdString();
        return Answer::Abort;
    }
    Pending p = questions_.front();
    questions_.pop_front();
    if (!p.text.isEmpty()) {
        EXPECT_EQ(text.toStdString(), p.text.toStdString());
    }
    return p.answer;
}

int ScriptedDialogs::modal(const QString& name, const std::function<int()>&) {
    shown.push_back({QStringLiteral("modal"), name});
    auto it = modals_.find(name);
    if (it == modals_.end() || it->second.empty()) {
        ADD_FAILURE() << "Unexpected modal window: " << name.toStdString();
        return 0;
    }
    const int r = it->second.front();
    it->second.pop_front();
    if (it->second.empty()) modals_.erase(it);
    return r;
}

QStringList ScriptedDialogs::texts(const QString& kind) const {
    QStringList out;
    for (const Shown& s : shown)
        if (s.kind == kind) out << s.text;
    return out;
}

QString ScriptedDialogs::lastError() const {
    const QStringList e = errors();
    return e.isEmpty() ? QString() : e.last();
}

void ScriptedDialogs::clear() {
    shown.clear();
    beeps = 0;
}

}  // namespace ledgrix::test
