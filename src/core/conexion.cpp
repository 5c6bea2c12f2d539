#include "core/conexion.h"

#include "core/rutinas.h"
#include "core/sesion.h"
#include "platform/db/dberror.h"
#include "platform/messages.h"
#include "platform/ui/application.h"

#include <QDateTime>

namespace core {

using platform::db::Connection;
using platform::db::DbError;
namespace err = platform::db::err;

namespace {

// The product's login role, encoded as the program has always held it.
constexpr const char* LoginCodificado = "101/119/117/115/127/";
constexpr const char* ClaveCodificada = "108/113/117/122/102/121/123/58/57/58/66/";
// Connections were opened with a one-day time-out; the data layer caps it.
constexpr int TiempoConexion = 86400;
// What a C++ failure that is no database error shows as its number.
constexpr int ErrorInterno = 0;

QString entornoOPorDefecto(const char* variable, const char* porDefecto)
{
    const QString valor = qEnvironmentVariable(variable);
    return valor.isEmpty() ? QString::fromLatin1(porDefecto) : valor;
}

QString detallesDelError(const DbError& e)
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Error Nro:") + QString::number(e.number()) + crlf +
           QStringLiteral("Descripción:") + e.description() + crlf + QStringLiteral("BASE DE DATOS Origen:") +
           e.source() + crlf;
}

} // namespace

QString puertoservidor()
{
    return entornoOPorDefecto("DUROZ_PUERTO", "1756");
}

QString loginalmacenado()
{
    return entornoOPorDefecto("DUROZ_DB_LOGIN", LoginCodificado);
}

QString clavealmacenada()
{
    return entornoOPorDefecto("DUROZ_DB_PASSWORD", ClaveCodificada);
}

QString cadenadeconexion(const QString& servidor, const QString& puerto, const QString& basedatos,
                         bool credencialesdecodificadas)
{
    const QString login = credencialesdecodificadas ? decodificacredencial(loginalmacenado())
                                                    : loginalmacenado();
    const QString clave = credencialesdecodificadas ? decodificacredencial(clavealmacenada())
                                                    : clavealmacenada();
    return QStringLiteral("Provider=sqloledb;Network Library=DBMSSOCN;Data Source=") + servidor +
           QLatin1Char(',') + puerto + QStringLiteral(";Initial Catalog=") + basedatos +
           QStringLiteral(";User id=") + login + QStringLiteral(";Password=") + clave;
}

void reconstruyecadenaconexion()
{
    Sesion& s = sesion();
    s.cadenaconexion = cadenadeconexion(s.servidor, s.puerto, s.basedatos, false);
}

void cajacompartida(const QString& mensaje, const QString& titulo)
{
    CajaCompartida& caja = sesion().caja;
    caja.mensaje = mensaje;
    caja.titulo = titulo;
    caja.estilo = platform::msg::Critical;
    caja.archivoayuda.clear();
    caja.contextoayuda = 1000;
    caja.respuesta = platform::msgbox(caja.mensaje, caja.estilo, caja.titulo);
}

bool abreconexion(Connection& conexion, int flag, int cursorlocation)
{
    // Only client-side cursors exist here; the arguments stay for the
    // callers' sake.
    Q_UNUSED(flag);
    Q_UNUSED(cursorlocation);
    const Sesion& s = sesion();
    // The variable holds the new object whatever the outcome: after a failed
    // opening it is unopened, so the next statement fails with 3704 and the
    // error trap's reconnection takes over, instead of going on with an old
    // connection that may be dead.
    conexion = Connection();
    try {
        conexion.open(cadenadeconexion(s.servidor, s.puerto, s.basedatos, true), TiempoConexion);
        return true;
    } catch (const DbError& e) {
        if (e.number() == err::CannotConnect)
            cajacompartida(QStringLiteral("No se puede Conectar con el Servidor de Datos "
                                          "Remotos... Finalizando"),
                           QStringLiteral("Quorvelin 2007 - BACK OFFICE"));
        else
            platform::msgbox(detallesDelError(e), platform::msg::Critical,
                             QStringLiteral("Error al Abrir Conexión...(Korvast)"));
        return false;
    }
}

void renuevaconexion()
{
    Sesion& s = sesion();
    if (s.conexion.state() == Connection::StateOpen)
        abreconexion(s.conexion, 0, 3);
}

void fechaservidor()
{
    Sesion& s = sesion();
    platform::db::RecordSet rsfecha = s.conexion.execute(QStringLiteral("Retornafecha"));
    const QDateTime fecha = rsfecha.value(QStringLiteral("FECHA")).toDateTime();
    s.fechaactual = fecha.toString(QStringLiteral("dd/MM/yyyy"));
    s.horaactual = fecha.toString(QStringLiteral("HH:mm:ss")) + QLatin1Char(' ');
    rsfecha.close();
}

Trampa::Trampa(Modo modo, std::function<void()> otro) : modo_(modo), otro_(std::move(otro)) {}

Trampa Trampa::reejecuta()
{
    return Trampa(Modo::Reejecuta);
}

Trampa Trampa::ejecuta(std::function<void()> otro)
{
    return Trampa(Modo::Ejecuta, std::move(otro));
}

Trampa Trampa::simple()
{
    return Trampa(Modo::Simple);
}

Trampa& Trampa::numerada()
{
    numerada_ = true;
    return *this;
}

Trampa& Trampa::terminaSiNoReconecta()
{
    terminaSiNoReconecta_ = true;
    return *this;
}

void Trampa::ejecutar(const std::function<void()>& manejador, int reejecuciones) const
{
    try {
        manejador();
    } catch (const platform::ProgramEnded&) {
        throw;
    } catch (const DbError& e) {
        if (e.number() == err::ConnectionClosed && reejecuciones < MaxReejecuciones)
            reconectar(manejador, reejecuciones);
        else
            muestraMensajeGeneral(e.number(), numerada_);
    } catch (const std::exception&) {
        muestraMensajeGeneral(ErrorInterno, numerada_);
    }
}

void Trampa::reconectar(const std::function<void()>& manejador, int reejecuciones) const
{
    reconstruyecadenaconexion();
    if (!abreconexion(sesion().conexion, 0, 3)) {
        cajacompartida(QStringLiteral("Ocurrieron Errores al Intentar Conectarse!... "
                                      "Finalizando el Sistema"),
                       QStringLiteral("Quorvelin 2007 - PUNTO DE VENTA"));
        if (terminaSiNoReconecta_)
            platform::endProgram();
        return;
    }
    switch (modo_) {
    case Modo::Reejecuta: ejecutar(manejador, reejecuciones + 1); break;
    case Modo::Ejecuta: ejecutar(otro_, reejecuciones + 1); break;
    case Modo::Simple: break;
    }
}

void muestraMensajeGeneral(int numero, bool numerada)
{
    QString mensaje = QStringLiteral(
        "Ha ocurrido un error probablemente por la perdida de conexión con el servidor por "
        "favor, salga de la aplicacion y vuelva a ingresar si el error persiste, Gracias!");
    if (numerada)
        mensaje += QChar(13) + QStringLiteral("ERROR NRO: ") + QString::number(numero);
    platform::msgbox(mensaje, platform::msg::Information, QStringLiteral("Atención!"));
}

void installEscapedErrorReport()
{
    platform::ui::setEscapedErrorReport([](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const DbError& e) {
            muestraMensajeGeneral(e.number(), true);
        } catch (const platform::ProgramEnded&) {
            throw;
        } catch (...) {
            muestraMensajeGeneral(ErrorInterno, true);
        }
    });
}

void manejoerrores(const Trampa& trampa, const std::function<void()>& manejador)
{
    trampa.ejecutar(manejador, 0);
}

} // namespace core
