#pragma once
// conexionproceso: the connection of the long server runs (prize
// processing, tax processing), apart from the shared `conexion` so that
// nothing else waits on it. Each run opens a new one, replacing the last,
// with the same connection string as `conexion` and hour-long time-outs, and
// its owner closes it after the run.

#include "platform/db/connection.h"

namespace core {

// Seconds a long run may take before its call fails.
inline constexpr int TiempoProceso = 3600;

// The connection of the current (or last) long run.
platform::db::Connection& conexionproceso();

// Replaces conexionproceso with a newly opened connection to sesion()'s
// server, port and database and returns it. A failure to open is a DbError
// for the caller's trap; the unopened connection is left in its place.
platform::db::Connection& abreconexionproceso();

} // namespace core
