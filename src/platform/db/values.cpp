#include "platform/db/values.h"

#include "platform/regional.h"
#include "platform/variantkinds.h"

#include <QDateTime>
#include <charconv>

namespace platform::db {
namespace {

bool isFloating(const QVariant& value)
{
    return value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float;
}

// The shortest plain text that reads back as the same double ("0.1").
QString doubleText(double value)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

std::optional<QDate> toDate(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date();
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    if (const auto date = regional::parseDate(value.toString()))
        return date;
    const QDate iso = QDate::fromString(value.toString().trimmed(), Qt::ISODate);
    return iso.isValid() ? std::optional<QDate>(iso) : std::nullopt;
}

std::optional<QTime> toTime(const QVariant& value)
{
    if (value.typeId() == QMetaType::QTime)
        return value.toTime();
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().time();
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString text = value.toString().trimmed();
    for (const char* format : {"HH:mm:ss", "H:mm:ss", "HH:mm:ss.zzz", "HH:mm"}) {
        const QTime time = QTime::fromString(text, QLatin1String(format));
        if (time.isValid())
            return time;
    }
    return std::nullopt;
}

std::optional<QDateTime> toDateTime(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    if (value.typeId() == QMetaType::QDate)
        return QDateTime(value.toDate(), QTime(0, 0), Qt::UTC);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString text = value.toString().trimmed();
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const auto date = toDate(QVariant(blank < 0 ? text : text.left(blank)));
    if (!date)
        return std::nullopt;
    if (blank < 0)
        return QDateTime(*date, QTime(0, 0), Qt::UTC);
    const auto time = toTime(QVariant(text.mid(blank + 1)));
    if (!time)
        return std::nullopt;
    return QDateTime(*date, *time, Qt::UTC);
}

std::optional<bool> toBool(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (isWholeNumber(value))
        return value.toLongLong() != 0;
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed().toLower();
        if (text == QLatin1String("true") || text == QLatin1String("t") || text == QLatin1String("1"))
            return true;
        if (text == QLatin1String("false") || text == QLatin1String("f") || text == QLatin1String("0"))
            return false;
    }
    return std::nullopt;
}

std::optional<double> toDouble(const QVariant& value)
{
    if (isFloating(value))
        return value.toDouble();
    if (const auto decimal = toDecimal(value))
        return decimal->toDouble();
    return std::nullopt;
}

template <class T> std::optional<QVariant> wrap(const std::optional<T>& value)
{
    if (!value)
        return std::nullopt;
    return QVariant::fromValue(*value);
}

} // namespace

std::optional<Decimal> toDecimal(const QVariant& value)
{
    return regional::toDecimal(value);
}

std::optional<qint64> toInteger(const QVariant& value)
{
    if (isWholeNumber(value))
        return value.toLongLong();
    const auto decimal = toDecimal(value);
    if (!decimal)
        return std::nullopt;
    try {
        return decimal->toLongLong(Decimal::Rounding::HalfEven);
    } catch (const std::overflow_error&) {
        return std::nullopt;
    }
}

std::optional<QVariant> convertValue(const QVariant& value, DataType type)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    switch (type) {
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::BigInt: return wrap(toInteger(value));
    case DataType::Decimal:
    case DataType::Numeric: return wrap(toDecimal(value));
    case DataType::Double: return wrap(toDouble(value));
    case DataType::Boolean: return wrap(toBool(value));
    case DataType::Date: return wrap(toDate(value));
    case DataType::Time: return wrap(toTime(value));
    case DataType::DateTime: return wrap(toDateTime(value));
    case DataType::Char:
    case DataType::VarChar: return QVariant(regional::toText(value));
    }
    return std::nullopt;
}

QString sqlText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::QDate: return value.toDate().toString(Qt::ISODate);
    case QMetaType::QTime: return value.toTime().toString(QStringLiteral("HH:mm:ss.zzz"));
    case QMetaType::QDateTime: return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    default: break;
    }
    if (isDecimal(value))
        return value.value<Decimal>().toString();
    if (isFloating(value))
        return doubleText(value.toDouble());
    return value.toString();
}

} // namespace platform::db
