#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "core/money/currency.h"

namespace ledgrix {

class Tfdm;

// What the cash module offers the payment voucher: the cash a box holds,
// the payment documents (cheques received, vouchers of cards...) held in a
// box and not yet spent, and the box's blocking date. The arithmetic lives in
// the database (SALDO_EN_EFECTIVO, DOCUMENTOS_PAGO_CAJA).
class Tfdmcja {
  public:
    explicit Tfdmcja(Tfdm& dm) : dm_(dm) {}

    // One payment document held in a box, as the held-documents chooser
    // leaves it (double click on the voucher's cash grid).
    struct DocumentoCaja {
        int caja = 0;
        int fopa = 0;  // form of payment
        QString banco;
        QString cuenta;
        QString numero;
        QDate fecha;
        Currency monto;
    };
    // What the chooser handed over; the voucher consumes and clears it.
    static inline QList<DocumentoCaja> entregados;

    // Cash available in the box up to `fecha` included. When the box checks
    // its cash (CAJA_VALEF 'S') and `monto` exceeds it, also tells the user
    // "El saldo de efectivo es insuficiente.".
    Currency efectivo_caja(Currency monto, const QDate& fecha, int caja);
    // A document held in the box and not yet spent (DPCA_TIPOSAL = 0 and
    // DPCA_IDSAL = 0) with that form of payment, bank, account and number.
    bool valide_doc_en_caja(const QString& banco, const QString& cuenta, const QString& numero,
                            int fopa, int caja);
    // Its amount; 0 when there is none.
    Currency monto_doc_en_caja(const QString& banco, const QString& cuenta, const QString& numero,
                               int fopa, int caja, const QDate& fecha);
    // The date's checks for documents, then the box's blocking date: a date
    // before CAJA_FECBLO gives "La fecha indicada es anterior a la fecha de
    // bloqueo de la caja.".
    bool valide_fecha_caja(int caja, const QDate& fecha);

  private:
    Tfdm& dm_;
};

}  // namespace ledgrix
