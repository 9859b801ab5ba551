#pragma once

#include <QDate>
#include <QString>
#include <vector>

namespace ledgrix::historia {

// Kinds of document the history enters, each by a function of its own.
// Discounts, applications and advances join this list when they are
// entered too.
enum class Clase { Factura /* purchase invoice, 21 */, Cargo /* 51 */, Egreso /* 62 */ };

struct Documento {
    Clase clase = Clase::Factura;
    QDate fecha;
    QString nit;
    QString concepto;
    QString numprov;  // the supplier's own number
    // Whole units of the document's currency (pesos, or dollars when
    // `moneda` is 2).
    qint64 monto = 0;
    int iva = 0;  // percentage
    int moneda = 1;
    // Charges: index in `Plan::documentos` of the purchase invoice the
    // charge arises from, -1 for none.
    int factura = -1;
    // Payment vouchers: indexes in `Plan::documentos` of the documents paid,
    // the share of its balance the last one gets (100: all of it) and
    // whether the money leaves the bank (else the general cash box).
    std::vector<int> paga;
    int parte = 100;
    bool banco = true;
};

// The dollar's rate of one day, in cents of peso.
struct Tasa {
    QDate fecha;
    qint64 centavos = 0;
};

// What happened in the months before the demo is installed: which
// supplier, which day, how much. Worked out before anything is written, so
// that every kind of document is entered from the same plan and the same
// day always gives the same history.
struct Plan {
    QDate desde, hoy;
    std::vector<Documento> documentos;  // in date order
    std::vector<Tasa> tasas;            // one per day, desde..hoy
    qint64 tasa(const QDate& d) const;  // 0 outside the plan
};

// Days of history before the installation day.
inline constexpr int kDiasHistoria = 170;

Plan planee(const QDate& hoy);

}  // namespace ledgrix::historia
