#include "inifile.h"

#include "vbtext.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <optional>

namespace platform {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString trimBlanks(QStringView text)
{
    qsizetype from = 0, to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    return text.mid(from, to - from).toString();
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool hasLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// The name of a "[Section]" line.
std::optional<QString> sectionName(const QString& line)
{
    const QString t = trimBlanks(line);
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    return trimBlanks(QStringView(t).mid(1, (close < 0 ? t.size() : close) - 1));
}

struct KeyLine {
    QString key;
    QString value;
};

// The key and raw value of a "key=value" line.
std::optional<KeyLine> keyLine(const QString& line)
{
    const QString t = trimBlanks(line);
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0 || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    return KeyLine{trimBlanks(QStringView(t).left(eq)), trimBlanks(QStringView(t).mid(eq + 1))};
}

QString unquoted(const QString& value)
{
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
        return value.mid(1, value.size() - 2);
    return value;
}

// The lines of the file without their line ends; nullopt when it exists
// but cannot be read, no lines when it does not exist.
std::optional<QStringList> readLines(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return QStringList();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList lines = vb::fromAnsi(file.readAll()).split(QLatin1Char('\n'));
    if (lines.back().isEmpty())
        lines.removeLast(); // after the last line end
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}

bool writeLines(const QString& path, const QStringList& lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += vb::toAnsi(line) + "\r\n";
    return file.write(bytes) == bytes.size() && file.commit();
}

// Where a section's lines are: its header and the line after its last line.
struct SectionRange {
    qsizetype header;
    qsizetype end;
};

std::optional<SectionRange> findSection(const QStringList& lines, const QString& section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines[i]);
        if (!name || !sameName(*name, section))
            continue;
        qsizetype end = i + 1;
        while (end < lines.size() && !sectionName(lines[end]))
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<qsizetype> findKey(const QStringList& lines, const SectionRange& range, const QString& key)
{
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const auto kv = keyLine(lines[i]);
        if (kv && sameName(kv->key, key))
            return i;
    }
    return std::nullopt;
}

bool validNames(const QString& section, const QString& key, const QString& value)
{
    return !section.isEmpty() && !key.isEmpty() && !section.contains(QLatin1Char(']')) &&
           !key.contains(QLatin1Char('=')) && !key.startsWith(QLatin1Char('[')) &&
           !key.startsWith(QLatin1Char(';')) && !hasLineBreak(section) && !hasLineBreak(key) &&
           !hasLineBreak(value);
}

} // namespace

QString readProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& defaultValue)
{
    QString result = defaultValue;
    if (const auto lines = readLines(path)) {
        if (const auto range = findSection(*lines, trimBlanks(section))) {
            if (const auto at = findKey(*lines, *range, trimBlanks(key)))
                result = unquoted(keyLine((*lines)[*at])->value);
        }
    }
    return result.left(MaxProfileValueLength);
}

bool writeProfileString(const QString& path, const QString& section, const QString& key, const QString& value)
{
    const QString sectionText = trimBlanks(section), keyName = trimBlanks(key);
    if (!validNames(sectionText, keyName, value))
        return false;
    auto lines = readLines(path);
    if (!lines)
        return false;

    const auto range = findSection(*lines, sectionText);
    if (!range) {
        lines->append(QLatin1Char('[') + sectionText + QLatin1Char(']'));
        lines->append(keyName + QLatin1Char('=') + value);
    } else if (const auto at = findKey(*lines, *range, keyName)) {
        // The key keeps the spelling it has in the file.
        (*lines)[*at] = keyLine((*lines)[*at])->key + QLatin1Char('=') + value;
    } else {
        qsizetype after = range->header;
        for (qsizetype i = range->header + 1; i < range->end; ++i)
            if (keyLine((*lines)[i]))
                after = i;
        lines->insert(after + 1, keyName + QLatin1Char('=') + value);
    }
    return writeLines(path, *lines);
}

} // namespace platform
