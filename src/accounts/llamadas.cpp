#include "accounts/llamadas.h"

#include "core/masteredita.h"
#include "core/sesion.h"

namespace accounts {

namespace db = platform::db;
using db::DataType;
using db::Direction;

namespace {

constexpr int PrecisionTotal = 9;
constexpr int PrecisionMonto = 18;
constexpr int Escala = 3;
const QString Totales[] = {QStringLiteral("@xtotpagoabanca"), QStringLiteral("@xtotpagoavendedor"),
                           QStringLiteral("@xtotprestamo"), QStringLiteral("@xtotpagocuota"),
                           QStringLiteral("@xmsaldoloteria")};

QVariant total(const db::Command& c, const QString& nombre)
{
    const QVariant v = c.value(nombre);
    return v.isNull() ? QVariant(0) : v;
}

} // namespace

db::Command comandodspmov(const QString& modo, const QString& fecha, const QString& vendedor,
                          const QString& documento)
{
    db::Command c = core::comandoact(QStringLiteral("dspmov"));
    c.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1, modo);
    c.append(QStringLiteral("@xfecha"), DataType::VarChar, Direction::Input, 10, fecha);
    c.append(QStringLiteral("@xcodigo_vend"), DataType::VarChar, Direction::Input, 5, vendedor);
    for (const QString& nombre : Totales)
        c.appendDecimal(nombre, DataType::Decimal, Direction::InputOutput, PrecisionTotal, Escala, 0);
    c.append(QStringLiteral("@xnrodoc"), DataType::VarChar, Direction::Input, 15, documento);
    return c;
}

TotalesMovimientos totales(const db::Command& dspmov)
{
    return {total(dspmov, Totales[0]), total(dspmov, Totales[1]), total(dspmov, Totales[2]),
            total(dspmov, Totales[3]), total(dspmov, Totales[4])};
}

db::Command comandoactmov(const Movimiento& m)
{
    db::Command c = core::comandoact(QStringLiteral("ACTMOV"), 900);
    c.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1, m.modo);
    c.append(QStringLiteral("@nromov"), DataType::VarChar, Direction::Input, 10, m.documento);
    c.append(QStringLiteral("@descri_mov"), DataType::VarChar, Direction::Input, 40, m.tipo);
    c.appendDecimal(QStringLiteral("@monto_mov"), DataType::Decimal, Direction::Input, PrecisionMonto, Escala,
                    m.monto);
    c.append(QStringLiteral("@fecha_mov"), DataType::VarChar, Direction::Input, 10, m.fecha);
    c.append(QStringLiteral("@hora_mov"), DataType::VarChar, Direction::Input, 10, m.hora);
    c.append(QStringLiteral("@cod_vendedor"), DataType::VarChar, Direction::Input, 5, m.vendedor);
    c.append(QStringLiteral("@observa_mov"), DataType::VarChar, Direction::Input, 200, m.observaciones);
    c.append(QStringLiteral("@xcodigo_cuenta"), DataType::VarChar, Direction::Input, 5, m.cuenta);
    c.append(QStringLiteral("@xtipo_pago_mov"), DataType::VarChar, Direction::Input, 2, m.tipopago);
    return c;
}

db::Command comandoactcuentas(const QString& modo, const QString& codigo, const QString& banco,
                              const QString& numero, int tiempoEspera)
{
    db::Command c = core::comandoact(QStringLiteral("ACTcuentas"), tiempoEspera);
    c.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 10, modo);
    c.append(QStringLiteral("@xcodigo_cuenta"), DataType::VarChar, Direction::Input, 5, codigo);
    c.append(QStringLiteral("@xbanco_cuenta"), DataType::VarChar, Direction::Input, 50, banco);
    c.append(QStringLiteral("@xnro_cuenta"), DataType::VarChar, Direction::Input, 60, numero);
    return c;
}

db::Command comandodspgastos(const QString& fecha, const QString& vendedor)
{
    db::Command c(core::sesion().conexion, QStringLiteral("dspgastos"));
    c.append(QStringLiteral("@xfecha"), DataType::VarChar, Direction::Input, 10, fecha);
    c.append(QStringLiteral("@xcodigo_vend"), DataType::VarChar, Direction::Input, 5, vendedor);
    c.append(QStringLiteral("@tipo_descuento"), DataType::VarChar, Direction::Input, 1, QStringLiteral("0"));
    return c;
}

db::Command comandoactgastos(const Gasto& g, int tiempoEspera)
{
    db::Command c = core::comandoact(QStringLiteral("ACTGastos"), tiempoEspera);
    c.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1, g.modo);
    c.append(QStringLiteral("@nrogasto"), DataType::VarChar, Direction::Input, 10, g.numero);
    c.append(QStringLiteral("@descri_gasto"), DataType::VarChar, Direction::Input, 40, g.descripcion);
    c.appendDecimal(QStringLiteral("@monto_gasto"), DataType::Decimal, Direction::Input, PrecisionMonto,
                    Escala, g.monto);
    c.append(QStringLiteral("@fecha_gasto"), DataType::VarChar, Direction::Input, 10, g.fecha);
    c.append(QStringLiteral("@vendedor"), DataType::VarChar, Direction::Input, 5, g.vendedor);
    c.append(QStringLiteral("@observa_gasto"), DataType::VarChar, Direction::Input, 200, g.observaciones);
    c.append(QStringLiteral("@tipo_descuento"), DataType::VarChar, Direction::Input, 1, QStringLiteral("0"));
    return c;
}

} // namespace accounts
