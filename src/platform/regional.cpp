#include "regional.h"

#include "variantkinds.h"
#include "vbtext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace platform::regional {

namespace {

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// The text of a double with up to `precision` significant digits, exponent
// form when printf's %G would use it, in the regional form.
QString doubleText(double value, int precision, const Settings& s)
{
    if (value == 0)
        return QStringLiteral("0"); // -0 included
    // to_chars, unlike printf, never follows the machine's locale.
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, precision)
                         .ptr;
    QString text = QString::fromLatin1(buffer.data(), end - buffer.data()).toUpper();
    return text.replace(QLatin1Char('.'), s.decimalSeparator);
}

// The number in plain C-locale form ("-1234.5E3"), or nullopt when the text
// is not a number under these settings.
std::optional<QString> plainNumber(const QString& text, const Settings& s)
{
    const QString t = vb::trim(text);
    QString plain;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        plain += t[i++];
    bool anyDigit = false, inFraction = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (isAsciiDigit(c)) {
            plain += c;
            anyDigit = true;
        } else if (c == s.decimalSeparator && !inFraction) {
            plain += QLatin1Char('.');
            inFraction = true;
        } else if (c != s.thousandsSeparator || inFraction) {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < t.size() && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        plain += QLatin1Char('E');
        ++i;
        if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            plain += t[i++];
        const qsizetype firstDigit = i;
        for (; i < t.size() && isAsciiDigit(t[i]); ++i)
            plain += t[i];
        if (i == firstDigit)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    return plain;
}

struct NumberPattern {
    bool grouping = false;
    bool point = false;
    int minWholeDigits = 0;
    int decimals = 0;
    int minDecimals = 0;
};

NumberPattern parsePattern(const QString& pattern)
{
    static const QString allowed = QStringLiteral("#0,.");
    NumberPattern p;
    const qsizetype dot = pattern.indexOf(QLatin1Char('.'));
    const QString whole = dot < 0 ? pattern : pattern.left(dot);
    const QString fraction = dot < 0 ? QString() : pattern.mid(dot + 1);
    for (const QChar c : pattern)
        if (!allowed.contains(c))
            throw std::invalid_argument("unsupported number format character");
    if (fraction.contains(QLatin1Char('.')) || fraction.contains(QLatin1Char(',')))
        throw std::invalid_argument("unsupported number format fraction");
    p.grouping = whole.contains(QLatin1Char(','));
    p.point = dot >= 0;
    const qsizetype firstZero = whole.indexOf(QLatin1Char('0'));
    if (firstZero >= 0)
        p.minWholeDigits = int(whole.size() - firstZero - whole.mid(firstZero).count(QLatin1Char(',')));
    p.decimals = int(fraction.size());
    p.minDecimals = int(fraction.lastIndexOf(QLatin1Char('0')) + 1);
    return p;
}

QString grouped(const QString& digits, QChar separator)
{
    QString out = digits;
    for (qsizetype at = out.size() - 3; at > 0; at -= 3)
        out.insert(at, separator);
    return out;
}

Decimal decimalOf(double value)
{
    const auto d = Decimal::fromDouble(value);
    if (!d)
        throw std::overflow_error("number out of the range of the format");
    return *d;
}

} // namespace

const Settings& workstation()
{
    static const Settings settings;
    return settings;
}

QString numberText(long long value, const Settings&)
{
    return QString::number(value);
}

QString numberText(double value, const Settings& s)
{
    return doubleText(value, 15, s);
}

QString numberText(float value, const Settings& s)
{
    return doubleText(double(value), 7, s);
}

QString numberText(const Decimal& value, const Settings& s)
{
    return value.normalized().toString().replace(QLatin1Char('.'), s.decimalSeparator);
}

std::optional<Decimal> parseDecimal(const QString& text, const Settings& s)
{
    const auto plain = plainNumber(text, s);
    return plain ? Decimal::parse(*plain) : std::nullopt;
}

std::optional<double> parseDouble(const QString& text, const Settings& s)
{
    const auto plain = plainNumber(text, s);
    if (!plain)
        return std::nullopt;
    bool ok = false;
    const double value = plain->toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString format(const Decimal& value, const QString& pattern, const Settings& s)
{
    const NumberPattern p = parsePattern(pattern);
    QString plain = value.rounded(p.decimals, Decimal::Rounding::HalfAwayFromZero).toString();
    const bool negative = plain.startsWith(QLatin1Char('-'));
    if (negative)
        plain.remove(0, 1);
    const qsizetype dot = plain.indexOf(QLatin1Char('.'));
    QString whole = dot < 0 ? plain : plain.left(dot);
    QString fraction = dot < 0 ? QString() : plain.mid(dot + 1);

    if (whole == QLatin1String("0"))
        whole.clear();
    if (whole.size() < p.minWholeDigits)
        whole.prepend(QString(p.minWholeDigits - whole.size(), QLatin1Char('0')));
    if (p.grouping)
        whole = grouped(whole, s.thousandsSeparator);
    while (fraction.size() > p.minDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);

    QString out = negative ? QStringLiteral("-") : QString();
    out += whole;
    if (p.point)
        out += s.decimalSeparator + fraction;
    return out;
}

QString format(double value, const QString& pattern, const Settings& s)
{
    return format(decimalOf(value), pattern, s);
}

QString formatAmount(const Decimal& value, const Settings& s)
{
    return format(value, AmountPattern, s);
}

QString formatAmount(double value, const Settings& s)
{
    return format(value, AmountPattern, s);
}

QString dateText(const QDate& date, const Settings& s)
{
    return date.isValid() ? date.toString(s.dateFormat) : QString();
}

QString timeText(const QTime& time, const Settings& s)
{
    return time.isValid() ? time.toString(s.timeFormat) : QString();
}

QString dateTimeText(const QDateTime& dateTime, const Settings& s)
{
    if (!dateTime.isValid())
        return {};
    const QTime time = dateTime.time();
    if (time == QTime(0, 0))
        return dateText(dateTime.date(), s);
    return dateText(dateTime.date(), s) + QLatin1Char(' ') + timeText(time, s);
}

std::optional<QDate> parseDate(const QString& text)
{
    const QStringList parts = vb::trim(text).split(QLatin1Char('/'));
    if (parts.size() != 3 || parts[0].size() > 2 || parts[1].size() > 2 || parts[2].size() != 4)
        return std::nullopt;
    int numbers[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (parts[i].isEmpty() ||
            !std::all_of(parts[i].begin(), parts[i].end(), [](QChar c) { return isAsciiDigit(c); }))
            return std::nullopt;
        numbers[i] = parts[i].toInt();
    }
    const QDate date(numbers[2], numbers[1], numbers[0]);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

QString toText(const QVariant& value, const Settings& s)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (isDecimal(value))
        return numberText(value.value<Decimal>(), s);
    const int type = value.typeId();
    if (isSignedInteger(type))
        return QString::number(value.toLongLong());
    if (isUnsignedInteger(type))
        return QString::number(value.toULongLong());
    switch (type) {
    case QMetaType::Bool: return value.toBool() ? s.trueText : s.falseText;
    case QMetaType::Double: return numberText(value.toDouble(), s);
    case QMetaType::Float: return numberText(value.toFloat(), s);
    case QMetaType::QDate: return dateText(value.toDate(), s);
    case QMetaType::QTime: return timeText(value.toTime(), s);
    case QMetaType::QDateTime: return dateTimeText(value.toDateTime(), s);
    default: return value.toString();
    }
}

std::optional<Decimal> toDecimal(const QVariant& value, const Settings& s)
{
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    if (isDecimal(value))
        return value.value<Decimal>();
    const int type = value.typeId();
    if (isSignedInteger(type))
        return Decimal(value.toLongLong());
    if (isUnsignedInteger(type))
        return Decimal::parse(QString::number(value.toULongLong()));
    switch (type) {
    case QMetaType::Bool: return Decimal(value.toBool() ? -1 : 0);
    case QMetaType::Double:
    case QMetaType::Float: return Decimal::fromDouble(value.toDouble(), type == QMetaType::Float ? 7 : 15);
    case QMetaType::QString: return parseDecimal(value.toString(), s);
    default: return std::nullopt;
    }
}

} // namespace platform::regional
