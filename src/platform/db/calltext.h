#pragma once
// SQL texts the windows send through Connection::execute().
//
// Windows build every text through callText() and quote(), so no value an
// operator typed can end a literal early. The connection then reads a call
// text back into a procedure name and its arguments (parseCallText) and runs
// it with bound parameters: even a text pasted together by hand never
// reaches the server as SQL.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace platform::db {

// 'value' with every ' doubled: a safe SQL string literal. NUL characters,
// which no text column can hold, are dropped.
QString quote(const QString& value);

// The call text of a procedure with every argument quoted:
// callText("xDSPLOT", {"4", "A"}) gives "xDSPLOT '4', 'A'"; no arguments
// give the bare name.
QString callText(const QString& procedure, const QStringList& arguments = {});

// A call text read back: "NAME 'a', 'b'", "NAME 'a','b'", "exec NAME 'a', 5",
// a bare "NAME"; arguments are quoted texts (with '' for '), numbers
// (-12, 3.5: kept as their text) or NULL (a null QVariant).
struct ParsedCall {
    QString procedure;
    QList<QVariant> arguments;
};

// nullopt with `error` set when the text is not a call text.
std::optional<ParsedCall> parseCallText(const QString& text, QString* error = nullptr);

// True for texts that are SQL statements of their own (SELECT, INSERT,
// UPDATE, DELETE, WITH, VALUES as the first word, any case), which run as
// they stand; every other text is a call text.
bool isSqlStatement(const QString& text);

} // namespace platform::db
