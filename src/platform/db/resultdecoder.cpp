#include "platform/db/resultdecoder.h"

#include <charconv>

namespace platform::db::detail {
namespace {

// Type oids of the built-in types this layer reads.
enum : Oid {
    BoolOid = 16,
    Int8Oid = 20,
    Int2Oid = 21,
    Int4Oid = 23,
    OidOid = 26,
    Float4Oid = 700,
    Float8Oid = 701,
    BpcharOid = 1042,
    VarcharOid = 1043,
    DateOid = 1082,
    TimeOid = 1083,
    TimestampOid = 1114,
    TimestamptzOid = 1184,
    NumericOid = 1700,
};

FieldInfo fieldInfo(const PGresult* result, int column)
{
    FieldInfo info;
    info.name = QString::fromUtf8(PQfname(result, column));
    const int typmod = PQfmod(result, column);
    switch (PQftype(result, column)) {
    case BoolOid: info.type = DataType::Boolean; break;
    case Int2Oid: info.type = DataType::SmallInt; break;
    case Int4Oid: info.type = DataType::Integer; break;
    case Int8Oid:
    case OidOid: info.type = DataType::BigInt; break;
    case Float4Oid:
    case Float8Oid: info.type = DataType::Double; break;
    case NumericOid:
        info.type = DataType::Numeric;
        if (typmod >= 4) {
            info.precision = ((typmod - 4) >> 16) & 0xffff;
            info.scale = (typmod - 4) & 0xffff;
        }
        break;
    case BpcharOid:
    case VarcharOid:
        info.type = PQftype(result, column) == BpcharOid ? DataType::Char : DataType::VarChar;
        info.definedSize = typmod >= 4 ? typmod - 4 : 0;
        break;
    case DateOid: info.type = DataType::Date; break;
    case TimeOid: info.type = DataType::Time; break;
    case TimestampOid:
    case TimestamptzOid: info.type = DataType::DateTime; break;
    default: info.type = DataType::VarChar; break;
    }
    return info;
}

// A reader of one value's text, e.g. "2026-01-31 23:59:58.5+01".
class Scanner {
public:
    Scanner(const char* text, int length) : p_(text), end_(text + length) {}

    bool number(int& out, int digits)
    {
        const char* stop = p_ + digits > end_ ? end_ : p_ + digits;
        const auto r = std::from_chars(p_, stop, out);
        if (r.ec != std::errc() || r.ptr != stop)
            return false;
        p_ = stop;
        return true;
    }
    bool take(char c)
    {
        if (p_ < end_ && *p_ == c) {
            ++p_;
            return true;
        }
        return false;
    }
    bool atEnd() const { return p_ >= end_; }
    bool at(char c) const { return p_ < end_ && *p_ == c; }

    // ".ffffff" into milliseconds (truncated).
    int fractionMs()
    {
        if (!take('.'))
            return 0;
        int ms = 0;
        int digits = 0;
        for (; p_ < end_ && *p_ >= '0' && *p_ <= '9'; ++p_, ++digits)
            if (digits < 3)
                ms = ms * 10 + (*p_ - '0');
        for (; digits < 3; ++digits)
            ms *= 10;
        return ms;
    }

private:
    const char* p_;
    const char* end_;
};

bool readDate(Scanner& s, QDate& out)
{
    int y = 0, m = 0, d = 0;
    if (!s.number(y, 4) || !s.take('-') || !s.number(m, 2) || !s.take('-') || !s.number(d, 2))
        return false;
    out = QDate(y, m, d);
    return out.isValid();
}

bool readTime(Scanner& s, QTime& out)
{
    int h = 0, m = 0, sec = 0;
    if (!s.number(h, 2) || !s.take(':') || !s.number(m, 2) || !s.take(':') || !s.number(sec, 2))
        return false;
    out = QTime(h, m, sec, s.fractionMs());
    return out.isValid();
}

// "+01", "-04:30": the offset in seconds.
bool readOffset(Scanner& s, int& seconds)
{
    const int sign = s.take('-') ? -1 : (s.take('+'), 1);
    int h = 0, m = 0, sec = 0;
    if (!s.number(h, 2))
        return false;
    if (s.take(':') && !s.number(m, 2))
        return false;
    if (s.take(':') && !s.number(sec, 2))
        return false;
    seconds = sign * (h * 3600 + m * 60 + sec);
    return true;
}

bool decode(const char* text, int length, qint64& out)
{
    const auto r = std::from_chars(text, text + length, out);
    return r.ec == std::errc() && r.ptr == text + length;
}

bool decode(const char* text, int length, double& out)
{
    const auto r = std::from_chars(text, text + length, out);
    return r.ec == std::errc() && r.ptr == text + length;
}

bool decode(const char* text, int, std::uint8_t& out)
{
    out = text[0] == 't' ? 1 : 0;
    return true;
}

bool decode(const char* text, int length, Decimal& out)
{
    const auto value = Decimal::parse(QString::fromLatin1(text, length));
    if (value)
        out = *value;
    return value.has_value();
}

bool decode(const char* text, int length, QDate& out)
{
    Scanner s(text, length);
    return readDate(s, out) && s.atEnd();
}

bool decode(const char* text, int length, QTime& out)
{
    Scanner s(text, length);
    return readTime(s, out) && s.atEnd();
}

bool decode(const char* text, int length, QDateTime& out)
{
    Scanner s(text, length);
    QDate date;
    QTime time;
    if (!readDate(s, date) || !s.take(' ') || !readTime(s, time))
        return false;
    if (s.atEnd()) {
        out = QDateTime(date, time, Qt::UTC);
        return true;
    }
    int offset = 0;
    if (!readOffset(s, offset) || !s.atEnd())
        return false;
    out = QDateTime(date, time, Qt::OffsetFromUTC, offset);
    return true;
}

// Values that do not read (infinite dates, NaN amounts) are left NULL.
template <class T>
void fill(const PGresult* result, int column, int rows, std::vector<T>& values,
          std::vector<std::uint8_t>& nulls)
{
    for (int row = 0; row < rows; ++row) {
        if (PQgetisnull(result, row, column))
            continue;
        if (decode(PQgetvalue(result, row, column), PQgetlength(result, row, column),
                   values[std::size_t(row)]))
            nulls[std::size_t(row)] = 0;
    }
}

// Texts go into the column's one buffer, in row order.
void fill(const PGresult* result, int column, int rows, Texts& values, std::vector<std::uint8_t>& nulls)
{
    qsizetype units = 0;
    for (int row = 0; row < rows; ++row)
        units += PQgetlength(result, row, column); // UTF-8 bytes: never fewer units
    values.resize(0);
    values.reserve(std::size_t(rows), units);
    for (int row = 0; row < rows; ++row) {
        if (PQgetisnull(result, row, column)) {
            values.appendEmpty();
            continue;
        }
        values.appendUtf8(PQgetvalue(result, row, column), PQgetlength(result, row, column));
        nulls[std::size_t(row)] = 0;
    }
}

} // namespace

std::shared_ptr<Table> decodeResult(std::shared_ptr<const PGresult> result)
{
    auto table = std::make_shared<Table>();
    const int rows = PQntuples(result.get());
    const int columns = PQnfields(result.get());
    table->columns.reserve(std::size_t(columns));
    for (int column = 0; column < columns; ++column) {
        table->addColumn(fieldInfo(result.get(), column));
        if (rows == 0)
            continue;
        table->columns.back().setPendingDecoder([result, column, rows](Column& c) {
            std::visit(
                [&](auto& values) {
                    if constexpr (!std::is_same_v<std::decay_t<decltype(values)>, Texts>)
                        values.resize(std::size_t(rows));
                },
                c.values());
            c.nulls().assign(std::size_t(rows), 1);
            std::visit([&](auto& values) { fill(result.get(), column, rows, values, c.nulls()); },
                       c.values());
        });
    }
    table->setLoadedRows(std::size_t(rows));
    return table;
}

} // namespace platform::db::detail
