#pragma once

#include <QString>
#include <vector>

#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "tools/admin/historia/plan.h"

namespace ledgrix {
class Tfdm;
}

namespace ledgrix::historia {

// Nobody is at the keyboard while the history is entered: messages are
// kept (the first error explains a failure), questions answered No and
// windows closed at once.
class Mensajes final : public Dialogs {
  public:
    QString primerError;
    void error(const QString& t) override { anote(t); }
    void information(const QString&) override {}
    void warning(const QString& t) override { anote(t); }
    bool question(const QString&) override { return false; }
    Answer abortRetry(const QString& t) override {
        anote(t);
        return Answer::Abort;
    }
    void beep() override {}
    int modal(const QString&, const std::function<int()>&) override { return 0; }

  private:
    void anote(const QString& t) {
        if (primerError.isEmpty())
            primerError = t;
    }
};

// The state of one entry of a plan: the module it works through, the clock
// it moves to each document's day and what has been stored so far.
struct Entrada {
    Tfdm& dm;
    FixedClock& reloj;
    Mensajes& mensajes;
    const Plan& plan;
    std::vector<qint64> ids;  // per document of the plan; 0 until stored
    QString error;            // why the entry stopped, for the administrator

    // The clock on the document's day, at an hour that moves on with each
    // document so the audit reads like a working day.
    void vayaA(const QDate& dia, int orden);
    bool falle(const QString& texto);
};

// One function per kind of document, run in this order.
bool registreTasas(Entrada& e);
bool registreFacturas(Entrada& e);
bool registreCargos(Entrada& e);
bool registreEgresos(Entrada& e);

}  // namespace ledgrix::historia
