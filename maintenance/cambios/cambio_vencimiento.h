#pragma once

#include <QDate>
#include <QString>

namespace ledgrix {

class Tfdm;

// The administrator's change of one charge's due date (and the supplier's
// own number for it). The payables ledger follows through the charge's
// trigger, so the aging and the due lists read the new date at once.
class CambioVencimiento {
  public:
    explicit CambioVencimiento(Tfdm& dm);

    // "CA000123": the last six characters are the number, the rest the prefix.
    static void separe(const QString& cargo, QString& prefijo, QString& numero);

    // Looks the charge up; false after "No se encontró el cargo.".
    bool busque(const QString& cargo);
    // Stores the new due date (and the supplier's number when given); false
    // after telling the user why not.
    bool cambie(const QDate& vence, const QString& numero_proveedor);

    // The charge found (id 0: none).
    qint64 id = 0;
    QString prefijo;
    QString numero;
    QDate fecha;
    QDate vence;
    QString numero_proveedor;
    QString proveedor;

  private:
    void olvide();

    Tfdm& dm_;
};

}  // namespace ledgrix
