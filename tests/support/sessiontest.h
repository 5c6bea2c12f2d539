#pragma once
// DatabaseTest with the program's shared session connected to the suite's
// database, as a login leaves it; the session is cleared after each test.
// Header-only: suites that include it link duroz_core themselves.

#include "core/conexion.h"
#include "core/sesion.h"
#include "databasetest.h"

#include <stdexcept>

namespace testsupport {

// Points the shared state at `db` and opens the shared connection.
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

class SessionTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (HasFatalFailure())
            return;
        conectaSesion(*db_);
    }

    void TearDown() override
    {
        DatabaseTest::TearDown();
        core::sesion() = core::Sesion();
    }

    static platform::db::Connection& conexion() { return core::sesion().conexion; }
};

} // namespace testsupport
