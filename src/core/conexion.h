#pragma once
// The shared connection: opening and re-opening it, the fresh-connection
// check many handlers run first, the error trap most database handlers
// carry, and the server's clock.

#include "platform/db/connection.h"

#include <QString>
#include <functional>

namespace core {

// The TCP port of the house server: "1756". The environment variable
// DUROZ_PUERTO may name another (the tests' throw-away cluster).
QString puertoservidor();

// The stored (encoded) database login and password; configuration: the
// environment variables DUROZ_DB_LOGIN and DUROZ_DB_PASSWORD may hold others,
// in the same encoded form.
QString loginalmacenado();
QString clavealmacenada();

// The connection string for `servidor`, `puerto` and a database, with the
// credentials decoded (to connect) or as stored (the text copy).
QString cadenadeconexion(const QString& servidor, const QString& puerto, const QString& basedatos,
                         bool credencialesdecodificadas);
// Rebuilds sesion().cadenaconexion from the login values.
void reconstruyecadenaconexion();

// Shows the shared message box with `mensaje` and `titulo` (critical icon)
// and keeps its answer.
void cajacompartida(const QString& mensaje, const QString& titulo);

// Replaces `conexion` with a newly opened connection to sesion()'s server,
// port and database. When that fails, shows its own message, leaves the new
// unopened connection in `conexion` and returns false; never ends the
// program.
bool abreconexion(platform::db::Connection& conexion, int flag = 0, int cursorlocation = 3);

// At the start of a handler: an open shared connection is replaced by a
// fresh one; a closed one is left for the error trap to reconnect.
void renuevaconexion();

// Sets sesion().fechaactual ("dd/mm/yyyy") and horaactual ("HH:mm:ss ")
// from the server's clock. Failures go to the caller's trap.
void fechaservidor();

// The error trap of a handler. A closed connection (3704) is reopened and,
// as the variant says, the failing handler runs again, another handler of
// the window runs, or the handler just ends. Re-runs after 3704 are bounded:
// past MaxReejecuciones the general error message is shown instead. Any
// other error shows the general message, in the numbered variant with the
// error number. platform::ProgramEnded always passes through.
class Trampa {
public:
    static constexpr int MaxReejecuciones = 3;

    // After reconnecting, the failing handler runs again from its start.
    static Trampa reejecuta();
    // After reconnecting, `otro` (another handler of the window) runs.
    static Trampa ejecuta(std::function<void()> otro);
    // After reconnecting, the handler ends.
    static Trampa simple();

    // The general message carries "ERROR NRO: " and the error number.
    Trampa& numerada();
    // A failed reconnection ends the program after its messages.
    Trampa& terminaSiNoReconecta();

private:
    friend void manejoerrores(const Trampa&, const std::function<void()>&);
    enum class Modo { Reejecuta, Ejecuta, Simple };
    explicit Trampa(Modo modo, std::function<void()> otro = {});
    void ejecutar(const std::function<void()>& manejador, int reejecuciones) const;
    void reconectar(const std::function<void()>& manejador, int reejecuciones) const;

    Modo modo_;
    std::function<void()> otro_;
    bool numerada_ = false;
    bool terminaSiNoReconecta_ = false;
};

// Runs `manejador` under `trampa`.
void manejoerrores(const Trampa& trampa, const std::function<void()>& manejador);

// The trap's general message: "Ha ocurrido un error probablemente por la
// perdida de conexión…", with "ERROR NRO: " and `numero` when `numerada`.
void muestraMensajeGeneral(int numero, bool numerada);

// An error that escapes a handler without a trap of its own shows the
// trap's general message with its number, and the program goes on. The
// program installs it at start, once its application object exists.
void installEscapedErrorReport();

} // namespace core
