#pragma once

#include <QDate>
#include <QString>

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

    // Records the rate typed by the user. False (and the user told why) when
    // the text is not a positive amount or the row could not be written.
    bool grabe(const QString& valor);

private:
    Tfdm& dm_;
    int moneda_;
    QString nombre_;
};

}  // namespace ledgrix
