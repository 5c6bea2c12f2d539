#pragma once
// What the special-play windows take from their neighbours at the moment of
// each operation (never once when they open, so moving another window's
// current row in between changes the target): the lottery selected in the
// lottery catalogue "Form5", and the special play selected in "Form46".
// A window that is not open selects nothing: "".
//
// Writes sent as SQL text run through escribeentransaccion(): one statement
// in a transaction of the shared connection, rolled back when it fails.

#include <QString>

namespace lotteries {

// The code of the lottery catalogue's current row, trimmed.
QString loteriaactual();
// Its name, without trailing blanks.
QString nombreloteriaactual();
// The special play of Form46's current line: the text of its first column
// up to the first blank.
QString especialactual();

// Runs a write text (a DELETE, an "exec" call) on the shared connection in a
// transaction of its own: committed when it succeeds, rolled back and the
// error passed on when it fails.
void escribeentransaccion(const QString& texto);

} // namespace lotteries
