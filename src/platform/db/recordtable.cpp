#include "platform/db/recordtable.h"

#include <algorithm>
#include <numeric>

namespace platform::db::detail {
namespace {

Column::Values storageFor(DataType type)
{
    switch (type) {
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::BigInt: return std::vector<qint64>();
    case DataType::Double: return std::vector<double>();
    case DataType::Boolean: return std::vector<std::uint8_t>();
    case DataType::Decimal:
    case DataType::Numeric: return std::vector<Decimal>();
    case DataType::Date: return std::vector<QDate>();
    case DataType::Time: return std::vector<QTime>();
    case DataType::DateTime: return std::vector<QDateTime>();
    case DataType::Char:
    case DataType::VarChar: break;
    }
    return Texts();
}

} // namespace

void Texts::resize(std::size_t rows)
{
    while (ends_.size() < rows)
        appendEmpty();
    ends_.resize(rows);
}

QString Texts::at(std::size_t row) const
{
    const Slice& slice = ends_[row];
    if (slice.own >= 0)
        return own_[std::size_t(slice.own)];
    const qsizetype start = row == 0 ? 0 : ends_[row - 1].end;
    return QString(buffer_.constData() + start, slice.end - start);
}

void Texts::set(std::size_t row, const QString& text)
{
    Slice& slice = ends_[row];
    if (slice.own < 0) {
        slice.own = qsizetype(own_.size());
        own_.push_back(text);
    } else {
        own_[std::size_t(slice.own)] = text;
    }
}

void Texts::appendUtf8(const char* text, int length)
{
    const bool ascii = std::all_of(text, text + length, [](char c) { return (c & 0x80) == 0; });
    if (ascii)
        buffer_.append(QLatin1String(text, length));
    else
        buffer_.append(QString::fromUtf8(text, length));
    ends_.push_back(Slice{buffer_.size(), -1});
}

Column::Column(FieldInfo info) : info_(std::move(info)), values_(storageFor(info_.type)) {}

QVariant Column::get(std::size_t row) const
{
    decode();
    if (nulls_[row])
        return {};
    return std::visit(
        [row](const auto& v) -> QVariant {
            using T = typename std::decay_t<decltype(v)>::value_type;
            if constexpr (std::is_same_v<T, std::uint8_t>)
                return QVariant(v[row] != 0);
            else if constexpr (std::is_same_v<std::decay_t<decltype(v)>, Texts>)
                return QVariant(v.at(row));
            else
                return QVariant::fromValue(v[row]);
        },
        values_);
}

void Column::set(std::size_t row, const QVariant& converted)
{
    decode();
    nulls_[row] = converted.isValid() ? 0 : 1;
    std::visit(
        [&](auto& v) {
            using T = typename std::decay_t<decltype(v)>::value_type;
            if constexpr (std::is_same_v<T, std::uint8_t>)
                v[row] = converted.toBool() ? 1 : 0;
            else if constexpr (std::is_same_v<std::decay_t<decltype(v)>, Texts>)
                v.set(row, converted.isValid() ? converted.toString() : QString());
            else
                v[row] = converted.isValid() ? converted.value<T>() : T();
        },
        values_);
}

void Column::resize(std::size_t rows)
{
    decode();
    std::visit([rows](auto& v) { v.resize(rows); }, values_);
    nulls_.resize(rows, 1);
}

int Table::indexOf(const QString& name) const
{
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].info().name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

std::size_t Table::position(std::uint32_t rowId, bool* found) const
{
    const auto it = std::lower_bound(order.begin(), order.end(), rowId);
    *found = it != order.end() && *it == rowId;
    return std::size_t(it - order.begin());
}

std::uint32_t Table::appendRow()
{
    const auto id = std::uint32_t(storedRows++);
    for (Column& column : columns)
        column.resize(storedRows);
    order.push_back(id);
    ++version;
    return id;
}

void Table::removeAt(std::size_t index)
{
    order.erase(order.begin() + std::ptrdiff_t(index));
    ++version;
}

void Table::addColumn(FieldInfo info)
{
    columns.emplace_back(std::move(info));
    columns.back().resize(storedRows);
}

void Table::setLoadedRows(std::size_t rows)
{
    storedRows = rows;
    order.resize(rows);
    std::iota(order.begin(), order.end(), std::uint32_t(0));
    ++version;
}

} // namespace platform::db::detail
