#pragma once

#include <QString>

namespace ledgrix {

// Ids of documents found by a number lookup, one slot per kind of document.
// The window that owns a kind of document reads its slot to open the found
// document for consultation; the numbering check clears them all.
struct IdsEncontrados {
    QString notadb;      // charges (51)
    QString notacr;      // discounts (52)
    QString aplicacion;  // applications (53)
    QString pago;        // supplier payment receipts (54) and payment vouchers (62)
    QString anticipo;    // advances (55)
    QString credito;     // credits payable (57)
    QString otro;        // documents of the product's other modules

    QString& slot(int tipo) {
        switch (tipo) {
            case 51: return notadb;
            case 52: return notacr;
            case 53: return aplicacion;
            case 54:
            case 62: return pago;
            case 55: return anticipo;
            case 57: return credito;
            default: return otro;
        }
    }
    bool alguno() const {
        return !(notadb.isEmpty() && notacr.isEmpty() && aplicacion.isEmpty() && pago.isEmpty() &&
                 anticipo.isEmpty() && credito.isEmpty() && otro.isEmpty());
    }
    void limpie() { *this = IdsEncontrados{}; }
};

}  // namespace ledgrix
