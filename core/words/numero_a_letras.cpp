#include "core/words/numero_a_letras.h"

#include <array>

namespace ledgrix {

namespace {

constexpr std::array<const char*, 10> kHundreds = {"",
                                                   "CIENTO ",
                                                   "DOSCIENTOS ",
                                                   "TRESCIENTOS ",
                                                   "CUATROCIENTOS ",
                                                   "QUINIENTOS ",
                                                   "SEISCIENTOS ",
                                                   "SETECIENTOS ",
                                                   "OCHOCIENTOS ",
                                                   "NOVECIENTOS "};

// Tens 3..9; 1 and 2 depend on the units digit.
constexpr std::array<const char*, 10> kTens = {"",          "",           "",         "TREINTA ",
                                               "CUARENTA ", "CINCUENTA ", "SESENTA ", "SETENTA ",
                                               "OCHENTA ",  "NOVENTA "};

constexpr std::array<const char*, 6> kTeens = {"DIEZ ",  "ONCE ",    "DOCE ",
                                               "TRECE ", "CATORCE ", "QUINCE "};

constexpr std::array<const char*, 10> kUnits = {"",       "UN ",   "DOS ",   "TRES ", "CUATRO ",
                                                "CINCO ", "SEIS ", "SIETE ", "OCHO ", "NUEVE "};

// One group of three digits. The hundreds digit may exceed 9 only in the top
// group of an out-of-range amount; it then writes no word.
void appendGroup(QString& out, int64_t hundreds, int tens, int units) {
    if (hundreds == 1 && tens == 0 && units == 0) {
        out += QLatin1String("CIEN ");
    } else if (hundreds >= 1 && hundreds <= 9) {
        out += QLatin1String(kHundreds[static_cast<size_t>(hundreds)]);
    }

    if (tens == 1) {
        if (units <= 5) {
            out += QLatin1String(kTeens[static_cast<size_t>(units)]);
        } else {
            out += QLatin1String("DIECI");
        }
    } else if (tens == 2) {
        out += QLatin1String(units != 0 ? "VEINTI" : "VEINTE ");
    } else if (tens >= 3) {
        out += QLatin1String(kTens[static_cast<size_t>(tens)]);
        if (units != 0)
            out += QLatin1String("Y ");
    }

    // Units 1..5 are already part of ONCE..QUINCE.
    if (units >= 6 || (units >= 1 && tens != 1)) {
        out += QLatin1String(kUnits[static_cast<size_t>(units)]);
    }
}

}  // namespace

QString numero_a_letras(Currency amount, const QString& moneda, const QString& fraccion,
                        const QString& final) {
    if (amount <= Currency())
        return {};

    const CentsSplit split = splitCents(amount);
    const int64_t whole = split.whole;
    QString out;
    for (int group = 3; group >= 0; --group) {
        int64_t divisor = 1;
        for (int k = 0; k < group; ++k)
            divisor *= 1000;
        // The top group is not reduced modulo 1000, so that an out-of-range
        // amount shows up as a hundreds digit above 9 instead of wrapping.
        const int64_t digits = group == 3 ? whole / divisor : (whole / divisor) % 1000;
        const int64_t hundreds = digits / 100;
        const int tens = static_cast<int>((digits / 10) % 10);
        const int units = static_cast<int>(digits % 10);
        appendGroup(out, hundreds, tens, units);

        if ((group == 3 || group == 1) && digits != 0)
            out += QLatin1String("MIL ");
        if (group == 2 && (digits != 0 || !out.isEmpty())) {
            out += QLatin1String(digits == 1 ? "MILLON " : "MILLONES ");
        }
    }
    if (out.endsWith(QLatin1String("MILLON ")) || out.endsWith(QLatin1String("MILLONES "))) {
        out += QLatin1String("DE ");
    }
    out += moneda + QLatin1Char(' ');
    if (split.cents > 0)
        out += QString::number(split.cents) + QLatin1Char(' ') + fraccion;
    out += QLatin1Char(' ') + final;
    return out;
}

}  // namespace ledgrix
