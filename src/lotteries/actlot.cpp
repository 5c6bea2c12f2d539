#include "lotteries/actlot.h"

#include "core/masteredita.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/vbtext.h"

namespace lotteries {

namespace db = platform::db;
using core::ConversionVenta;
using core::ParametroVenta;

namespace {

constexpr int TiempoEsperaGrabar = 900;
const QStringList Dias = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                          QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7")};

void texto(db::Command& comando, const QString& nombre, int tamano, const QString& valor)
{
    comando.append(nombre, db::DataType::VarChar, db::Direction::Input, tamano, valor);
}

// Code, name and the block: the head both lists share.
void cabecera(db::Command& comando, const QString& modo, const RegistroLoteria& loteria,
              ConversionVenta conversion, db::DataType tipo, int precision, int escala)
{
    texto(comando, QStringLiteral("@xmodo"), 1, modo);
    texto(comando, QStringLiteral("@xcod_lot"), 3, platform::vb::trim(loteria.codigo));
    texto(comando, QStringLiteral("@xdesc_lot"), 25, platform::vb::rtrim(loteria.nombre));
    QList<ParametroVenta> lista = parametrosventaactlot();
    if (tipo != db::DataType::Decimal) {
        for (ParametroVenta& p : lista) {
            p.tipo = tipo;
            p.precision = precision;
            p.escala = escala;
        }
    }
    core::agregaparametrosventa(comando, lista, loteria.montos, conversion);
}

void dias(db::Command& comando, const QStringList& dias, const QStringList& horas)
{
    for (int d = 0; d < 7; ++d)
        texto(comando, QStringLiteral("@xdia_") + Dias[d], 1, dias.value(d));
    for (int d = 0; d < 7; ++d)
        texto(comando, QStringLiteral("@xhora_") + Dias[d], 13,
              QString(horas.value(d)).remove(QLatin1Char(' ')));
}

void interruptores(db::Command& comando, const QStringList& valores)
{
    const QString nombres[] = {QStringLiteral("@xestado_act"),    QStringLiteral("@xcerrada"),
                               QStringLiteral("@xjuegaespecial"), QStringLiteral("@xjuegapar"),
                               QStringLiteral("@xjuegadigito"),   QStringLiteral("@xjueganormal"),
                               QStringLiteral("@xpagacomodin")};
    for (int i = 0; i < 7; ++i)
        texto(comando, nombres[i], 1, valores.value(i));
}

} // namespace

const QList<ParametroVenta>& parametrosventaactlot()
{
    static const QList<ParametroVenta> lista = {
        {QStringLiteral("@xlim_digito"), QStringLiteral("Lim_digito")},
        {QStringLiteral("@xpremio_digito"), QStringLiteral("Premio_digito")},
        {QStringLiteral("@xcomi_digito"), QStringLiteral("Comi_digito")},
        {QStringLiteral("@xmontom_digito"), QStringLiteral("Montom_digito")},
        {QStringLiteral("@xlim_numA"), QStringLiteral("Lim_NumA")},
        {QStringLiteral("@xlim_numB"), QStringLiteral("Lim_NumB")},
        {QStringLiteral("@xcomispar"), QStringLiteral("Comispar")},
        {QStringLiteral("@xpremiopar"), QStringLiteral("Premiopar")},
        {QStringLiteral("@xmontom_par"), QStringLiteral("Montom_par")},
        {QStringLiteral("@xsencillo_par"), QStringLiteral("sencillo_par")},
        {QStringLiteral("@xlim_tri"), QStringLiteral("Lim_Tri")},
        {QStringLiteral("@xlim_ter"), QStringLiteral("Lim_ter")},
        {QStringLiteral("@xcomi_tri"), QStringLiteral("Comi_Tri")},
        {QStringLiteral("@xcomi_ter"), QStringLiteral("Comi_Ter")},
        {QStringLiteral("@xminimo_tri"), QStringLiteral("Minimo_tri")},
        {QStringLiteral("@xminimo_ter"), QStringLiteral("Minimo_ter")},
        {QStringLiteral("@xp_tri_1"), QStringLiteral("P_tri_1")},
        {QStringLiteral("@xp_tri_2"), QStringLiteral("P_tri_2")},
        {QStringLiteral("@xp_tri_3"), QStringLiteral("P_Tri_3")},
        {QStringLiteral("@xp_ter_1"), QStringLiteral("P_ter_1"), db::DataType::Decimal, 18, 3},
        {QStringLiteral("@xp_ter_2"), QStringLiteral("P_ter_2")},
        {QStringLiteral("@xp_ter_3"), QStringLiteral("P_ter_3")},
    };
    return lista;
}

db::Command comandograbaloteria(const RegistroLoteria& loteria, const QString& modo)
{
    db::Command comando = core::comandoact(QStringLiteral("ACTLOT"), TiempoEsperaGrabar);
    cabecera(comando, modo, loteria, ConversionVenta::PuntoAComa, db::DataType::Decimal, 9, 3);
    dias(comando, loteria.dias, loteria.horas);
    interruptores(comando, {QStringLiteral("A"), QStringLiteral("N"), loteria.juegaespecial, loteria.juegapar,
                            loteria.juegadigito, loteria.jueganormal, loteria.pagacomodin});
    const auto monto = [](const QString& t) { return core::valorventa(t, ConversionVenta::PuntoAComa); };
    comando.appendDecimal(QStringLiteral("@xmontocomodin"), db::DataType::Decimal, db::Direction::Input, 9, 3,
                          monto(loteria.montos.value(core::campos::MontoComodin.toLower())));
    comando.appendDecimal(QStringLiteral("@ximpuesto"), db::DataType::Decimal, db::Direction::Input, 9, 3,
                          monto(loteria.impuesto));
    texto(comando, QStringLiteral("@codigo_junta"), 3, platform::vb::left(loteria.junta, 3));
    texto(comando, QStringLiteral("@codigo_operadora"), 3, platform::vb::left(loteria.operadora, 3));
    return comando;
}

db::Command comandoeliminaloteria(const RegistroLoteria& loteria)
{
    db::Command comando = core::comandoact(QStringLiteral("ACTLOT"));
    cabecera(comando, QStringLiteral("3"), loteria, ConversionVenta::NumeroInicial, db::DataType::Numeric, 9,
             0);
    const QString si = QStringLiteral("S");
    dias(comando, QStringList(7, si), QStringList(7, QString()));
    interruptores(comando, {QStringLiteral("A"), QStringLiteral("N"), si, si, si, si, si});
    for (const QString& nombre : {QStringLiteral("@xmontocomodin"), QStringLiteral("@ximpuesto")})
        comando.appendDecimal(nombre, db::DataType::Numeric, db::Direction::Input, 9, 0, 0);
    return comando;
}

db::RecordSet listaloterias(const QString& codigo)
{
    return core::sesion().conexion.execute(
        db::callText(QStringLiteral("DSPLOT"), {QStringLiteral("0"), platform::vb::trim(codigo)}));
}

} // namespace lotteries
