#pragma once
// The ticket look-up of the report viewer: the call of xmuestraTICKET and
// the ticket text, one line per item of the ticket window's list, laid out
// for a width of 40 characters.

#include "platform/db/recordset.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace reports {

// The width of the ticket text and its separator line of 40 "=".
inline constexpr int AnchoTicket = 40;
QString separadorTicket();

// The ticket number as typed, trimmed, with zeros in front up to 10
// characters ("123" -> "0000000123"); longer numbers as they are.
QString numeroticket(const QString& texto);

// The plays of ticket `numero` sold on `fecha` by `vendedor` (a seller code),
// through xmuestraTICKET on the shared connection.
platform::db::RecordSet muestraticket(const QDate& fecha, const QString& vendedor, const QString& numero);

// The ticket text of the rows of xmuestraTICKET (at least one): the heading
// with the seller item `textoVendedor` and the ticket number, a group per
// lottery (its name centred, the normal plays three to a line, the special
// plays two to a line), the total and the ticket's state. Lottery and
// special-play names come from `loterias` (cod_lot, desc_lot) and `jugadas`
// (jugada, desc_jugada); a code missing there is shown itself. Rows whose
// play type is neither "1" nor "2" are left out; a NULL amount counts as 0.
QStringList textoticket(platform::db::RecordSet& rs, const QString& textoVendedor, const QString& numero,
                        const platform::db::RecordSet& loterias, const platform::db::RecordSet& jugadas);

} // namespace reports
