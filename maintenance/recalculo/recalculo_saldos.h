#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace ledgrix {

class Progreso;
class Tfdm;

// A document whose stored state in the payables ledger was wrong and has been
// repaired, with what changed in words.
struct ErrorSaldo {
    int id = 0;
    int tipo = 0;
    QString prefijo;
    QString numero;
    QString error;
};

// Rebuilds the payables ledger of a range of suppliers from their documents.
// Shared by the window and the unattended command line: every message goes
// through the module's dialogs.
class RecalculoSaldos {
  public:
    explicit RecalculoSaldos(Tfdm& dm);

    // The repaired documents (empty: everything was right). nullopt when the
    // range is incomplete or the database refused, after telling the user.
    std::optional<QList<ErrorSaldo>> recalcule(const QString& nit_inicial, const QString& nit_final,
                                               Progreso& progreso);

  private:
    Tfdm& dm_;
};

}  // namespace ledgrix
