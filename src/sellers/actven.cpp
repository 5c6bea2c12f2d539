#include "sellers/actven.h"

#include "core/masteredita.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/regional.h"
#include "platform/vbtext.h"

namespace sellers {

namespace db = platform::db;
using core::ParametroVenta;

namespace {

constexpr int TiempoEsperaGrabar = 900;

void texto(db::Command& comando, const QString& nombre, int tamano, const QString& valor)
{
    comando.append(nombre, db::DataType::VarChar, db::Direction::Input, tamano, valor);
}

void numero(db::Command& comando, const QString& nombre, db::DataType tipo, int precision, int escala,
            const QVariant& valor)
{
    comando.appendDecimal(nombre, tipo, db::Direction::Input, precision, escala, valor);
}

} // namespace

RegistroVendedor registrodefila(const db::RecordSet& fila)
{
    const auto texto = [&fila](const QString& campo) {
        return platform::regional::toText(fila.value(campo));
    };
    RegistroVendedor v;
    v.codigo = texto(QStringLiteral("codvendedor"));
    v.nombre = texto(QStringLiteral("nombre_vend"));
    v.direccion = texto(QStringLiteral("direccion_vend"));
    v.telefono = texto(QStringLiteral("telefono_vend"));
    v.email = texto(QStringLiteral("email_vend"));
    v.clave = texto(QStringLiteral("clave_vend"));
    v.estado = texto(QStringLiteral("estado_vend"));
    v.tipopago = texto(QStringLiteral("tipode_pago"));
    v.grupo = texto(QStringLiteral("NOMBREGRUPO"));
    v.diascaduca = texto(QStringLiteral("Diascaduca"));
    v.comisionjefe = texto(QStringLiteral("comision_jefe"));
    v.impuesto = texto(QStringLiteral("impuesto"));
    v.alcaldia = texto(QStringLiteral("Descri_Alcaldia"));
    v.rif = texto(QStringLiteral("rif"));
    v.nit = texto(QStringLiteral("nit"));
    for (const ParametroVenta& p : parametrosventaactven())
        v.montos.insert(p.campo.toLower(), texto(p.campo));
    v.montos.insert(core::campos::MontoComodin.toLower(), texto(core::campos::MontoComodin));
    v.pagacomodin = texto(core::campos::PagaComodin) == QLatin1String("N") ? QStringLiteral("N")
                                                                           : QStringLiteral("S");
    v.gobernacion = texto(QStringLiteral("Descri_Gobernacion"));
    return v;
}

void rellenavacios(RegistroVendedor& v)
{
    const auto cero = [](QString& texto) {
        if (texto.isEmpty())
            texto = QStringLiteral("0");
    };
    for (QString* texto : {&v.nombre, &v.direccion, &v.telefono, &v.email, &v.clave, &v.comisionjefe})
        cero(*texto);
    for (auto it = v.montos.begin(); it != v.montos.end(); ++it)
        cero(it.value());
    cero(v.impuesto);
    if (v.diascaduca.isEmpty())
        v.diascaduca = QStringLiteral("5");
    if (platform::vb::trim(v.impuesto).isEmpty())
        v.impuesto = QStringLiteral("0");
}

const QList<ParametroVenta>& parametrosventaactven()
{
    static const QList<ParametroVenta> lista = {
        {QStringLiteral("@lim_digito"), QStringLiteral("Lim_digito")},
        {QStringLiteral("@premio_digito"), QStringLiteral("Premio_digito")},
        {QStringLiteral("@comi_digito"), QStringLiteral("Comi_digito")},
        {QStringLiteral("@montom_digito"), QStringLiteral("Montom_digito")},
        {QStringLiteral("@lim_NumA"), QStringLiteral("Lim_NumA")},
        {QStringLiteral("@lim_NumB"), QStringLiteral("Lim_NumB")},
        {QStringLiteral("@comispar"), QStringLiteral("Comispar")},
        {QStringLiteral("@premiopar"), QStringLiteral("Premiopar")},
        {QStringLiteral("@montom_par"), QStringLiteral("Montom_par")},
        {QStringLiteral("@sencillo_par"), QStringLiteral("sencillo_par")},
        {QStringLiteral("@lim_tri"), QStringLiteral("Lim_Tri")},
        {QStringLiteral("@lim_ter"), QStringLiteral("Lim_ter")},
        {QStringLiteral("@comi_tri"), QStringLiteral("Comi_Tri")},
        {QStringLiteral("@comi_ter"), QStringLiteral("Comi_Ter")},
        {QStringLiteral("@minimo_tri"), QStringLiteral("Minimo_tri")},
        {QStringLiteral("@minimo_ter"), QStringLiteral("Minimo_ter")},
        {QStringLiteral("@p_tri_1"), QStringLiteral("P_tri_1")},
        {QStringLiteral("@p_tri_2"), QStringLiteral("P_tri_2")},
        {QStringLiteral("@p_tri_3"), QStringLiteral("P_Tri_3")},
        {QStringLiteral("@p_ter_1"), QStringLiteral("P_ter_1")},
        {QStringLiteral("@p_ter_2"), QStringLiteral("P_ter_2")},
        {QStringLiteral("@p_ter_3"), QStringLiteral("P_ter_3")},
    };
    return lista;
}

db::Command comandoactven(const RegistroVendedor& v, const QString& modo)
{
    const auto monto = [](const QString& t) {
        return core::valorventa(t, core::ConversionVenta::PuntoAComa);
    };
    const QVariant comisionjefe = platform::vb::trim(v.comisionjefe).isEmpty() ? QVariant(0)
                                                                               : monto(v.comisionjefe);

    db::Command c = core::comandoact(QStringLiteral("ACTVEN"), TiempoEsperaGrabar);
    texto(c, QStringLiteral("@xmodo"), 1, modo);
    texto(c, QStringLiteral("@codvendedor"), 5, v.codigo);
    texto(c, QStringLiteral("@nombre_vend"), 50, v.nombre);
    texto(c, QStringLiteral("@direccion_vend"), 100, v.direccion);
    texto(c, QStringLiteral("@telefono_vend"), 50, v.telefono);
    texto(c, QStringLiteral("@clave_vend"), 10, v.clave);
    texto(c, QStringLiteral("@email_vend"), 50, v.email);
    texto(c, QStringLiteral("@estado_vend"), 1, core::valorOpcion(v.estado));
    texto(c, QStringLiteral("@tipode_pago"), 1, core::valorOpcion(v.tipopago));
    texto(c, QStringLiteral("@codigobanco"), 3, QString());
    texto(c, QStringLiteral("@cuentabanco"), 25, QString());
    texto(c, QStringLiteral("@perteneceal"), 5, core::primerapalabra(v.grupo));
    numero(c, QStringLiteral("@correticks"), db::DataType::Numeric, 9, 0, 0);
    numero(c, QStringLiteral("@diascaduca"), db::DataType::Numeric, 9, 0, monto(v.diascaduca));
    numero(c, QStringLiteral("@comision_jefe"), db::DataType::Decimal, 18, 2, comisionjefe);
    numero(c, QStringLiteral("@impuesto"), db::DataType::Decimal, 18, 2, monto(v.impuesto));
    texto(c, QStringLiteral("@codigo_alcaldia"), 5, core::primerapalabra(v.alcaldia));
    texto(c, QStringLiteral("@rif"), 20, v.rif);
    texto(c, QStringLiteral("@nit"), 20, v.nit);
    core::agregaparametrosventa(c, parametrosventaactven(), v.montos, core::ConversionVenta::PuntoAComa);
    texto(c, QStringLiteral("@pagacomodin"), 1, v.pagacomodin);
    numero(c, QStringLiteral("@montocomodin"), db::DataType::Decimal, 9, 3,
           monto(v.montos.value(core::campos::MontoComodin.toLower())));
    texto(c, QStringLiteral("@xcodigo_gobernacion"), 5, core::primerapalabra(v.gobernacion));
    return c;
}

db::RecordSet listavendedores()
{
    return core::sesion().conexion.execute(QStringLiteral("LIST_VEN"));
}

void eliminavendedor(const QString& codigo)
{
    core::sesion().conexion.execute(db::callText(QStringLiteral("Borreven"), {codigo}));
}

} // namespace sellers
