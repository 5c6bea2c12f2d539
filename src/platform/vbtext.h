#pragma once
// Text helpers with the semantics the windows were written against: blanks
// (never tabs or line ends) trimmed, 1-based positions, out-of-range
// arguments clamped instead of failing, "banker's" rounding, the leading
// number of a text, and the workstation's ANSI code page.

#include <QByteArray>
#include <QChar>
#include <QString>

namespace platform::vb {

// Blanks (U+0020) only; tabs and line ends stay.
QString trim(const QString& text);
QString ltrim(const QString& text);
QString rtrim(const QString& text);

// The first / last n characters; n < 0 counts as 0, n past the end gives the
// whole text.
QString left(const QString& text, qsizetype n);
QString right(const QString& text, qsizetype n);
// From the 1-based position `start` (values below 1 count as 1), `length`
// characters or, when negative, up to the end. A start past the end gives "".
QString mid(const QString& text, qsizetype start, qsizetype length = -1);

// 1-based position of `find` in `text` from `start` (below 1 counts as 1),
// exact comparison; 0 when absent or when `start` is past the end. An empty
// `find` is found at `start` when `start` is within the text + 1.
qsizetype instr(const QString& text, const QString& find, qsizetype start = 1);

QString ucase(const QString& text);
QString lcase(const QString& text);
qsizetype len(const QString& text);
// n blanks / n copies of c; n < 0 counts as 0.
QString space(qsizetype n);
QString string(qsizetype n, QChar c);

// The number at the start of the text, read with "." as decimal point
// whatever the regional settings: blanks, tabs and line feeds are skipped
// anywhere, an optional sign, digits, one ".", digits, an optional exponent
// ("E" or "D", sign, digits); reading stops at the first other character.
// "16" -> 16, " 1 2.5x" -> 12.5, "12,5" -> 12, "" -> 0, "abc" -> 0.
double val(const QString& text);

// Rounds to `decimals` places (below 0 counts as 0) with halves going to
// the even digit (0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -2.5 -> -2), on the binary
// value as given.
double round(double value, int decimals = 0);
// A whole number rounded as round(); throws std::overflow_error outside
// 64 bits or for NaN (the conversion's "overflow").
long long clng(double value);

// The workstation's ANSI code page (Windows-1252: Latin-1 plus the
// printable characters in 0x80-0x9F such as "€" and curly quotes).
// Characters it cannot hold become "?".
QString fromAnsi(const QByteArray& bytes);
QByteArray toAnsi(const QString& text);
// The character of an ANSI code (0-255); "?" for other codes.
QChar chr(int code);
// The ANSI code of a character ("?" for characters outside the code page).
int asc(QChar c);

} // namespace platform::vb
