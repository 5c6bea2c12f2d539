#pragma once
// The sale-point report after an update: on a sale point whose updater was
// started with "/1", the sale point's settings file TAQUILLA.INI names the
// database server, and the server is told which user and seller work there
// (server procedure xedotaquilla). The updater opens its own connection for
// it, with its own credentials.

#include "core/sesion.h"
#include "platform/db/connection.h"

#include <QHash>
#include <QString>
#include <QVariant>

namespace updater {

// What the updater keeps of TAQUILLA.INI: the four values it uses, and the
// others by key (the numeric keys as numbers).
struct ValoresTaquilla {
    QString usuariotaquilla;  // [Usuario Actual] Usuario
    QString vendedortaquilla; // [Usuario Actual] Vendedor
    QString servidorini;      // [Comunicaciones] DIRIP_1
    QString basedatosini;     // [Comunicaciones] BDONLine
    QHash<QString, QVariant> otros;
};

// The updater's own state: its connection and the values its opener uses.
struct EstadoActualizador {
    QString servidor;
    QString basedatos;
    platform::db::Connection conexion;
    core::CajaCompartida caja;
    ValoresTaquilla taquilla;
};

EstadoActualizador& estadoactualizador();

// The settings file's keys, read in their order; missing keys are empty
// (numbers 0).
ValoresTaquilla leetaquilla(const QString& archivo);

// The database server's port: "1433", unless the environment variable
// PELVANTO_PUERTO names another.
QString puertoactualizador();
// The updater's database login and password as stored (encoded as the back
// office stores its own); the environment variables PELVANTO_DB_LOGIN and
// PELVANTO_DB_PASSWORD may hold others in the same form.
QString loginactualizador();
QString claveactualizador();

// Puts a newly opened connection to the state's server and database into
// `conexion`. On failure it shows "No se puede Conectar con el Servidor de
// Datos Remotos... Finalizando" and, when the server could not be reached at
// all, ends the program; otherwise it returns false.
bool abreconexion(platform::db::Connection& conexion, int flag = 0, int cursorlocation = 3);

// After a completed update. `argumentos` is the command line after the
// program's name. Only with exactly "/1", and a TAQUILLA.INI in the program
// folder: reads it, connects and calls xedotaquilla with the user and seller
// as bound values, then thanks the user. A failure of the call is thrown
// (platform::db::DbError) to the caller's trap.
void verificaedotaquilla(const QString& argumentos);

} // namespace updater
