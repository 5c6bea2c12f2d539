#pragma once
// Program-wide state of the back office: the one shared connection, the
// values set at login and the few values windows hand to each other.

#include "platform/db/connection.h"
#include "platform/db/recordset.h"

#include <QString>

namespace core {

// The shared message box: set and shown together (see cajacompartida()).
struct CajaCompartida {
    QString mensaje;
    int estilo = 16;
    QString titulo;
    QString archivoayuda;
    int contextoayuda = 1000;
    int respuesta = 0;
};

struct Sesion {
    // The shared connection; every abreconexion() replaces it.
    platform::db::Connection conexion;
    // Text copy of the connection string with the credentials as stored;
    // never used to open the shared connection.
    QString cadenaconexion;

    // Login values.
    QString servidor;
    QString puerto = QStringLiteral("1756");
    QString basedatos;
    QString usuarioactual;
    QString nombreoperador;
    QString nombrebanca;
    QString permisoactual;

    // Server date and time of the last fechaservidor().
    QString fechaactual;
    QString horaactual;

    // Requests one window leaves for the next.
    QString modoedicion;

    CajaCompartida caja;
};

Sesion& sesion();

} // namespace core
