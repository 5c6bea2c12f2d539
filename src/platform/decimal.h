#pragma once
// Exact decimal number matching PostgreSQL `numeric` for the amounts the
// back office handles (never binary floating point for money).
//
// The value is mantissa * 10^-scale with a 128-bit mantissa, enough for
// numeric(38, s). Operations keep the larger scale; division and rounding
// say how they round.

#include <QMetaType>
#include <QString>
#include <compare>
#include <optional>

namespace platform {

class Decimal {
public:
    enum class Rounding { HalfAwayFromZero, HalfEven, TowardZero };

    Decimal() = default;
    Decimal(long long value); // NOLINT(google-explicit-constructor): integers convert exactly

    // Parses plain C-locale text: optional sign, digits, optional "." and
    // digits, optional exponent ("1e3"). Blanks around are ignored.
    // Returns nullopt for anything else (empty text included).
    static std::optional<Decimal> parse(const QString& text);
    // As parse() with the given separators: `thousands` characters are
    // skipped anywhere in the integer part, `decimal` marks the fraction.
    static std::optional<Decimal> parse(const QString& text, QChar decimal, QChar thousands);

    // Plain C-locale text: "-1234.50" keeps the scale it has.
    QString toString() const;
    // Fixed number of decimals, rounding as asked.
    QString toString(int decimals, Rounding mode = Rounding::HalfAwayFromZero) const;

    int scale() const { return scale_; }
    bool isZero() const { return mantissa_ == 0; }
    bool isNegative() const { return mantissa_ < 0; }

    // Rounds (or pads) to `decimals` places.
    Decimal rounded(int decimals, Rounding mode = Rounding::HalfAwayFromZero) const;
    // Trailing zeros of the fraction removed ("12.500" -> "12.5").
    Decimal normalized() const;
    // Digits before and after the point, as numeric(p, s) counts them.
    int integerDigits() const;

    long long toLongLong(Rounding mode = Rounding::HalfEven) const;
    double toDouble() const;

    Decimal operator-() const;
    Decimal operator+(const Decimal& other) const;
    Decimal operator-(const Decimal& other) const;
    Decimal operator*(const Decimal& other) const;
    // Division to `decimals` places.
    Decimal dividedBy(const Decimal& divisor, int decimals,
                      Rounding mode = Rounding::HalfAwayFromZero) const;
    Decimal& operator+=(const Decimal& other) { return *this = *this + other; }
    Decimal& operator-=(const Decimal& other) { return *this = *this - other; }

    bool operator==(const Decimal& other) const;
    std::strong_ordering operator<=>(const Decimal& other) const;

private:
    __int128 mantissa_ = 0;
    int scale_ = 0;
};

} // namespace platform

Q_DECLARE_METATYPE(platform::Decimal)
