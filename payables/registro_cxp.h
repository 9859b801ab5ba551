#pragma once

#include <QDate>
#include <QString>

#include "core/money/currency.h"

namespace ledgrix {

class Field;
class Tfdm;

// Resolves a payables document reference (type, prefix, number) into its id
// and its open figures, and answers a document's balance at a date. The
// arithmetic lives in the database (BUSCA_ID_DOC_CXPAGAR, SALDO_DOC_CXPAGAR).
class RegistroCxp {
public:
    explicit RegistroCxp(Tfdm& dm) : dm_(dm) {}

    // Figures of the last document resolved by id_doc; read right after it.
    Currency saldo_doc, rtfte_doc, rtiva_doc, rtica_doc, rcree_doc;

    // The document's id, or 0 (no message: callers say what a 0 means to them).
    qint64 id_doc(int tipo, const QString& prefijo, const QString& numero, const QString& nit, const QDate& fecha);

    // Fields of the caller's record that receive the answer.
    struct Campos {
        Field& id;
        Field& rtfte;
        Field& rtiva;
        Field& rtica;
        Field& rcree;
        Field& dtof;
        Field& saldo;
        Field& numprov;
    };
    // True when the document may be used; tells the user why not otherwise.
    // Amounts of an advance not paid out by a voucher come with their sign inverted.
    bool valide_doc_cxpagar(const QString& nit, int tipo, const QString& prefijo, const QString& numero,
                            const QDate& fecha, Campos campos, int moneda = 0);

    // Balance at a date, in local currency or in the currency given.
    Currency saldo_doc_cxpagar(int tipo, qint64 id, const QDate& fecha);
    Currency saldo_doc_cxpagarm(int tipo, qint64 id, int moneda, const QDate& fecha);

    static QString mensaje_error(int codigo);

private:
    // For an advance: -1 when no voucher paid it out, 1 when one did, 0 when
    // the advance does not exist.
    int signo_anticipo(qint64 id);
    void limpie_cifras();

    Tfdm& dm_;
};

}  // namespace ledgrix
