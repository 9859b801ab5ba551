#pragma once

#include <QDate>
#include <QString>

#include "core/money/currency.h"

namespace ledgrix {

class Tfdm;

// Today's rate of the default foreign currency, asked at entry when the
// company wants every foreign-currency document to find it recorded.
class TasaCambioDia {
public:
    TasaCambioDia(Tfdm& dm, int moneda);

    int moneda() const { return moneda_; }
    const QString& nombre_moneda() const { return nombre_; }
    QDate fecha() const;

    // Records the rate the user typed (read by the window in the
    // installation's number format). False, and the user told why, when it
    // is not positive or the row could not be written.
    bool grabe(Currency tasa);

  private:
    Tfdm& dm_;
    int moneda_;
    QString nombre_;
};

}  // namespace ledgrix
