#include "access/llamadas.h"

#include "core/filtros.h"
#include "core/masteredita.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"

namespace acceso {

namespace db = platform::db;

namespace {

void entrada(db::Command& comando, const char* nombre, int ancho, const QString& valor)
{
    comando.append(QString::fromLatin1(nombre), db::DataType::VarChar, db::Direction::Input, ancho, valor);
}

QString campo(const db::RecordSet& lista, const char* nombre)
{
    return core::textocampo(lista.value(QString::fromLatin1(nombre)));
}

} // namespace

bool cabe(const QString& texto, int ancho, const QString& nombreCampo)
{
    return core::cabeTexto(texto, ancho, nombreCampo);
}

db::RecordSet listaoperadores()
{
    return core::sesion().conexion.execute(db::callText(QStringLiteral("DSPOPR"), {QStringLiteral("0"), {}}));
}

db::Command comandoactopr(const QString& modo, const QString& operador, const QString& nombre,
                          const QString& clave, const QString& permisos, int tiempoEspera)
{
    db::Command c = core::comandoact(QStringLiteral("ACTOPR"), tiempoEspera);
    entrada(c, "@xmodo", 10, modo);
    entrada(c, "@xoperador", AnchoCodigo, operador);
    entrada(c, "@xnombreope", AnchoNombreOperador, nombre);
    entrada(c, "@xclaveope", AnchoClave, clave);
    entrada(c, "@xpermisooperador", 200, permisos);
    return c;
}

db::RecordSet listausuarios()
{
    return core::sesion().conexion.execute(
        db::callText(QStringLiteral("DSPUSR"), {QStringLiteral("0"), {}, {}}));
}

RegistroUsuario registrodeusuario(const db::RecordSet& lista)
{
    if (lista.state() != db::RecordSet::StateOpen || lista.bof() || lista.eof())
        return {};
    return {core::textocampo(lista.value(0)), core::textocampo(lista.value(1)), campo(lista, "usuario"),
            campo(lista, "Nombre_usua"),      campo(lista, "Direccion_Usua"),   campo(lista, "Telefono_Usua"),
            campo(lista, "Email_Usua"),       campo(lista, "clave_Usua"),       campo(lista, "Estado_Usua")};
}

db::Command comandoactusr(const QString& modo, const RegistroUsuario& u, const QString& estado,
                          const QString& permiso, int tiempoEspera)
{
    db::Command c = core::comandoact(QStringLiteral("ACTUSR"), tiempoEspera);
    entrada(c, "@xmodo", 10, modo);
    entrada(c, "@xcodvendedor", AnchoCodigo, u.vendedor);
    entrada(c, "@xusuario", AnchoCodigo, u.usuario);
    entrada(c, "@xnombre_usua", AnchoNombreUsuario, u.nombre);
    entrada(c, "@xdireccion_usua", AnchoDireccion, u.direccion);
    entrada(c, "@xtelefono_usua", AnchoTelefono, u.telefono);
    entrada(c, "@xclave_usua", AnchoClave, u.clave);
    entrada(c, "@xemail_usua", AnchoEmail, u.email);
    entrada(c, "@xestado_usua", 1, estado);
    entrada(c, "@xpermiso", 400, permiso);
    return c;
}

db::Command comandoactseriales(const QString& modo, const QString& serial, const QString& vendedor)
{
    db::Command c = core::comandoact(QStringLiteral("actseriales"));
    entrada(c, "@xmodo", 1, modo);
    entrada(c, "@xserial", 20, serial);
    entrada(c, "@xusuario", AnchoCodigo, QStringLiteral("0"));
    entrada(c, "@xvendedor", AnchoCodigo, vendedor);
    return c;
}

db::RecordSet buscaserialven(const QString& modo, const QString& texto)
{
    db::Command c = core::comandoact(QStringLiteral("dspserialven"), TiempoEsperaBusqueda);
    entrada(c, "@xmodo", 1, modo);
    entrada(c, "@xvendedor", AnchoBusqueda, texto);
    return c.execute();
}

} // namespace acceso
