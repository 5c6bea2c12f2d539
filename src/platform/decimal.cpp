#include "decimal.h"

#include <QMetaType>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <mutex>
#include <stdexcept>

namespace platform {

namespace {

using u128 = detail::UInt128;
using i128 = detail::Int128;

// 10^k for k in 0..38 (10^38 still fits in 127 bits).
constexpr std::array<u128, 39> makePowers()
{
    std::array<u128, 39> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}
constexpr std::array<u128, 39> kPow10 = makePowers();
constexpr u128 kLimit = kPow10[Decimal::MaxDigits]; // magnitudes stay below

u128 magnitude(i128 v)
{
    return v < 0 ? u128(0) - u128(v) : u128(v);
}
i128 withSign(u128 mag, bool negative)
{
    return negative ? -i128(mag) : i128(mag);
}

int digitCount(u128 v)
{
    int n = 0;
    while (n < int(kPow10.size()) && v >= kPow10[n])
        ++n;
    return n;
}

// Unsigned 256-bit integer for the intermediate results that do not fit in
// 128 bits (products, aligned sums, scaled dividends); the 38-digit limit
// keeps every value used here below 10^77 < 2^256.
struct U256 {
    std::array<std::uint64_t, 4> limb{}; // little-endian

    static U256 from(u128 v)
    {
        U256 r;
        r.limb[0] = std::uint64_t(v);
        r.limb[1] = std::uint64_t(v >> 64);
        return r;
    }
    bool fitsU128() const { return limb[2] == 0 && limb[3] == 0; }
    u128 low() const { return (u128(limb[1]) << 64) | limb[0]; }
    bool isZero() const { return limb == std::array<std::uint64_t, 4>{}; }
    bool bit(int i) const { return (limb[std::size_t(i / 64)] >> (i % 64)) & 1U; }

    friend std::strong_ordering operator<=>(const U256& a, const U256& b)
    {
        for (int i = 3; i >= 0; --i)
            if (a.limb[std::size_t(i)] != b.limb[std::size_t(i)])
                return a.limb[std::size_t(i)] <=> b.limb[std::size_t(i)];
        return std::strong_ordering::equal;
    }
    friend bool operator==(const U256& a, const U256& b) { return a.limb == b.limb; }

    U256 operator+(const U256& o) const
    {
        U256 r;
        u128 carry = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const u128 s = u128(limb[i]) + o.limb[i] + carry;
            r.limb[i] = std::uint64_t(s);
            carry = s >> 64;
        }
        return r;
    }
    U256 operator-(const U256& o) const // requires *this >= o
    {
        U256 r;
        std::uint64_t borrow = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const u128 d = u128(limb[i]) - o.limb[i] - borrow;
            r.limb[i] = std::uint64_t(d);
            borrow = (d >> 64) != 0 ? 1 : 0;
        }
        return r;
    }
    U256 operator*(u128 m) const // callers keep the product below 2^256
    {
        const std::array<std::uint64_t, 2> ml{std::uint64_t(m), std::uint64_t(m >> 64)};
        U256 r;
        for (std::size_t j = 0; j < 2; ++j) {
            u128 carry = 0;
            for (std::size_t i = 0; i + j < 4; ++i) {
                const u128 cur = u128(limb[i]) * ml[j] + r.limb[i + j] + carry;
                r.limb[i + j] = std::uint64_t(cur);
                carry = cur >> 64;
            }
        }
        return r;
    }
    U256 shiftedLeftOne() const
    {
        U256 r;
        for (std::size_t i = 0; i < 4; ++i)
            r.limb[i] = (limb[i] << 1) | (i > 0 ? limb[i - 1] >> 63 : 0);
        return r;
    }
    // Quotient and remainder by shift and subtract: only the rare values
    // beyond 128 bits take this path.
    static std::pair<U256, U256> divide(const U256& n, const U256& d)
    {
        U256 q, r;
        for (int i = 255; i >= 0; --i) {
            r = r.shiftedLeftOne();
            r.limb[0] |= n.bit(i) ? 1U : 0U;
            if (r >= d) {
                r = r - d;
                q.limb[std::size_t(i / 64)] |= std::uint64_t(1) << (i % 64);
            }
        }
        return {q, r};
    }
};

// Whether the quotient of a division with remainder `rem` by `divisor`
// moves away from zero under `mode` (`qOdd`: the truncated quotient is odd).
bool roundsUp(const U256& rem, const U256& divisor, bool qOdd, Decimal::Rounding mode)
{
    if (rem.isZero() || mode == Decimal::Rounding::TowardZero)
        return false;
    const U256 twice = rem.shiftedLeftOne();
    const auto cmp = twice <=> divisor;
    if (cmp != std::strong_ordering::equal)
        return cmp == std::strong_ordering::greater;
    return mode == Decimal::Rounding::HalfAwayFromZero || qOdd;
}

// mag / divisor rounded as asked.
U256 divideRounded(const U256& mag, const U256& divisor, Decimal::Rounding mode)
{
    if (mag.fitsU128() && divisor.fitsU128()) {
        const u128 n = mag.low(), d = divisor.low();
        const u128 q = n / d;
        return U256::from(q + (roundsUp(U256::from(n % d), divisor, q & 1U, mode) ? 1 : 0));
    }
    auto [q, r] = U256::divide(mag, divisor);
    if (roundsUp(r, divisor, q.bit(0), mode))
        q = q + U256::from(1);
    return q;
}

[[noreturn]] void overflow()
{
    throw std::overflow_error("Decimal: more than 38 digits");
}

// The magnitudes of two values brought to the larger of their scales.
std::pair<U256, U256> alignedMagnitudes(i128 a, int aScale, i128 b, int bScale)
{
    const int scale = std::max(aScale, bScale);
    return {U256::from(magnitude(a)) * kPow10[std::size_t(scale - aScale)],
            U256::from(magnitude(b)) * kPow10[std::size_t(scale - bScale)]};
}

// An exact wide result brought back to at most 38 digits and MaxScale
// decimals, dropping decimals (half away from zero, as PostgreSQL rounds)
// where needed; throws when the integer part alone is too long. Wide values
// stay below 10^76, so dropping 38 digits always fits.
std::pair<i128, int> fitWide(bool negative, const U256& mag, int scale)
{
    for (int drop = std::max(0, scale - Decimal::MaxScale);; ++drop) {
        const U256 reduced = drop == 0 ? mag
                                       : divideRounded(mag, U256::from(kPow10[std::size_t(drop)]),
                                                       Decimal::Rounding::HalfAwayFromZero);
        if (reduced.fitsU128() && reduced.low() < kLimit)
            return {withSign(reduced.low(), negative), scale - drop};
        if (drop >= scale)
            overflow();
    }
}

} // namespace

Decimal Decimal::fromParts(std::pair<i128, int> parts)
{
    Decimal d;
    d.mantissa_ = parts.first;
    d.scale_ = parts.second;
    return d;
}

Decimal::Decimal(long long value) : mantissa_(value) {}

std::optional<Decimal> Decimal::parse(const QString& text)
{
    return parse(text, QLatin1Char('.'), QChar());
}

std::optional<Decimal> Decimal::parse(const QString& text, QChar decimal, QChar thousands)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    bool negative = false;
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        negative = t[i++] == QLatin1Char('-');

    u128 mag = 0;
    int digits = 0; // significant digits held in mag
    int scale = 0;
    bool anyDigit = false;
    bool inFraction = false;
    for (; i < n; ++i) {
        const QChar c = t[i];
        if (c.isDigit() && c.unicode() < 128) {
            anyDigit = true;
            if (mag == 0 && c == QLatin1Char('0') && !inFraction)
                continue;
            if (++digits > MaxDigits)
                return std::nullopt;
            mag = mag * 10 + u128(c.unicode() - '0');
            if (inFraction)
                ++scale;
        } else if (c == decimal && !inFraction) {
            inFraction = true;
        } else if (!thousands.isNull() && c == thousands && !inFraction) {
            continue;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    // Leading zeros of the fraction count as digits of the mantissa too.
    if (mag == 0)
        digits = 0;

    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ++i;
        bool expNegative = false;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            expNegative = t[i++] == QLatin1Char('-');
        int exponent = 0;
        bool expDigit = false;
        for (; i < n && t[i].unicode() >= '0' && t[i].unicode() <= '9'; ++i) {
            expDigit = true;
            exponent = exponent * 10 + (t[i].unicode() - '0');
            if (exponent > 1000)
                return std::nullopt;
        }
        if (!expDigit)
            return std::nullopt;
        scale += expNegative ? exponent : -exponent;
    }
    if (i != n)
        return std::nullopt;

    if (scale < 0) {
        if (mag != 0 && digitCount(mag) - scale > MaxDigits)
            return std::nullopt;
        if (mag != 0)
            mag *= kPow10[std::size_t(-scale)];
        scale = 0;
    }
    if (scale > MaxScale)
        return std::nullopt;
    return fromParts({withSign(mag, negative), scale});
}

std::optional<Decimal> Decimal::fromDouble(double value, int significantDigits)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const int digits = std::clamp(significantDigits, 1, 17);
    // to_chars, unlike printf, never follows the machine's locale.
    std::array<char, 40> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, digits - 1)
                         .ptr;
    if (const auto d = parse(QString::fromLatin1(buffer.data(), end - buffer.data())))
        return d->normalized();
    if (std::fabs(value) < 1)
        return Decimal();
    return std::nullopt;
}

QString Decimal::toString() const
{
    u128 mag = magnitude(mantissa_);
    QString digits;
    do {
        digits.prepend(QLatin1Char(char('0' + int(mag % 10))));
        mag /= 10;
    } while (mag != 0);
    if (scale_ > 0) {
        if (digits.size() <= scale_)
            digits.prepend(QString(scale_ - digits.size() + 1, QLatin1Char('0')));
        digits.insert(digits.size() - scale_, QLatin1Char('.'));
    }
    if (mantissa_ < 0)
        digits.prepend(QLatin1Char('-'));
    return digits;
}

QString Decimal::toString(int decimals, Rounding mode) const
{
    return rounded(decimals, mode).toString();
}

Decimal Decimal::rounded(int decimals, Rounding mode) const
{
    decimals = std::clamp(decimals, 0, MaxScale);
    if (decimals >= scale_) {
        const u128 factor = kPow10[std::size_t(decimals - scale_)];
        if (mantissa_ != 0 && magnitude(mantissa_) >= kLimit / factor)
            overflow();
        return fromParts({mantissa_ * i128(factor), decimals});
    }
    const U256 q = divideRounded(U256::from(magnitude(mantissa_)),
                                 U256::from(kPow10[std::size_t(scale_ - decimals)]), mode);
    return fromParts(fitWide(mantissa_ < 0, q, decimals));
}

Decimal Decimal::normalized() const
{
    if (mantissa_ == 0)
        return {};
    Decimal d = *this;
    while (d.scale_ > 0 && d.mantissa_ % 10 == 0) {
        d.mantissa_ /= 10;
        --d.scale_;
    }
    return d;
}

int Decimal::integerDigits() const
{
    return digitCount(magnitude(mantissa_) / kPow10[std::size_t(scale_)]);
}

long long Decimal::toLongLong(Rounding mode) const
{
    const i128 whole = rounded(0, mode).mantissa_;
    if (whole > std::numeric_limits<long long>::max() || whole < std::numeric_limits<long long>::min())
        throw std::overflow_error("Decimal: out of the range of a 64-bit integer");
    return static_cast<long long>(whole);
}

double Decimal::toDouble() const
{
    // Through the text, so the double is the nearest one to the exact value.
    return toString().toDouble();
}

Decimal Decimal::operator-() const
{
    return fromParts({-mantissa_, scale_});
}

Decimal Decimal::operator+(const Decimal& other) const
{
    i128 sum = 0;
    if (scale_ == other.scale_ && !__builtin_add_overflow(mantissa_, other.mantissa_, &sum) &&
        magnitude(sum) < kLimit)
        return fromParts({sum, scale_}); // the common case: amounts of one scale
    const int scale = std::max(scale_, other.scale_);
    const auto [a, b] = alignedMagnitudes(mantissa_, scale_, other.mantissa_, other.scale_);
    const bool aNeg = mantissa_ < 0, bNeg = other.mantissa_ < 0;
    if (aNeg == bNeg)
        return fromParts(fitWide(aNeg, a + b, scale));
    const bool aBigger = a >= b;
    return fromParts(fitWide(aBigger ? aNeg : bNeg, aBigger ? a - b : b - a, scale));
}

Decimal Decimal::operator-(const Decimal& other) const
{
    return *this + -other;
}

Decimal Decimal::operator*(const Decimal& other) const
{
    i128 direct = 0;
    if (scale_ + other.scale_ <= MaxScale && !__builtin_mul_overflow(mantissa_, other.mantissa_, &direct) &&
        magnitude(direct) < kLimit)
        return fromParts({direct, scale_ + other.scale_});
    const U256 product = U256::from(magnitude(mantissa_)) * magnitude(other.mantissa_);
    return fromParts(fitWide((mantissa_ < 0) != (other.mantissa_ < 0), product, scale_ + other.scale_));
}

Decimal Decimal::dividedBy(const Decimal& divisor, int decimals, Rounding mode) const
{
    if (divisor.mantissa_ == 0)
        throw std::domain_error("Decimal: division by zero");
    decimals = std::clamp(decimals, 0, MaxScale);
    const Decimal a = normalized(), b = divisor.normalized();
    // a/b = (ma / mb) * 10^(sb - sa); scaled to `decimals` places the quotient
    // is ma * 10^e / mb with e = decimals + sb - sa.
    const int e = decimals + b.scale_ - a.scale_;
    U256 numerator = U256::from(magnitude(a.mantissa_));
    U256 denominator = U256::from(magnitude(b.mantissa_));
    if (e >= 0) {
        // A dividend past 76 digits gives a quotient of 38 digits or more.
        if (a.mantissa_ != 0 && digitCount(magnitude(a.mantissa_)) + e > 2 * MaxDigits)
            overflow();
        for (int left = e; left > 0; left -= 38)
            numerator = numerator * kPow10[std::size_t(std::min(left, 38))];
    } else {
        denominator = denominator * kPow10[std::size_t(-e)];
    }
    const U256 q = divideRounded(numerator, denominator, mode);
    if (!q.fitsU128() || q.low() >= kLimit)
        overflow();
    const bool negative = (mantissa_ < 0) != (divisor.mantissa_ < 0);
    return fromParts({withSign(q.low(), negative), decimals});
}

std::strong_ordering Decimal::operator<=>(const Decimal& other) const
{
    if (scale_ == other.scale_)
        return mantissa_ <=> other.mantissa_;
    const bool aNeg = mantissa_ < 0, bNeg = other.mantissa_ < 0;
    if (aNeg != bNeg)
        return bNeg ? std::strong_ordering::greater : std::strong_ordering::less;
    const auto [a, b] = alignedMagnitudes(mantissa_, scale_, other.mantissa_, other.scale_);
    return aNeg ? b <=> a : a <=> b;
}

bool Decimal::operator==(const Decimal& other) const
{
    return (*this <=> other) == std::strong_ordering::equal;
}

void ensureDecimalMetaType()
{
    static std::once_flag once;
    std::call_once(once, [] {
        QMetaType::registerConverter<Decimal, QString>([](const Decimal& d) { return d.toString(); });
        QMetaType::registerConverter<Decimal, double>([](const Decimal& d) { return d.toDouble(); });
    });
}

namespace {
// Any program using Decimal links this file, so its values convert inside
// QVariant from the start; ensureDecimalMetaType() stays for code that runs
// before static initialisation has reached this point.
const bool decimalMetaTypeRegistered = (ensureDecimalMetaType(), true);
} // namespace

} // namespace platform
