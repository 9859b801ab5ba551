#include "core/money/currency.h"

#include <limits>

namespace ledgrix {

int64_t divideHalfEven(ledgrix_int128 num, ledgrix_int128 den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    ledgrix_int128 q = num / den;
    ledgrix_int128 r = num % den;
    if (r != 0) {
        ledgrix_int128 twice = (r < 0 ? -r : r) * 2;
        bool away = twice > den || (twice == den && (q % 2 != 0));
        if (away)
            q += (num < 0) ? -1 : 1;
    }
    return static_cast<int64_t>(q);
}

namespace {

// Only ASCII digits: the driver writes them, and QChar::isDigit would also take
// other scripts' digits that no amount column can hold.
bool asciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

}  // namespace

std::optional<Currency> Currency::parse(const QString& input) {
    const QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    bool negative = false;
    if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) {
        negative = text[0] == QLatin1Char('-');
        i = 1;
    }
    ledgrix_int128 whole = 0;
    int wholeDigits = 0;
    int significantDigits = 0;  // leading zeros do not make an amount larger
    for (; i < text.size() && asciiDigit(text[i]); ++i) {
        whole = whole * 10 + text[i].digitValue();
        ++wholeDigits;
        if (whole != 0 && ++significantDigits > 15)
            return std::nullopt;
    }
    ledgrix_int128 frac = 0;  // scaled to 4 decimals
    int fracDigits = 0;
    int firstDropped = -1;
    bool restNonZero = false;
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        for (; i < text.size() && asciiDigit(text[i]); ++i) {
            const int d = text[i].digitValue();
            if (fracDigits < kDecimals) {
                frac = frac * 10 + d;
            } else if (firstDropped < 0) {
                firstDropped = d;
            } else if (d != 0) {
                restNonZero = true;
            }
            ++fracDigits;
        }
    }
    if (i != text.size() || (wholeDigits == 0 && fracDigits == 0))
        return std::nullopt;
    for (int k = fracDigits; k < kDecimals; ++k)
        frac *= 10;
    ledgrix_int128 units = whole * kScale + frac;
    if (firstDropped > 5 || (firstDropped == 5 && (restNonZero || units % 2 != 0)))
        ++units;
    // Fifteen digits can exceed the 64-bit count; refuse rather than wrap.
    if (units > std::numeric_limits<int64_t>::max())
        return std::nullopt;
    return fromUnits(static_cast<int64_t>(negative ? -units : units));
}

Currency Currency::fromText(const QString& text) {
    return parse(text).value_or(Currency());
}

namespace {

// Digits that carry value, leading zeros aside: a stored NUMERIC(15,x) never
// has more than fifteen.
int significantDigits(const QString& text) {
    int n = 0;
    bool started = false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) continue;
        if (c != QLatin1Char('0')) started = true;
        if (started) ++n;
    }
    return n;
}

// A double back to the shortest decimal text of at most fifteen significant
// digits, which is the stored value of any NUMERIC(15,x).
QString fromDouble(double d) {
    QString text = QString::number(d, 'g', 15);
    if (text.contains(QLatin1Char('e'))) text = QString::number(d, 'f', Currency::kDecimals);
    return text;
}

}  // namespace

Currency Currency::fromVariant(const QVariant& v) {
    if (!v.isValid() || v.isNull())
        return {};
    switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            return fromInt(v.toLongLong());
        case QMetaType::Double:
        case QMetaType::Float:
            return fromText(fromDouble(v.toDouble()));
        default: {
            // The Firebird driver formats scaled numerics through a double:
            // "99.99" arrives as "99.99000000000001" and round amounts in
            // exponent form ("3e+05"). Such texts have more digits than a
            // stored amount can, or an exponent; fifteen significant digits
            // give the stored value back.
            const QString text = v.toString();
            const bool exponent = text.contains(QLatin1Char('e')) || text.contains(QLatin1Char('E'));
            if (!exponent && significantDigits(text) <= 15) return parse(text).value_or(Currency());
            bool ok = false;
            const double d = text.toDouble(&ok);
            return ok ? fromText(fromDouble(d)) : Currency();
        }
    }
}

QString Currency::toString(int decimals) const {
    if (decimals < 0)
        decimals = 0;
    if (decimals > kDecimals)
        decimals = kDecimals;
    int64_t div = 1;
    for (int k = decimals; k < kDecimals; ++k)
        div *= 10;
    const int64_t scaled = divideHalfEven(units_, div);  // in 10^-decimals
    int64_t pow = 1;
    for (int k = 0; k < decimals; ++k)
        pow *= 10;
    const bool neg = scaled < 0;
    // Negating in unsigned arithmetic keeps the smallest count defined.
    const uint64_t mag = neg ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
    QString out = QString::number(mag / static_cast<uint64_t>(pow));
    if (decimals > 0) {
        out += QLatin1Char('.');
        out += QString::number(mag % static_cast<uint64_t>(pow))
                   .rightJustified(decimals, QLatin1Char('0'));
    }
    if (neg)
        out.prepend(QLatin1Char('-'));
    return out;
}

QString Currency::toDisplay(int decimals) const {
    QString plain = toString(decimals);
    const bool neg = plain.startsWith(QLatin1Char('-'));
    if (neg)
        plain.remove(0, 1);
    const qsizetype dot = plain.indexOf(QLatin1Char('.'));
    QString whole = dot < 0 ? plain : plain.left(dot);
    const QString rest = dot < 0 ? QString() : plain.mid(dot);
    for (qsizetype k = whole.size() - 3; k > 0; k -= 3)
        whole.insert(k, QLatin1Char(','));
    return (neg ? QStringLiteral("-") : QString()) + whole + rest;
}

Currency Currency::operator*(Currency o) const {
    return fromUnits(divideHalfEven(static_cast<ledgrix_int128>(units_) * o.units_, kScale));
}

Currency Currency::operator/(Currency o) const {
    if (o.units_ == 0)
        return {};
    return fromUnits(divideHalfEven(static_cast<ledgrix_int128>(units_) * kScale, o.units_));
}

CentsSplit splitCents(Currency amount) {
    const int64_t units = amount.units();
    return {units / Currency::kScale,
            divideHalfEven(units % Currency::kScale, Currency::kScale / 100)};
}

Currency R(Currency x, int n) {
    const int shift = n + Currency::kDecimals;  // power of ten in units
    if (shift <= 0)
        return x;
    // Half of 10^19 already exceeds nearly every count, and larger powers would
    // overflow the step itself: such a rounding leaves nothing.
    if (shift > 18)
        return {};
    ledgrix_int128 step = 1;
    for (int k = 0; k < shift; ++k)
        step *= 10;
    const int64_t q = divideHalfEven(x.units(), step);
    return Currency::fromUnits(static_cast<int64_t>(q * step));
}

}  // namespace ledgrix
