#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace ledgrix {

// One unit of work on a connection: everything run while it is open (client
// dataset applies, statements of the SqlRunner, selectable procedures) is
// committed together by `confirme()` or not at all. A unit opened while
// another is open on the same connection joins it: only the outermost one
// commits, and a failure anywhere makes the whole unit roll back.
//
// Writers that keep state in memory (the client datasets) register what to do
// once the work is durable with `al_confirmar`; when the unit rolls back those
// actions are dropped, so the pending changes stay in memory for a retry.
class Transaccion {
  public:
    explicit Transaccion(const QString& conexion);
    ~Transaccion();
    Transaccion(const Transaccion&) = delete;
    Transaccion& operator=(const Transaccion&) = delete;

    // False when the database refused to start it (the error is in lastError
    // of the connection); nothing run afterwards is then grouped.
    bool activa() const { return activa_; }
    bool externa() const { return !propia_; }

    // Locks rows other stations also write in this kind of unit (a series'
    // consecutive, an accounting prefix), each given as a statement that
    // updates the row to itself, before anything else is done, so that two
    // stations storing in the same series take turns instead of failing at
    // the end. A row another station changed meanwhile makes the unit start
    // again in a fresh transaction, quietly, up to `intentos` times. False:
    // still taken after that (the unit then does nothing).
    bool bloquee(const QStringList& sentencias, int intentos = 200);

    // Commits (the outermost unit only) and runs the registered actions.
    // False when the unit was marked failed or the commit was refused: the
    // work is rolled back.
    bool confirme();
    void deshaga();

    // Marks the whole unit as failed: it will roll back.
    static void falle(const QString& conexion);
    // Whether a unit is open on the connection.
    static bool abierta(const QString& conexion);
    // Runs `accion` once the open unit commits; at once when none is open.
    static void al_confirmar(const QString& conexion, std::function<void()> accion);

  private:
    bool termine(bool confirmar);

    QString conexion_;
    bool activa_ = false;
    bool propia_ = false;
    bool terminada_ = false;
};

}  // namespace ledgrix
