#pragma once
// What kind of number a QVariant holds, for the conversions of the regional
// settings and of the data-access layer alike.

#include "platform/decimal.h"

#include <QMetaType>
#include <QVariant>

namespace platform {

inline bool isSignedInteger(int typeId)
{
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Long:
    case QMetaType::Short:
    case QMetaType::SChar:
    case QMetaType::Char: return true;
    default: return false;
    }
}

inline bool isUnsignedInteger(int typeId)
{
    switch (typeId) {
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::ULong:
    case QMetaType::UShort:
    case QMetaType::UChar: return true;
    default: return false;
    }
}

inline bool isWholeNumber(const QVariant& value)
{
    return isSignedInteger(value.typeId()) || isUnsignedInteger(value.typeId());
}

inline bool isDecimal(const QVariant& value)
{
    return value.metaType() == QMetaType::fromType<Decimal>();
}

} // namespace platform
