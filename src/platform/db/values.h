#pragma once
// Data types of parameters and fields, and the conversions of values into
// them. The numbering is the one the windows' parameter lists use (integer
// 3, decimal 14, numeric 131, varchar 200…).
//
// Values travel as QVariant: qint64 for whole numbers, platform::Decimal for
// decimal/numeric, double, bool, QString, QDate, QTime and QDateTime (no
// time zone: the server's wall clock, kept as UTC so no machine setting
// shifts it). A null QVariant is SQL NULL.

#include "platform/decimal.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace platform::db {

enum class DataType {
    SmallInt = 2,
    Integer = 3,
    Double = 5,
    Boolean = 11,
    Decimal = 14,
    BigInt = 20,
    Char = 129,
    Numeric = 131,
    Date = 133,
    Time = 134,
    DateTime = 135,
    VarChar = 200,
};

// A value as an exact decimal, as the regional settings read it
// (regional::toDecimal): Decimal itself, whole numbers, doubles at 15
// significant digits, text with decimal comma and thousands point
// ("1.234,5"). nullopt for anything else (empty text included).
std::optional<Decimal> toDecimal(const QVariant& value);

// A value as a whole number: numbers and texts as toDecimal(), rounded half
// to even. nullopt for what does not convert or does not fit 64 bits.
std::optional<qint64> toInteger(const QVariant& value);

// The value converted to the QVariant kind `type` keeps (see above); a null
// value stays null. nullopt when it does not convert. Numbers and dates
// become text the regional way (12.5 -> "12,5", dates "dd/mm/yyyy"); texts
// are taken as they are (no cutting here). Dates read from "d/m/yyyy" or
// ISO "yyyy-mm-dd" text.
std::optional<QVariant> convertValue(const QVariant& value, DataType type);

// Text of a value as SQL accepts it for a parameter of that kind: plain
// "-1234.5" numbers, ISO dates. Strings as they are.
QString sqlText(const QVariant& value);

} // namespace platform::db
