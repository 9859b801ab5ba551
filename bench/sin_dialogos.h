#pragma once

#include "core/services/dialogs.h"

namespace ledgrix::bench {

// Benchmarks run without anyone to answer: messages are counted and the
// last one kept for the report, every question gets the same answer
// (No unless told), modal windows close at once.
class SinDialogos final : public Dialogs {
public:
    explicit SinDialogos(bool respuesta = false) : respuesta_(respuesta) {}
    int mensajes = 0;
    QString ultimo;
    void error(const QString& t) override { anote(t); }
    void information(const QString& t) override { anote(t); }
    void warning(const QString& t) override { anote(t); }
    bool question(const QString&) override { return respuesta_; }
    Answer abortRetry(const QString&) override { return Answer::Abort; }
    void beep() override {}
    int modal(const QString&, const std::function<int()>&) override { return 0; }

private:
    void anote(const QString& t) {
        ++mensajes;
        ultimo = t;
    }
    bool respuesta_;
};

}  // namespace ledgrix::bench
