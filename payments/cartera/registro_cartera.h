#pragma once

#include <QDate>
#include <QString>

#include "core/money/currency.h"

namespace ledgrix {

class Field;
class Tfdm;

// The receivables registry as the payment voucher's crosses see it: a
// client document (sales invoice, 31, and the other types with
// tido_cart = 'S') of the payee, its suggested withholdings, discount and
// open balance. Sales invoices live in the payables ledger too
// (MOVIMIENTO_PROVEEDOR), so a cross settles them there.
class RegistroCartera {
  public:
    explicit RegistroCartera(Tfdm& dm) : dm_(dm) {}

    // Fields of the caller's cross that receive the answer.
    struct Campos {
        Field& id;
        Field& rtfte;
        Field& rtiva;
        Field& rtica;
        Field& rcree;
        Field& dtof;
        Field& abono;
        Field& sucursal;
    };
    // True when the document exists for that NIT, is live and has a
    // balance; fills the fields. False without a message (the caller says
    // "No se encontró el documento indicado.").
    bool valide_doc_cartera(const QString& nit, int tipo, const QString& prefijo,
                            const QString& numero, const QDate& fecha, int moneda, Campos campos);
    // Open balance at the date, in local currency or in the currency given.
    Currency saldo_doc_carteram(int tipo, qint64 id, int moneda, const QDate& fecha);

    // Several receivables documents chosen at once become a group of
    // CONSOLIDE_FALTANTES (CEFA_ID, CEFA_ITEM, CEFA_TIPOORI, CEFA_IDORI);
    // answers its id. The voucher reads the group back.
    static inline int grupo_entregado = 0;

  private:
    Tfdm& dm_;
};

}  // namespace ledgrix
