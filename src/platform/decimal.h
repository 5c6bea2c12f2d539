#pragma once
// Exact decimal number matching PostgreSQL `numeric` for the amounts the
// back office handles (never binary floating point for money).
//
// The value is mantissa * 10^-scale with a 128-bit mantissa, enough for
// numeric(38, s). Operations keep the larger scale; division and rounding
// say how they round.
//
// Limits: at most 38 digits in the mantissa and 38 decimals. parse() fails
// on text beyond them. A sum, difference or product whose exact value needs
// more digits drops decimals (half away from zero, as PostgreSQL rounds);
// when the integer part alone needs more than 38 digits the operation throws
// std::overflow_error. Division by zero throws std::domain_error.

#include <QMetaType>
#include <QString>
#include <compare>
#include <optional>
#include <utility>

namespace platform {

namespace detail {
// GCC's 128-bit integer; __extension__ keeps -Wpedantic quiet about it.
__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;
} // namespace detail

class Decimal {
public:
    enum class Rounding { HalfAwayFromZero, HalfEven, TowardZero };
    static constexpr int MaxDigits = 38;
    static constexpr int MaxScale = 38;

    Decimal() = default;
    Decimal(long long value); // NOLINT(google-explicit-constructor): integers convert exactly

    // Parses plain C-locale text: optional sign, digits, optional "." and
    // digits, optional exponent ("1e3"). Blanks around are ignored.
    // Returns nullopt for anything else (empty text included).
    static std::optional<Decimal> parse(const QString& text);
    // As parse() with the given separators: `thousands` characters are
    // skipped anywhere in the integer part, `decimal` marks the fraction.
    static std::optional<Decimal> parse(const QString& text, QChar decimal, QChar thousands);

    // The double as its first `significantDigits` significant digits show it
    // (15, the digits a double holds exactly: 0.1 + 0.2 -> 0.3), trailing
    // zeros dropped; values too small for 38 decimals give 0. nullopt for
    // NaN, infinities and magnitudes of 10^38 and above.
    static std::optional<Decimal> fromDouble(double value, int significantDigits = 15);

    // Plain C-locale text: "-1234.50" keeps the scale it has.
    QString toString() const;
    // Fixed number of decimals, rounding as asked.
    QString toString(int decimals, Rounding mode = Rounding::HalfAwayFromZero) const;

    int scale() const { return scale_; }
    bool isZero() const { return mantissa_ == 0; }
    bool isNegative() const { return mantissa_ < 0; }

    // Rounds (or pads) to `decimals` places (0 to MaxScale; others clamp).
    // Padding past 38 digits throws std::overflow_error.
    Decimal rounded(int decimals, Rounding mode = Rounding::HalfAwayFromZero) const;
    // Trailing zeros of the fraction removed ("12.500" -> "12.5").
    Decimal normalized() const;
    // Digits before the point, as numeric(p, s) counts them (0.5 has none).
    int integerDigits() const;

    // Rounded to a whole number; throws std::overflow_error outside 64 bits.
    long long toLongLong(Rounding mode = Rounding::HalfEven) const;
    double toDouble() const;

    Decimal operator-() const;
    Decimal operator+(const Decimal& other) const;
    Decimal operator-(const Decimal& other) const;
    Decimal operator*(const Decimal& other) const;
    // Division to `decimals` places.
    Decimal dividedBy(const Decimal& divisor, int decimals, Rounding mode = Rounding::HalfAwayFromZero) const;
    Decimal& operator+=(const Decimal& other) { return *this = *this + other; }
    Decimal& operator-=(const Decimal& other) { return *this = *this - other; }

    bool operator==(const Decimal& other) const;
    std::strong_ordering operator<=>(const Decimal& other) const;

private:
    static Decimal fromParts(std::pair<detail::Int128, int> mantissaAndScale);

    detail::Int128 mantissa_ = 0;
    int scale_ = 0;
};

// Registers the QVariant conversions of Decimal: to QString (the plain text
// of toString(), "-1234.50") and to double. Runs once; decimal.cpp calls it
// from a static initialiser, and callers may call it again at no cost.
// Texts for people follow the regional settings instead (regional.h).
void ensureDecimalMetaType();

} // namespace platform

Q_DECLARE_METATYPE(platform::Decimal)
