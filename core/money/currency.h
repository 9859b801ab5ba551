#pragma once

#include <QString>
#include <QVariant>
#include <compare>
#include <cstdint>
#include <optional>

__extension__ typedef __int128 ledgrix_int128;

namespace ledgrix {

// Amounts held in memory: a 64-bit count of ten-thousandths, the precision of
// every amount and percentage the system stores. Addition and subtraction are
// exact; multiplication and division round to four decimals, half to even.
// Values come from the driver's exact decimal text, never through a double.
class Currency {
  public:
    static constexpr int64_t kScale = 10000;
    static constexpr int kDecimals = 4;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(int64_t units) {
        Currency c;
        c.units_ = units;
        return c;
    }
    static constexpr Currency fromInt(int64_t whole) { return fromUnits(whole * kScale); }

    // Exact parsing of "1234.56", "-0.5", "+3", ".5", "5."; "1,234.56", exponents
    // and non-ASCII digits are refused, as are more than 15 integer digits or a
    // value beyond the 64-bit count. Digits past the fourth decimal are rounded
    // half to even. Empty or invalid text gives nullopt.
    static std::optional<Currency> parse(const QString& text);
    // Parses, treating empty or invalid text as zero.
    static Currency fromText(const QString& text);
    // From a value read with QSql::HighPrecision (text, also in exponent form
    // as the driver writes round amounts), an integer, a double or a null.
    static Currency fromVariant(const QVariant& v);

    constexpr int64_t units() const { return units_; }
    constexpr bool isZero() const { return units_ == 0; }
    constexpr bool isNegative() const { return units_ < 0; }

    // Plain decimal text with exactly `decimals` digits (0..4), rounded half to even:
    // "1234.50", "-3". This is also the literal written into SQL.
    QString toString(int decimals = 2) const;
    // Text for people: thousands grouped with "," and decimals with ".".
    QString toDisplay(int decimals = 2) const;
    // Whole part truncated toward zero.
    constexpr int64_t wholePart() const { return units_ / kScale; }
    double toDouble() const { return static_cast<double>(units_) / kScale; }

    constexpr Currency operator-() const { return fromUnits(-units_); }
    constexpr Currency operator+(Currency o) const { return fromUnits(units_ + o.units_); }
    constexpr Currency operator-(Currency o) const { return fromUnits(units_ - o.units_); }
    Currency& operator+=(Currency o) {
        units_ += o.units_;
        return *this;
    }
    Currency& operator-=(Currency o) {
        units_ -= o.units_;
        return *this;
    }
    Currency operator*(Currency o) const;
    Currency operator*(int64_t n) const { return fromUnits(units_ * n); }
    // Division by zero gives zero: callers test for it where it means something.
    Currency operator/(Currency o) const;
    Currency abs() const { return fromUnits(units_ < 0 ? -units_ : units_); }

    constexpr auto operator<=>(const Currency&) const = default;

  private:
    int64_t units_ = 0;
};

// R(x, n): x rounded to a multiple of 10^n, half to even. n may be negative
// (n = -2 rounds to cents) or positive (n = 2 rounds to hundreds). n below -4
// leaves x unchanged; n above 14 gives zero.
Currency R(Currency x, int n);

// An amount as printed in words: the whole part (truncated toward zero) and
// the fractional part as cents, rounded half to even on its own. The rounding
// does not carry: x.995 gives 100 cents beside the unchanged whole part, as
// the printed wording has always done. Both carry the sign of the amount.
struct CentsSplit {
    int64_t whole = 0;
    int64_t cents = 0;
};
CentsSplit splitCents(Currency amount);

// Divides a 128-bit numerator by a positive denominator rounding half to even.
int64_t divideHalfEven(ledgrix_int128 numerator, ledgrix_int128 denominator);

}  // namespace ledgrix
