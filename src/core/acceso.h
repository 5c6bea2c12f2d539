#pragma once
// The server calls of the login and the main menu: the operator's
// validation, the central server's name look-up and the three lookup lists
// that the main menu loads for every later window.

#include "platform/db/connection.h"
#include "platform/db/recordset.h"

#include <QString>

namespace core {

// The database of the central server that resolves server names: "master",
// unless the environment variable DUROZ_BD_CENTRAL names another (tests).
QString basedatoscentral();

// The central server's address written under "ip_enganche" when the
// settings file has none: "127.0.0.1", unless the environment variable
// DUROZ_IP_ENGANCHE names another.
QString direccioncentralpordefecto();

// VLDUSRB: the return value as trimmed text ("0" when the call went
// through) and the rows: one row (NombreOpe, Name_duroz, permisooperador)
// for an operator whose password matches, none otherwise. Errors of the
// call pass to the caller.
struct Validacion {
    QString retorno;
    platform::db::RecordSet filas;
};
Validacion validausuario(platform::db::Connection& conexion, const QString& usuario, const QString& clave);

// obternerip on the central server: opens a private connection with
// `cadena`, asks for the address of the server named `nombre`, closes the
// connection and returns the trimmed answer (empty for a name the central
// server does not know). Errors (the central server cannot be reached)
// pass to the caller.
QString consultadireccion(const QString& cadena, const QString& nombre);

// Loads rsloterias ("xDSPLOT '4', 'A'"), rsjugadas ("DSPjugadeta") and
// rsvendedores ("dspven2 '5'") of sesion() over `conexion`.
void cargalistascompartidas(platform::db::Connection& conexion);

} // namespace core
