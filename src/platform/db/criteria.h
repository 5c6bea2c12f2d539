#pragma once
// Internal to the data-access layer: the search criteria of
// RecordSet::find(), "field op value".

#include "platform/db/recordtable.h"

#include <QRegularExpression>
#include <optional>

namespace platform::db::detail {

struct Criterion {
    enum class Op { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual, Like };
    int column = -1;
    Op op = Op::Equal;
    QVariant literal;           // converted to the column's type
    QRegularExpression pattern; // for Like
};

// nullopt with `error` set when the text cannot be read or names no field.
std::optional<Criterion> parseCriterion(const QString& text, const Table& table, QString* error);

bool matches(const Criterion& criterion, const Column& column, std::size_t row);

} // namespace platform::db::detail
