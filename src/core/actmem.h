#pragma once
// actmem: after the server has stored, changed or deleted a money movement,
// the same change is made to the seller's row of the line-up held in memory
// (core/rslineup.h), so the line-up window shows what DspLup22 would give
// for that date without asking the server again.
//
// The movement type is the first character of its type text, as the server
// counts it. A movement of amount m changes its seller's row:
//
//   type                            cuenta movimiento deposito total prestamo general
//   0 "0.- Pago Vendedor a Duroz"                       +m      -m              -m
//   1 "1.- Pago Duroz a Vendedor"                       -m      +m              +m
//   2 "2.- Prestamo"                                                    +m      +m
//   3 "3.- Pago Couta Prestamo"              +m                         -m      -m
//   4 "4.- Couta diaria Presamo"   (assigns a loan's daily instalment: nothing)
//   5 "5.- Pago Cuota Diaria"       +m                                  -m      -m
//
// Only the row of the movement's own seller, in a line-up of the movement's
// own date, changes; a movement of another date or of a seller without a row
// (or no line-up held) changes nothing. actmem never fails: the movement is
// already stored when it runs, so the editor must close on its success.
//
// Callers call it only after the server answered that it stored the change
// (ACTMOV 0, a delete done): nothing may change in memory otherwise.

#include "core/rslineup.h"
#include "platform/decimal.h"

#include <QDate>
#include <QString>
#include <optional>

namespace core {

// A movement as the line-up counts it.
struct MovimientoLineup {
    QString vendedor; // seller code; blanks around it are ignored
    QDate fecha;      // the movement's date
    QString tipo;     // the type text; its first character is the type
    platform::Decimal monto;
};

// add:    actmem({}, nuevo)
// modify: actmem(anterior, nuevo): the movement as it was is taken back
//         under its own type's rule (its own seller and date), then the new
//         one is applied
// delete: actmem(anterior, {})
// Returns how many changes reached a row (0, 1 or 2).
int actmem(const std::optional<MovimientoLineup>& anterior, const std::optional<MovimientoLineup>& nuevo);
// The same on a given line-up.
int actmem(LineupMemoria& lineup, const std::optional<MovimientoLineup>& anterior,
           const std::optional<MovimientoLineup>& nuevo);

// The current balance ("Saldo Jugada", total) of a seller's row in the line-up
// held in memory, for the movement editor's pre-filled amount of types 0 and
// 1; nullopt when the line-up holds no row of that seller.
std::optional<platform::Decimal> saldojugada(const QString& vendedor);

} // namespace core
