#pragma once
// The line-up held in memory (rslineup): every seller's balance for one
// date, copied from the rows of the server procedure DspLup22. The line-up
// window (Form51) builds it, binds its grid to it and releases it when it
// closes; the movement editor changes it through actmem (core/actmem.h) after
// the server has stored a movement, so the grid follows the movements
// without asking the server again.
//
// It lives in core, beside the other program-wide values, because two
// subsystems use it: the line-up windows (which own it) and the movement
// editor (which changes it).
//
// Fields, in this order (names looked up without regard to case):
//   0 codven        text 5   seller code
//   1 nomven        text 50  seller name
//   2 fecha         text 10  "Ultima Fec.": the seller's last date with a
//                            daily result or a movement before the line-up's
//   3 deuda         amount   balance brought forward
//   4 cuenta        amount   account of the date
//   5 movimiento    amount   loan instalments paid (type 3)
//   6 deposito      amount   payments: type 0 minus type 1
//   7 total         amount   current (lottery) balance
//   8 saldoprestamo amount   loan balance
//   9 saldogragral  amount   general balance = total + saldoprestamo
// Amounts are exact decimals of scale 3 whatever built the copy, so they
// keep their decimals and a million or more loads like any other amount.
// server/README.md ("The line-up") gives the rules behind each column.

#include "platform/db/recordset.h"

#include <QDate>
#include <QStringList>
#include <functional>

namespace core {

// The ten field names, in order.
const QStringList& camposLineup();

struct LineupMemoria {
    // The rows: open with the ten fields while a line-up is held; a closed,
    // empty record set otherwise. Its cursor is the grid's current row.
    platform::db::RecordSet rs = cerrado();
    // The date of the rows; null while none is held.
    QDate fecha;
    // Called after actmem changed a row (the window repaints its grid).
    std::function<void()> cambiado;

    // A line-up is held: rows of a date (possibly none).
    bool vigente() const;

    static platform::db::RecordSet cerrado();
};

// The program's one line-up in memory.
LineupMemoria& rslineup();

// A new, open line-up record set holding a copy of `origen`'s rows (each of
// the ten fields from the column of its name, any case), from its first row
// to its end; left on its first row. `origen`'s cursor ends past its last
// row. A missing column or a value that is no amount throws DbError and
// gives nothing.
platform::db::RecordSet copiaLineup(platform::db::RecordSet& origen);

// Holds `rs` as the line-up of `fecha` (the previous record set is dropped,
// not closed: a grid may still show it).
void fijaLineup(const platform::db::RecordSet& rs, const QDate& fecha);

// Closes the held record set and forgets the line-up; harmless when none is
// held.
void liberaLineup();

} // namespace core
