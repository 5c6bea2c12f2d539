#pragma once
// Regional settings: every conversion between numbers or dates and the text
// people read or type goes through here. The back office was built for
// workstations with decimal comma, thousands point and day/month/year dates,
// and its windows rely on that (their separator conversions assume it), so
// those settings are fixed in workstation() and never read from the
// machine's locale. Every function takes the settings as an argument,
// defaulting to workstation(), so nothing here is global state.

#include "decimal.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

#include <optional>

namespace platform::regional {

struct Settings {
    QChar decimalSeparator = QLatin1Char(',');
    QChar thousandsSeparator = QLatin1Char('.');
    QString dateFormat = QStringLiteral("dd/MM/yyyy"); // QDate::toString letters
    QString timeFormat = QStringLiteral("HH:mm:ss");
    QString trueText = QStringLiteral("Verdadero");
    QString falseText = QStringLiteral("Falso");
};

// The settings the program runs with.
const Settings& workstation();

// --- Numbers to text, as the implicit conversion (CStr) writes them: no
// thousands grouping, no trailing zeros, the regional decimal separator.
QString numberText(long long value, const Settings& s = workstation());
inline QString numberText(int value, const Settings& s = workstation())
{
    return numberText(static_cast<long long>(value), s);
}
// Up to 15 significant digits (7 for single precision); exponent form
// ("1,5E+15", "1E-05") below 10^-4 or from 10^15 on. Width texts of the
// report pages use it: 100 / 7 -> "14,2857142857143".
QString numberText(double value, const Settings& s = workstation());
QString numberText(float value, const Settings& s = workstation());
// Every significant digit: 12.500 -> "12,5"; 0.00 -> "0".
QString numberText(const Decimal& value, const Settings& s = workstation());

// --- Text to numbers with the regional separators (CDec, CDbl): blanks
// around, an optional leading sign, digits in which the thousands separator
// may stand anywhere in the whole part, one decimal separator, an optional
// exponent. Under workstation(), "1.234,5" -> 1234.5 and, faithfully,
// "12.5" -> 125: the point is a thousands separator there. This is what a
// typed numeric parameter receives from a text, and why the windows turn
// "." into "," before such a parameter. nullopt for any other text ("" too).
std::optional<Decimal> parseDecimal(const QString& text, const Settings& s = workstation());
std::optional<double> parseDouble(const QString& text, const Settings& s = workstation());

// --- Format(value, pattern) for numeric patterns made of "#", "0", "," and
// one ".": "," in the whole part groups thousands with the regional
// separator; the whole part shows at least as many digits as placeholders
// from its first "0" on ("###,###" shows nothing for 0); the fraction has as
// many digits as placeholders after ".", rounded half away from zero, then
// trailing zeros dropped back to the last "0"; a leading "-" unless the
// shown value is zero. Doubles are taken at 15 significant digits first.
// Throws std::invalid_argument for other pattern characters and
// std::overflow_error for doubles beyond Decimal (10^38, NaN, infinities).
QString format(const Decimal& value, const QString& pattern, const Settings& s = workstation());
QString format(double value, const QString& pattern, const Settings& s = workstation());

// The amount format of every report and amount box: grouped thousands, at
// least one whole digit, two decimals: 1234.5 -> "1.234,50", 0 -> "0,00",
// -1234567.891 -> "-1.234.567,89".
inline constexpr QLatin1String AmountPattern("###,###0.00");
QString formatAmount(const Decimal& value, const Settings& s = workstation());
QString formatAmount(double value, const Settings& s = workstation());

// --- Dates and times: "dd/mm/yyyy" and "HH:mm:ss"; an invalid value gives "".
QString dateText(const QDate& date, const Settings& s = workstation());
QString timeText(const QTime& time, const Settings& s = workstation());
// Date and time with a blank between; a midnight time is not shown.
QString dateTimeText(const QDateTime& dateTime, const Settings& s = workstation());
// "d/m/yyyy" with one or two digits for day and month, blanks around
// ignored; nullopt for anything else or an impossible date.
std::optional<QDate> parseDate(const QString& text);

// --- Field values. toText is the implicit conversion of a value to text:
// NULL -> "", Decimal/double/integers -> numberText, bool -> trueText /
// falseText, QDate/QTime/QDateTime -> the texts above, text as it is.
QString toText(const QVariant& value, const Settings& s = workstation());
// The value as an exact number (CDec): Decimal as it is, integers exactly,
// doubles at 15 significant digits, bool as -1 / 0, text through
// parseDecimal. nullopt for NULL, dates and what does not convert.
std::optional<Decimal> toDecimal(const QVariant& value, const Settings& s = workstation());

} // namespace platform::regional
