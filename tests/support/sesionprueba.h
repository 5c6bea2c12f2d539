#pragma once
// Points the program's shared state at a test database and opens the shared
// connection, as a login would. Header-only: suites that include it link
// duroz_core themselves.

#include "core/conexion.h"
#include "core/sesion.h"
#include "testdb.h"

#include <stdexcept>

namespace testsupport {

inline void conectaSesion(const TestDatabase& db)
{
    core::Sesion& s = core::sesion();
    s = core::Sesion();
    s.servidor = TestDatabase::host();
    s.puerto = TestDatabase::port();
    s.basedatos = db.name();
    // Windows that set the port again ("1756") get the cluster's instead.
    qputenv("DUROZ_PUERTO", TestDatabase::port().toLatin1());
    core::reconstruyecadenaconexion();
    if (!core::abreconexion(s.conexion, 0, 3))
        throw std::runtime_error("cannot open the shared connection to the test database");
}

} // namespace testsupport
