#include "platform/db/criteria.h"

#include <array>
#include <utility>

namespace platform::db::detail {
namespace {

using Op = Criterion::Op;

bool isNumeric(DataType type)
{
    switch (type) {
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::BigInt:
    case DataType::Double:
    case DataType::Decimal:
    case DataType::Numeric: return true;
    default: return false;
    }
}

bool isText(DataType type)
{
    return type == DataType::Char || type == DataType::VarChar;
}

QString rightTrimmed(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.left(end);
}

// Splits "name op value" into its three parts.
struct Parts {
    QString field;
    Op op = Op::Equal;
    QString value;
};

std::optional<Parts> split(const QString& text)
{
    static const std::array<std::pair<const char*, Op>, 6> symbols = {{
        {"<=", Op::LessOrEqual},
        {">=", Op::GreaterOrEqual},
        {"<>", Op::NotEqual},
        {"=", Op::Equal},
        {"<", Op::Less},
        {">", Op::Greater},
    }};
    static const QRegularExpression like(QStringLiteral("\\s+like\\s+"),
                                         QRegularExpression::CaseInsensitiveOption);
    Parts parts;
    const QString t = text.trimmed();
    const auto likeMatch = like.match(t);
    qsizetype symbolAt = -1;
    for (const auto& [symbol, op] : symbols) {
        const qsizetype at = t.indexOf(QLatin1String(symbol));
        if (at > 0 && (symbolAt < 0 || at < symbolAt)) {
            symbolAt = at;
            parts.op = op;
            parts.value = t.mid(at + qsizetype(qstrlen(symbol)));
        }
    }
    if (likeMatch.hasMatch() && (symbolAt < 0 || likeMatch.capturedStart() < symbolAt)) {
        symbolAt = likeMatch.capturedStart();
        parts.op = Op::Like;
        parts.value = t.mid(likeMatch.capturedEnd());
    }
    if (symbolAt <= 0)
        return std::nullopt;
    parts.field = t.left(symbolAt).trimmed();
    if (parts.field.startsWith(QLatin1Char('[')) && parts.field.endsWith(QLatin1Char(']')))
        parts.field = parts.field.mid(1, parts.field.size() - 2);
    parts.value = parts.value.trimmed();
    return parts;
}

// The literal's text: 'quoted' (with '' for '), #date# or a bare number.
std::optional<QString> literalText(const QString& value, bool* quoted)
{
    *quoted = false;
    if (value.size() >= 2 && value.startsWith(QLatin1Char('\'')) && value.endsWith(QLatin1Char('\''))) {
        *quoted = true;
        return value.mid(1, value.size() - 2).replace(QLatin1String("''"), QLatin1String("'"));
    }
    if (value.size() >= 2 && value.startsWith(QLatin1Char('#')) && value.endsWith(QLatin1Char('#')))
        return value.mid(1, value.size() - 2);
    if (Decimal::parse(value))
        return value;
    return std::nullopt;
}

std::optional<QVariant> literalFor(const QString& text, DataType type)
{
    if (isNumeric(type)) {
        // Criteria write numbers the SQL way ("12.5").
        if (const auto plain = Decimal::parse(text))
            return QVariant::fromValue(*plain);
        return std::nullopt;
    }
    if (isText(type))
        return QVariant(text);
    return convertValue(QVariant(text), type);
}

QRegularExpression likePattern(const QString& pattern)
{
    QString regex;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('*') || c == QLatin1Char('%'))
            regex += QLatin1String(".*");
        else
            regex += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(regex),
                              QRegularExpression::CaseInsensitiveOption |
                                  QRegularExpression::DotMatchesEverythingOption);
}

int compareNumbers(const QVariant& cell, const QVariant& literal)
{
    const auto a = toDecimal(cell);
    const auto b = literal.value<Decimal>();
    if (!a)
        return cell.toDouble() < b.toDouble() ? -1 : cell.toDouble() > b.toDouble() ? 1 : 0;
    const auto order = *a <=> b;
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

template <class T> int compareOrdered(const T& a, const T& b)
{
    return a < b ? -1 : b < a ? 1 : 0;
}

int compareCell(const QVariant& cell, const QVariant& literal, DataType type)
{
    if (isNumeric(type))
        return compareNumbers(cell, literal);
    switch (type) {
    case DataType::Date: return compareOrdered(cell.toDate(), literal.toDate());
    case DataType::Time: return compareOrdered(cell.toTime(), literal.toTime());
    case DataType::DateTime: return compareOrdered(cell.toDateTime(), literal.toDateTime());
    case DataType::Boolean: return compareOrdered(cell.toBool(), literal.toBool());
    default:
        return rightTrimmed(cell.toString()).compare(rightTrimmed(literal.toString()), Qt::CaseInsensitive);
    }
}

} // namespace

std::optional<Criterion> parseCriterion(const QString& text, const Table& table, QString* error)
{
    const auto fail = [&](const QString& why) -> std::optional<Criterion> {
        *error = QStringLiteral("%1: \"%2\"").arg(why, text);
        return std::nullopt;
    };
    const auto parts = split(text);
    if (!parts)
        return fail(QStringLiteral("criterio de búsqueda no válido"));
    Criterion criterion;
    criterion.column = table.indexOf(parts->field);
    if (criterion.column < 0)
        return fail(QStringLiteral("el campo no existe"));
    criterion.op = parts->op;
    bool quoted = false;
    const auto literal = literalText(parts->value, &quoted);
    if (!literal)
        return fail(QStringLiteral("valor no válido en el criterio"));
    const DataType type = table.columns[std::size_t(criterion.column)].info().type;
    if (criterion.op == Op::Like) {
        criterion.pattern = likePattern(*literal);
        return criterion;
    }
    const auto converted = literalFor(*literal, type);
    if (!converted)
        return fail(QStringLiteral("valor del tipo incorrecto en el criterio"));
    criterion.literal = *converted;
    return criterion;
}

bool matches(const Criterion& criterion, const Column& column, std::size_t row)
{
    if (column.isNull(row))
        return false;
    const QVariant cell = column.get(row);
    if (criterion.op == Op::Like)
        return criterion.pattern.match(rightTrimmed(cell.toString())).hasMatch();
    const int c = compareCell(cell, criterion.literal, column.info().type);
    switch (criterion.op) {
    case Op::Equal: return c == 0;
    case Op::NotEqual: return c != 0;
    case Op::Less: return c < 0;
    case Op::Greater: return c > 0;
    case Op::LessOrEqual: return c <= 0;
    case Op::GreaterOrEqual: return c >= 0;
    case Op::Like: break;
    }
    return false;
}

} // namespace platform::db::detail
