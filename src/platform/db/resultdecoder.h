#pragma once
// Internal to the data-access layer: a libpq result (text format) decoded
// into the rows of a record set. Whole numbers become qint64, numeric
// Decimal, float double, char/varchar/text QString (char keeps the blanks
// the server pads it with), date QDate, time QTime, timestamp QDateTime,
// bool bool; any other type arrives as its text.

#include "platform/db/recordtable.h"

#include <libpq-fe.h>
#include <memory>

namespace platform::db::detail {

// Each column is decoded the first time it is read; until the last one is,
// the table keeps the result.
std::shared_ptr<Table> decodeResult(std::shared_ptr<const PGresult> result);

} // namespace platform::db::detail
