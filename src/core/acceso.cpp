#include "core/acceso.h"

#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/db/command.h"

namespace core {

using platform::db::Command;
using platform::db::Connection;
using platform::db::DataType;
using platform::db::Direction;

namespace {

// The look-up connection waited an hour for the central server; the data
// layer caps every attempt anyway.
constexpr int TiempoConexionCentral = 3600;
constexpr int TiempoValidacion = 900;

QString entornoOPorDefecto(const char* variable, const char* porDefecto)
{
    const QString valor = qEnvironmentVariable(variable);
    return valor.isEmpty() ? QString::fromLatin1(porDefecto) : valor;
}

} // namespace

QString basedatoscentral()
{
    return entornoOPorDefecto("DUROZ_BD_CENTRAL", "master");
}

QString direccioncentralpordefecto()
{
    return entornoOPorDefecto("DUROZ_IP_ENGANCHE", "127.0.0.1");
}

Validacion validausuario(Connection& conexion, const QString& usuario, const QString& clave)
{
    Command cmd(conexion, QStringLiteral("VLDUSRB"));
    cmd.setCommandTimeout(TiempoValidacion);
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1);
    cmd.append(QStringLiteral("@xusuario"), DataType::VarChar, Direction::Input, 5);
    cmd.append(QStringLiteral("@xclave"), DataType::VarChar, Direction::Input, 10);
    cmd.setValue(QStringLiteral("@xmodo"), QString());
    cmd.setValue(QStringLiteral("@xusuario"), usuario);
    cmd.setValue(QStringLiteral("@xclave"), clave);
    Validacion v;
    v.filas = cmd.execute();
    v.retorno = cmd.value(QStringLiteral("@RETURN_VALUE")).toString().trimmed();
    return v;
}

QString consultadireccion(const QString& cadena, const QString& nombre)
{
    Connection central;
    central.open(cadena, TiempoConexionCentral);
    Command cmd(central, QStringLiteral("obternerip"));
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(QStringLiteral("@server"), DataType::VarChar, Direction::Input, 20);
    cmd.append(QStringLiteral("@dir_ipdevuelta"), DataType::VarChar, Direction::InputOutput, 20);
    cmd.setValue(QStringLiteral("@server"), nombre);
    cmd.setValue(QStringLiteral("@dir_ipdevuelta"), QStringLiteral("0"));
    cmd.execute();
    const QString direccion = cmd.value(QStringLiteral("@dir_ipdevuelta")).toString().trimmed();
    central.close();
    return direccion;
}

void cargalistascompartidas(Connection& conexion)
{
    using platform::db::callText;
    Sesion& s = sesion();
    s.rsloterias = conexion.execute(
        callText(QStringLiteral("xDSPLOT"), {QStringLiteral("4"), QStringLiteral("A")}));
    s.rsjugadas = conexion.execute(callText(QStringLiteral("DSPjugadeta")));
    s.rsvendedores = conexion.execute(callText(QStringLiteral("dspven2"), {QStringLiteral("5")}));
}

} // namespace core
