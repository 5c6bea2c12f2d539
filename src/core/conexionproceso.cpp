#include "core/conexionproceso.h"

#include "core/conexion.h"
#include "core/sesion.h"

namespace core {

platform::db::Connection& conexionproceso()
{
    static platform::db::Connection conexion;
    return conexion;
}

platform::db::Connection& abreconexionproceso()
{
    platform::db::Connection& c = conexionproceso();
    c = platform::db::Connection();
    const Sesion& s = sesion();
    c.open(cadenadeconexion(s.servidor, s.puerto, s.basedatos, true), TiempoProceso);
    return c;
}

} // namespace core
