#pragma once

#include <QString>

#include "core/money/currency.h"

namespace ledgrix {

// The total of a voucher or cheque in Spanish capitals, as printed documents
// have always worded it: "DOS MILLONES QUINIENTOS MIL PESOS 50 CENTAVOS M/CTE".
// `moneda` is written after the integer part, `fraccion` after the cents and
// `final` closes the text; the core data module reads them from the
// configuration. Zero or negative amounts give an empty text. Amounts from
// 10^12 up are out of range (no word exists for their highest digits).
//
// The wording keeps its historical quirks on purpose: "UN MIL" for 1 000, the
// cents as a figure, and two spaces before the closing text when there are no
// cents.
QString numero_a_letras(Currency amount, const QString& moneda, const QString& fraccion,
                        const QString& final);

}  // namespace ledgrix
