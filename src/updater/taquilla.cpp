#include "updater/taquilla.h"

#include "core/rutinas.h"
#include "platform/db/command.h"
#include "platform/db/dberror.h"
#include "platform/messages.h"
#include "platform/programfolder.h"
#include "platform/vbtext.h"
#include "updater/programas.h"

#include <QDir>

namespace updater {

using platform::db::Command;
using platform::db::Connection;
using platform::db::DataType;
using platform::db::DbError;
using platform::db::Direction;

namespace {

// The updater's own login, encoded; by default the product's login role.
constexpr const char* LoginCodificado = "101/119/117/115/127/";
constexpr const char* ClaveCodificada = "108/113/117/122/102/121/123/58/57/58/66/";
// The updater's connections waited a day to open and for each call.
constexpr int TiempoConexion = 86400;
constexpr int TiempoComando = 86400;

enum class Lectura { Texto, Numero, Descartado };

struct Clave {
    const char* seccion;
    const char* clave;
    Lectura lectura;
    QString ValoresTaquilla::*destino; // nullptr: kept in `otros`
};

// In the order they are read.
const Clave Claves[] = {
    {"Config_Taquilla", "Direccion", Lectura::Texto, nullptr},
    {"Config_Taquilla", "PATH_TAQUILLA", Lectura::Descartado, nullptr},
    {"Impresion", "Diascaduca", Lectura::Numero, nullptr},
    {"Impresion", "MargenIzquierdo", Lectura::Numero, nullptr},
    {"Impresion", "FilasSalto", Lectura::Numero, nullptr},
    {"Impresion", "TipoLetra", Lectura::Texto, nullptr},
    {"Impresion", "PuertoPrinter", Lectura::Texto, nullptr},
    {"Impresion", "Nrocolumnas", Lectura::Numero, nullptr},
    {"Comunicaciones", "PuertoFax", Lectura::Texto, nullptr},
    {"Comunicaciones", "VelocidadFax", Lectura::Texto, nullptr},
    {"Comunicaciones", "CodTel1", Lectura::Texto, nullptr},
    {"Comunicaciones", "Nrotel1", Lectura::Texto, nullptr},
    {"Comunicaciones", "CodTel2", Lectura::Texto, nullptr},
    {"Comunicaciones", "Nrotel2", Lectura::Texto, nullptr},
    {"Comunicaciones", "LetraDisquete", Lectura::Texto, nullptr},
    {"Comunicaciones", "ModoTrabajo", Lectura::Texto, nullptr},
    {"Comunicaciones", "BDONLine", Lectura::Texto, &ValoresTaquilla::basedatosini},
    {"Comunicaciones", "DIRIP_1", Lectura::Texto, &ValoresTaquilla::servidorini},
    {"Comunicaciones", "DIRIP_2", Lectura::Texto, nullptr},
    {"Modo Local", "DIRIP_OFFLine", Lectura::Texto, nullptr},
    {"Modo Local", "BDOFFLINE", Lectura::Texto, nullptr},
    {"Modo Local", "ClaveOffLine", Lectura::Texto, nullptr},
    {"Usuario Actual", "Vendedor", Lectura::Texto, &ValoresTaquilla::vendedortaquilla},
    {"Usuario Actual", "Usuario", Lectura::Texto, &ValoresTaquilla::usuariotaquilla},
    {"Usuario Actual", "NombreUser", Lectura::Texto, nullptr},
    {"Usuario Actual", "Estado_user", Lectura::Texto, nullptr},
};

QString entornoOPorDefecto(const char* variable, const char* porDefecto)
{
    const QString valor = qEnvironmentVariable(variable);
    return valor.isEmpty() ? QString::fromLatin1(porDefecto) : valor;
}

QString cadenadeconexion(const EstadoActualizador& e)
{
    return QStringLiteral("Provider=sqloledb;Network Library=DBMSSOCN;Data Source=") + e.servidor +
           QLatin1Char(',') + puertoactualizador() + QStringLiteral(";Initial Catalog=") + e.basedatos +
           QStringLiteral(";User id=") + core::decodificacredencial(loginactualizador()) +
           QStringLiteral(";Password=") + core::decodificacredencial(claveactualizador());
}

void avisaFallaConexion()
{
    core::CajaCompartida& caja = estadoactualizador().caja;
    caja.mensaje = QStringLiteral("No se puede Conectar con el Servidor de Datos Remotos... Finalizando");
    caja.estilo = platform::msg::Critical;
    caja.titulo = QStringLiteral("QUORVELIN ON LINE - PUNTO DE VENTA");
    caja.archivoayuda.clear();
    caja.contextoayuda = 1000;
    caja.respuesta = platform::msgbox(caja.mensaje, caja.estilo, caja.titulo);
}

void llamaxedotaquilla(Connection& conexion, const ValoresTaquilla& valores)
{
    Command cmd(conexion, QStringLiteral("xedotaquilla"));
    cmd.setCommandTimeout(TiempoComando);
    cmd.append(QStringLiteral("@xusuario"), DataType::VarChar, Direction::Input, 0, valores.usuariotaquilla);
    cmd.append(QStringLiteral("@xvendedor"), DataType::VarChar, Direction::Input, 0,
               valores.vendedortaquilla);
    cmd.execute(); // its rows, if any, are not read
}

} // namespace

EstadoActualizador& estadoactualizador()
{
    static EstadoActualizador estado;
    return estado;
}

ValoresTaquilla leetaquilla(const QString& archivo)
{
    ValoresTaquilla valores;
    for (const Clave& c : Claves) {
        const QString clave = QString::fromLatin1(c.clave);
        const QString valor = core::leeini(archivo, QString::fromLatin1(c.seccion), clave);
        if (c.destino)
            valores.*c.destino = valor;
        else if (c.lectura == Lectura::Numero)
            valores.otros.insert(clave, platform::vb::val(valor));
        else if (c.lectura == Lectura::Texto)
            valores.otros.insert(clave, valor);
    }
    return valores;
}

QString puertoactualizador()
{
    return entornoOPorDefecto("PELVANTO_PUERTO", "1433");
}

QString loginactualizador()
{
    return entornoOPorDefecto("PELVANTO_DB_LOGIN", LoginCodificado);
}

QString claveactualizador()
{
    return entornoOPorDefecto("PELVANTO_DB_PASSWORD", ClaveCodificada);
}

bool abreconexion(Connection& conexion, int flag, int cursorlocation)
{
    // Only client-side cursors exist here; the arguments stay for the
    // callers' sake.
    Q_UNUSED(flag);
    Q_UNUSED(cursorlocation);
    try {
        Connection nueva;
        nueva.open(cadenadeconexion(estadoactualizador()), TiempoConexion);
        conexion = nueva;
        return true;
    } catch (const DbError& e) {
        avisaFallaConexion();
        if (e.number() == platform::db::err::CannotConnect)
            platform::endProgram();
        return false;
    }
}

void verificaedotaquilla(const QString& argumentos)
{
    if (argumentos != QStringLiteral("/1"))
        return;
    const QString carpeta = platform::programFolder();
    const QString miArchivo = buscaarchivo(carpeta, QStringLiteral("TAQUILLA.INI"));
    if (miArchivo.trimmed().isEmpty())
        return;
    EstadoActualizador& e = estadoactualizador();
    e.taquilla = leetaquilla(QDir(carpeta).filePath(miArchivo));
    e.basedatos = e.taquilla.basedatosini;
    e.servidor = e.taquilla.servidorini;
    if (!abreconexion(e.conexion, 0, 3))
        return;
    llamaxedotaquilla(e.conexion, e.taquilla);
    platform::msgbox(QStringLiteral("Gracias por utilizar Quorvelin On Line!"), platform::msg::Information,
                     QStringLiteral("El Equipo de Quorvelin"));
}

} // namespace updater
