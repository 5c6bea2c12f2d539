#include "vbtext.h"

#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace platform::vb {

namespace {

constexpr QChar kBlank = QLatin1Char(' ');

qsizetype leadingBlanks(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == kBlank)
        ++i;
    return i;
}

qsizetype trailingBlanks(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[text.size() - 1 - i] == kBlank)
        ++i;
    return i;
}

// Windows-1252 in 0x80-0x9F; the five codes it leaves undefined pass
// through as their Latin-1 control characters, as Windows converts them.
constexpr std::array<char16_t, 32> kAnsi80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isValSkipped(QChar c)
{
    return c == kBlank || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

} // namespace

QString trim(const QString& text)
{
    return rtrim(ltrim(text));
}

QString ltrim(const QString& text)
{
    return text.mid(leadingBlanks(text));
}

QString rtrim(const QString& text)
{
    return text.left(text.size() - trailingBlanks(text));
}

QString left(const QString& text, qsizetype n)
{
    return n <= 0 ? QString() : text.left(n);
}

QString right(const QString& text, qsizetype n)
{
    return n <= 0 ? QString() : text.right(n);
}

QString mid(const QString& text, qsizetype start, qsizetype length)
{
    const qsizetype from = std::max<qsizetype>(start, 1) - 1;
    if (from >= text.size())
        return {};
    return length < 0 ? text.mid(from) : text.mid(from, length);
}

qsizetype instr(const QString& text, const QString& find, qsizetype start)
{
    const qsizetype from = std::max<qsizetype>(start, 1) - 1;
    if (from > text.size())
        return 0;
    const qsizetype at = text.indexOf(find, from, Qt::CaseSensitive);
    return at < 0 ? 0 : at + 1;
}

QString ucase(const QString& text)
{
    return text.toUpper();
}

QString lcase(const QString& text)
{
    return text.toLower();
}

qsizetype len(const QString& text)
{
    return text.size();
}

QString space(qsizetype n)
{
    return string(n, kBlank);
}

QString string(qsizetype n, QChar c)
{
    return n <= 0 ? QString() : QString(n, c);
}

double val(const QString& text)
{
    // The accepted characters, blanks dropped, in C-locale form.
    QByteArray number;
    enum class State { Sign, Whole, Fraction, ExponentSign, Exponent } state = State::Sign;
    for (const QChar c : text) {
        if (isValSkipped(c))
            continue;
        const char16_t u = c.unicode();
        if (isAsciiDigit(c)) {
            state = state == State::Sign           ? State::Whole
                    : state == State::ExponentSign ? State::Exponent
                                                   : state;
        } else if ((u == '+' || u == '-') && (state == State::Sign || state == State::ExponentSign)) {
            state = state == State::Sign ? State::Whole : State::Exponent;
        } else if (u == '.' && (state == State::Sign || state == State::Whole)) {
            state = State::Fraction;
        } else if ((u == 'e' || u == 'E' || u == 'd' || u == 'D') &&
                   (state == State::Whole || state == State::Fraction)) {
            state = State::ExponentSign;
            number.append('e');
            continue;
        } else {
            break;
        }
        number.append(char(u));
    }
    // A trailing exponent mark without digits reads as no exponent.
    while (!number.isEmpty() && (number.endsWith('e') || number.endsWith('+') || number.endsWith('-')))
        number.chop(1);
    bool ok = false;
    const double result = number.toDouble(&ok);
    return ok ? result : 0.0;
}

double round(double value, int decimals)
{
    if (decimals <= 0)
        return std::nearbyint(value);
    const double factor = std::pow(10.0, decimals);
    const double scaled = value * factor;
    if (!std::isfinite(scaled))
        return value;
    return std::nearbyint(scaled) / factor;
}

long long clng(double value)
{
    const double whole = std::nearbyint(value);
    // 2^63 is exactly representable; every double below it converts.
    constexpr double limit = 9223372036854775808.0;
    if (!(whole >= -limit && whole < limit))
        throw std::overflow_error("Overflow");
    return static_cast<long long>(whole);
}

QString fromAnsi(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes)
        text.append(chr(static_cast<unsigned char>(b)));
    return text;
}

QByteArray toAnsi(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text)
        bytes.append(static_cast<char>(asc(c)));
    return bytes;
}

QChar chr(int code)
{
    if (code < 0 || code > 255)
        return QLatin1Char('?');
    if (code >= 0x80 && code <= 0x9F)
        return QChar(kAnsi80To9F[std::size_t(code - 0x80)]);
    return QChar(char16_t(code));
}

int asc(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (std::size_t i = 0; i < kAnsi80To9F.size(); ++i)
        if (kAnsi80To9F[i] == u)
            return int(0x80 + i);
    return '?';
}

} // namespace platform::vb
