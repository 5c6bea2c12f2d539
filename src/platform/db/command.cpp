#include "platform/db/command.h"

#include "platform/db/dberror.h"
#include "platform/db/session.h"
#include "platform/db/signatures.h"

#include <algorithm>

namespace platform::db {
namespace {

bool isDecimalType(DataType type)
{
    return type == DataType::Decimal || type == DataType::Numeric;
}

QString bareName(const QString& name)
{
    return name.startsWith(QLatin1Char('@')) ? name.mid(1) : name;
}

Decimal fitted(const Decimal& value, const Parameter& p)
{
    if (p.precision() <= 0)
        return value;
    const Decimal rounded = value.rounded(p.numericScale(), Decimal::Rounding::HalfAwayFromZero);
    if (rounded.integerDigits() > p.precision() - p.numericScale())
        throw DbError::serverRule(
            QStringLiteral("Desbordamiento aritmético: %1 no cabe en %2 (numeric %3,%4).")
                .arg(rounded.toString(), p.name())
                .arg(p.precision())
                .arg(p.numericScale()));
    return rounded;
}

// The first `size` characters as the server counts them (code points: an
// emoji is one character, and never split in two).
QString firstCharacters(const QString& text, int size)
{
    qsizetype end = 0;
    for (int counted = 0; counted < size && end < text.size(); ++counted)
        end += text.at(end).isHighSurrogate() && end + 1 < text.size() && text.at(end + 1).isLowSurrogate()
                   ? 2
                   : 1;
    return text.left(end);
}

} // namespace

// --- Parameter

Parameter::Parameter(const QString& name, DataType type, Direction direction, int size, const QVariant& value)
    : name_(name)
    , type_(type)
    , direction_(direction)
    , size_(size)
    , value_(value)
{
}

Parameter& Parameter::setValue(const QVariant& value)
{
    value_ = value;
    return *this;
}

Parameter& Parameter::setSize(int size)
{
    size_ = size;
    return *this;
}

Parameter& Parameter::setPrecision(int precision)
{
    precision_ = precision;
    return *this;
}

Parameter& Parameter::setNumericScale(int scale)
{
    scale_ = scale;
    return *this;
}

bool Parameter::isInput() const
{
    return direction_ == Direction::Input || direction_ == Direction::InputOutput;
}

QVariant Parameter::boundValue() const
{
    const auto converted = convertValue(value_, type_);
    if (!converted)
        throw DbError::wrongType(QStringLiteral("\"%1\" para el parámetro %2").arg(value_.toString(), name_));
    if (!converted->isValid())
        return {};
    if (isDecimalType(type_))
        return QVariant::fromValue(fitted(converted->value<Decimal>(), *this));
    if ((type_ == DataType::VarChar || type_ == DataType::Char) && size_ > 0)
        return QVariant(firstCharacters(converted->toString(), size_));
    return *converted;
}

// --- Command

Command::Command(const Connection& connection, const QString& procedure)
    : connection_(connection)
    , procedure_(procedure)
{
}

void Command::setActiveConnection(const Connection& connection)
{
    connection_ = connection;
}

void Command::setCommandText(const QString& procedure)
{
    procedure_ = procedure;
}

void Command::setCommandTimeout(int seconds)
{
    timeout_ = seconds;
}

Parameter& Command::append(const QString& name, DataType type, Direction direction, int size,
                           const QVariant& value)
{
    return parameters_.emplace_back(name, type, direction, size, value);
}

Parameter& Command::appendDecimal(const QString& name, DataType type, Direction direction, int precision,
                                  int scale, const QVariant& value)
{
    return append(name, type, direction, 0, value).setPrecision(precision).setNumericScale(scale);
}

Parameter& Command::parameter(int index)
{
    if (index < 0 || index >= parameterCount())
        throw DbError::itemNotFound(QString::number(index));
    return parameters_[std::size_t(index)];
}

Parameter& Command::parameter(const QString& name)
{
    return const_cast<Parameter&>(std::as_const(*this).parameter(name));
}

const Parameter& Command::parameter(const QString& name) const
{
    for (const Parameter& p : parameters_)
        if (p.name().compare(name, Qt::CaseInsensitive) == 0)
            return p;
    throw DbError::itemNotFound(name);
}

void Command::setValue(const QString& name, const QVariant& value)
{
    parameter(name).setValue(value);
}

void Command::setValue(int index, const QVariant& value)
{
    parameter(index).setValue(value);
}

QVariant Command::value(const QString& name) const
{
    return parameter(name).value();
}

RecordSet Command::execute()
{
    detail::Session& session = *connection_.d_;
    if (!session.isOpen())
        throw DbError::closed();
    QList<QVariant> inputs;
    for (const Parameter& p : parameters_)
        if (p.isInput())
            inputs << p.boundValue();
    auto result = session.call(procedure_, inputs, std::max(timeout_, 0));
    for (Parameter& p : parameters_) {
        if (p.direction() == Direction::ReturnValue) {
            const QVariant answer = result.outputs.value(QStringLiteral("return_value"));
            p.setValue(answer.isValid() ? answer : QVariant(qint64(0)));
        } else if (p.direction() != Direction::Input) {
            const QString key = bareName(p.name()).toLower();
            if (result.outputs.contains(key))
                p.setValue(result.outputs.value(key));
        }
    }
    return result.rows;
}

long long signatureLookupCount()
{
    return detail::signatureLookupCount();
}

} // namespace platform::db
