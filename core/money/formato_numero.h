#pragma once

#include <QChar>
#include <QString>
#include <optional>

#include "core/money/currency.h"

namespace ledgrix {

// The one way numbers are written for people in this installation: every
// amount, rate and percentage a user types is read with it and every amount a
// window shows is written with it. Colombian unless the installation says
// otherwise ("1.234.567,89"). Text that does not follow it is refused, never
// guessed: "4.35" under the Colombian format is not four and a third.
class FormatoNumero {
  public:
    // Colombian: "." groups thousands, "," marks the decimals.
    FormatoNumero() = default;
    // Answers nullopt unless both are among the separators people use and
    // differ: "." or "," for decimals; ".", ",", " " or "'" for thousands.
    static std::optional<FormatoNumero> con(QChar miles, QChar decimal);
    // The format an example of it shows, "1.234.567,89" or "1,234,567.89";
    // nullopt when the text is not such an example.
    static std::optional<FormatoNumero> de_ejemplo(const QString& ejemplo);

    QChar miles() const { return miles_; }
    QChar decimal() const { return decimal_; }

    // A number as the user typed it: an optional leading "-", the whole part
    // plain ("1000000") or grouped in threes throughout ("1.000.000"), and
    // optionally the decimal separator with its digits. Anything else
    // (exponents, two decimal separators, a misplaced group, letters, more
    // than fifteen whole digits) and the empty text answer nullopt. Digits
    // past the fourth decimal round half to even, as Currency does.
    std::optional<Currency> lea(const QString& texto) const;
    // Grouped text with exactly `decimales` digits (0..4): "-1.000.000,50".
    QString escriba(Currency valor, int decimales = 2) const;
    // "1.234.567,89": shown to people so they know what to type.
    QString ejemplo() const;
    // The refusal of a text that `lea` does not take.
    QString mensaje_invalido(const QString& texto) const;

    // The installation's format, for the whole process. Colombian until
    // start-up installs the one the installation chose.
    static const FormatoNumero& instalacion();
    static void instale(const FormatoNumero& formato);

    bool operator==(const FormatoNumero&) const = default;

  private:
    FormatoNumero(QChar miles, QChar decimal) : miles_(miles), decimal_(decimal) {}

    QChar miles_ = QLatin1Char('.');
    QChar decimal_ = QLatin1Char(',');
};

}  // namespace ledgrix
