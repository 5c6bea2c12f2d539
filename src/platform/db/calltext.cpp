#include "platform/db/calltext.h"

namespace platform::db {
namespace {

bool isNameStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// A forward-only reader of one call text.
class CallReader {
public:
    explicit CallReader(const QString& text) : text_(text) {}

    bool atEnd()
    {
        skipBlanks();
        return pos_ >= text_.size();
    }

    QString name()
    {
        skipBlanks();
        const qsizetype start = pos_;
        if (pos_ < text_.size() && isNameStart(text_[pos_]))
            while (pos_ < text_.size() && isNameChar(text_[pos_]))
                ++pos_;
        return text_.mid(start, pos_ - start);
    }

    bool take(QChar c)
    {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    // One argument: 'text', a number or NULL; nullopt when none is there.
    std::optional<QVariant> argument()
    {
        skipBlanks();
        if (pos_ >= text_.size())
            return std::nullopt;
        if (text_[pos_] == QLatin1Char('\''))
            return quoted();
        if (text_[pos_].isDigit() || text_[pos_] == QLatin1Char('-') || text_[pos_] == QLatin1Char('+') ||
            text_[pos_] == QLatin1Char('.'))
            return number();
        const qsizetype start = pos_;
        if (name().compare(QLatin1String("null"), Qt::CaseInsensitive) == 0)
            return QVariant();
        pos_ = start;
        return std::nullopt;
    }

    QString rest() const { return text_.mid(pos_).left(40); }

private:
    void skipBlanks()
    {
        while (pos_ < text_.size() && text_[pos_].isSpace())
            ++pos_;
    }

    std::optional<QVariant> quoted()
    {
        QString value;
        for (++pos_; pos_ < text_.size(); ++pos_) {
            if (text_[pos_] != QLatin1Char('\'')) {
                value += text_[pos_];
            } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == QLatin1Char('\'')) {
                value += QLatin1Char('\'');
                ++pos_;
            } else {
                ++pos_;
                return QVariant(value);
            }
        }
        return std::nullopt; // unterminated
    }

    std::optional<QVariant> number()
    {
        const qsizetype start = pos_;
        if (text_[pos_] == QLatin1Char('-') || text_[pos_] == QLatin1Char('+'))
            ++pos_;
        qsizetype digits = 0;
        bool point = false;
        for (; pos_ < text_.size(); ++pos_) {
            if (text_[pos_].isDigit())
                ++digits;
            else if (text_[pos_] == QLatin1Char('.') && !point)
                point = true;
            else
                break;
        }
        if (digits == 0)
            return std::nullopt;
        return QVariant(text_.mid(start, pos_ - start));
    }

    const QString& text_;
    qsizetype pos_ = 0;
};

QString firstWord(const QString& text)
{
    CallReader reader(text);
    return reader.name();
}

} // namespace

QString quote(const QString& value)
{
    QString body = value;
    body.remove(QChar(0));
    body.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + body + QLatin1Char('\'');
}

QString callText(const QString& procedure, const QStringList& arguments)
{
    QStringList quoted;
    quoted.reserve(arguments.size());
    for (const QString& argument : arguments)
        quoted << quote(argument);
    return quoted.isEmpty() ? procedure : procedure + QLatin1Char(' ') + quoted.join(QLatin1String(", "));
}

std::optional<ParsedCall> parseCallText(const QString& text, QString* error)
{
    const auto fail = [&](const QString& near) -> std::optional<ParsedCall> {
        if (error)
            *error = QStringLiteral("Sintaxis incorrecta en la llamada cerca de \"%1\": %2")
                         .arg(near, text.left(200));
        return std::nullopt;
    };
    CallReader reader(text);
    ParsedCall call;
    call.procedure = reader.name();
    if (call.procedure.compare(QLatin1String("exec"), Qt::CaseInsensitive) == 0 ||
        call.procedure.compare(QLatin1String("execute"), Qt::CaseInsensitive) == 0)
        call.procedure = reader.name();
    if (call.procedure.isEmpty())
        return fail(reader.rest());
    if (reader.take(QLatin1Char(';')) || reader.atEnd())
        return reader.atEnd() ? std::optional(call) : fail(reader.rest());
    do {
        const auto argument = reader.argument();
        if (!argument)
            return fail(reader.rest());
        call.arguments << *argument;
    } while (reader.take(QLatin1Char(',')));
    reader.take(QLatin1Char(';'));
    if (!reader.atEnd())
        return fail(reader.rest());
    return call;
}

bool isSqlStatement(const QString& text)
{
    static const QStringList words = {QStringLiteral("select"), QStringLiteral("insert"),
                                      QStringLiteral("update"), QStringLiteral("delete"),
                                      QStringLiteral("with"),   QStringLiteral("values")};
    return words.contains(firstWord(text).toLower());
}

} // namespace platform::db
