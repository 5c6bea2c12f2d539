#pragma once
// Internal to the data-access layer: what libpq reports, turned into the
// DbError numbers of dberror.h. Every PostgreSQL condition is mapped here and
// nowhere else.

#include "platform/db/dberror.h"

#include <libpq-fe.h>

namespace platform::db::detail {

// A connection attempt that failed. The attempt must have run with
// PQERRORS_VERBOSE so the server's SQLSTATE is in the message: a refused
// login (class 28) is LoginFailed, everything else CannotConnect.
DbError connectError(PGconn* connection);
// A connection attempt that did not finish within its time-out.
DbError connectTimeout(int seconds);
// A statement that failed: Timeout for a cancelled statement, CannotConnect
// when the connection broke, otherwise ServerError with the server's message.
DbError statementError(PGconn* connection, const PGresult* result);

} // namespace platform::db::detail
