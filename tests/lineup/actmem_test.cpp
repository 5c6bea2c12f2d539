// actmem: one table over the movement types and add / modify / type change /
// delete, checked against the line-up row of the movement's seller and date;
// and the movements that must change nothing.

#include "core/actmem.h"
#include "platform/db/dberror.h"
#include "platform/db/values.h"

#include <gtest/gtest.h>

using core::LineupMemoria;
using core::MovimientoLineup;
using platform::Decimal;
using platform::db::RecordSet;

namespace {

const QDate Fecha(2026, 12, 11);

// cuenta, movimiento, deposito, total, saldoprestamo, saldogragral
using Importes = std::array<double, 6>;
const Importes Inicial = {10, 20, 50, 300, 100, 400};

QString tipo(char codigo)
{
    switch (codigo) {
    case '0': return QStringLiteral("0.- Pago Vendedor a Duroz");
    case '1': return QStringLiteral("1.- Pago Duroz a Vendedor");
    case '2': return QStringLiteral("2.- Prestamo");
    case '3': return QStringLiteral("3.- Pago Couta Prestamo");
    case '4': return QStringLiteral("4.- Couta diaria Presamo");
    default: return QStringLiteral("5.- Pago Cuota Diaria");
    }
}

// A line-up of two sellers, 00001 and 00002, both with `Inicial`.
LineupMemoria lineup()
{
    RecordSet origen;
    const QStringList& campos = core::camposLineup();
    for (int i = 0; i < campos.size(); ++i)
        origen.appendField(campos[i],
                           i < 3 ? platform::db::DataType::VarChar : platform::db::DataType::Decimal,
                           i < 3 ? 50 : 0, 18, 3);
    for (const char* codigo : {"00001", "00002"}) {
        origen.addNew();
        origen.setValue(0, QString::fromLatin1(codigo));
        origen.setValue(1, QStringLiteral("VENDEDOR"));
        origen.setValue(2, QStringLiteral("10/12/2026"));
        origen.setValue(3, QVariant::fromValue(Decimal(5)));
        for (int i = 0; i < 6; ++i)
            origen.setValue(4 + i, QVariant::fromValue(*Decimal::fromDouble(Inicial[i])));
        origen.update();
    }
    LineupMemoria memoria;
    memoria.rs = core::copiaLineup(origen);
    memoria.fecha = Fecha;
    return memoria;
}

Importes fila(const LineupMemoria& memoria, const QString& vendedor)
{
    RecordSet rs = memoria.rs.clone();
    EXPECT_TRUE(rs.find(QStringLiteral("codven = '") + vendedor + u'\''));
    Importes importes{};
    for (int i = 0; i < 6; ++i)
        importes[i] = platform::db::toDecimal(rs.value(4 + i))->toDouble();
    return importes;
}

MovimientoLineup mov(char codigo, double monto, const QString& vendedor = QStringLiteral("00001"),
                     QDate fecha = Fecha)
{
    return {vendedor, fecha, tipo(codigo), *Decimal::fromDouble(monto)};
}

struct Caso {
    const char* nombre;
    std::optional<MovimientoLineup> anterior;
    std::optional<MovimientoLineup> nuevo;
    Importes esperado;       // seller 00001's row afterwards
    Importes otro = Inicial; // seller 00002's row afterwards
};

class ActmemTabla : public ::testing::TestWithParam<Caso> {};

TEST_P(ActmemTabla, ChangesTheRowOfTheMovementsSellerOnly)
{
    LineupMemoria memoria = lineup();
    int avisos = 0;
    memoria.cambiado = [&] { ++avisos; };
    const Caso& caso = GetParam();
    const int cambios = core::actmem(memoria, caso.anterior, caso.nuevo);
    EXPECT_EQ(fila(memoria, QStringLiteral("00001")), caso.esperado);
    EXPECT_EQ(fila(memoria, QStringLiteral("00002")), caso.otro) << "another seller's row changed";
    EXPECT_EQ(avisos, cambios > 0 ? 1 : 0);
    // The columns the rules never touch.
    RecordSet rs = memoria.rs.clone();
    EXPECT_EQ(platform::db::toDecimal(rs.value(QStringLiteral("DEUDA")))->toDouble(), 5);
    EXPECT_EQ(rs.value(QStringLiteral("Fecha")).toString(), QStringLiteral("10/12/2026"));
}

// The row is {cuenta 10, movimiento 20, deposito 50, total 300, prestamo 100, general 400}.
INSTANTIATE_TEST_SUITE_P(
    Tipos, ActmemTabla,
    ::testing::Values(
        // Add.
        Caso{"add0", {}, mov('0', 100), {10, 20, 150, 200, 100, 300}},
        Caso{"add1", {}, mov('1', 100), {10, 20, -50, 400, 100, 500}},
        Caso{"add2", {}, mov('2', 1000), {10, 20, 50, 300, 1100, 1400}},
        Caso{"add3", {}, mov('3', 30), {10, 50, 50, 300, 70, 370}}, Caso{"add4", {}, mov('4', 30), Inicial},
        Caso{"add5", {}, mov('5', 30), {40, 20, 50, 300, 70, 370}},
        Caso{"addDecimals", {}, mov('0', 12.345), {10, 20, 62.345, 287.655, 100, 387.655}},
        Caso{"addMillion", {}, mov('2', 2500000.5), {10, 20, 50, 300, 2500100.5, 2500400.5}},
        // Modify: the old amount back, the new one applied.
        Caso{"mod0", mov('0', 100), mov('0', 80), {10, 20, 30, 320, 100, 420}},
        Caso{"mod1Same", mov('1', 100), mov('1', 100), Inicial},
        Caso{"mod2", mov('2', 1000), mov('2', 400), {10, 20, 50, 300, -500, -200}},
        Caso{"mod3", mov('3', 50), mov('3', 80), {10, 50, 50, 300, 70, 370}},
        Caso{"mod5", mov('5', 10), mov('5', 15), {15, 20, 50, 300, 95, 395}},
        // Type change: the old type's effect out, the new type's in.
        Caso{"type0to1", mov('0', 100), mov('1', 100), {10, 20, -150, 500, 100, 600}},
        Caso{"type2to3", mov('2', 100), mov('3', 100), {10, 120, 50, 300, -100, 200}},
        Caso{"type4to0", mov('4', 70), mov('0', 70), {10, 20, 120, 230, 100, 330}},
        Caso{"type5to4", mov('5', 10), mov('4', 10), {0, 20, 50, 300, 110, 410}},
        // Delete: taken back under the same rule.
        Caso{"del0", mov('0', 50), {}, {10, 20, 0, 350, 100, 450}},
        Caso{"del1", mov('1', 50), {}, {10, 20, 100, 250, 100, 350}},
        Caso{"del3", mov('3', 20), {}, {10, 0, 50, 300, 120, 420}},
        Caso{"del5", mov('5', 10), {}, {0, 20, 50, 300, 110, 410}},
        // Another date's movement, or a type text that names no type.
        Caso{"otherDate", {}, mov('0', 100, QStringLiteral("00001"), Fecha.addDays(-1)), Inicial},
        Caso{"unknownType",
             {},
             MovimientoLineup{QStringLiteral("00001"), Fecha, QStringLiteral("9.- Otro"), Decimal(100)},
             Inicial},
        // A seller's change on modify: the old seller's row loses it.
        Caso{"movedToOtherSeller",
             mov('0', 100),
             mov('0', 100, QStringLiteral("00002")),
             {10, 20, -50, 400, 100, 500},
             {10, 20, 150, 200, 100, 300}},
        // Seller code with blanks around it, trailing blank in the type.
        Caso{"blanks",
             {},
             MovimientoLineup{QStringLiteral(" 00001 "), Fecha, QStringLiteral("0.- Pago Vendedor a Duroz "),
                              Decimal(100)},
             {10, 20, 150, 200, 100, 300}}),
    [](const ::testing::TestParamInfo<Caso>& caso) { return std::string(caso.param.nombre); });

TEST(Actmem, MovesNeitherTheCursorNorAnythingWithoutALineUp)
{
    LineupMemoria memoria = lineup();
    memoria.rs.moveLast();
    EXPECT_EQ(core::actmem(memoria, {}, mov('0', 100)), 1);
    EXPECT_EQ(memoria.rs.absolutePosition(), 2) << "the grid's row moved";

    // Released (the line-up window closed) or of a date without rows.
    LineupMemoria cerrada;
    EXPECT_EQ(core::actmem(cerrada, {}, mov('0', 100)), 0);
    LineupMemoria vacia;
    RecordSet sinFilas;
    for (const QString& campo : core::camposLineup())
        sinFilas.appendField(campo, platform::db::DataType::VarChar, 10);
    vacia.rs = core::copiaLineup(sinFilas);
    vacia.fecha = Fecha;
    EXPECT_EQ(core::actmem(vacia, mov('0', 5), mov('0', 100)), 0);
    // A seller the line-up does not list.
    LineupMemoria otra = lineup();
    EXPECT_EQ(core::actmem(otra, {}, mov('0', 100, QStringLiteral("09999"))), 0);
}

TEST(Actmem, SharedLineUpAndPreFilledBalance)
{
    core::fijaLineup(lineup().rs, Fecha);
    EXPECT_EQ(core::actmem({}, mov('1', 25, QStringLiteral("00002"))), 1);
    EXPECT_EQ(core::saldojugada(QStringLiteral("00002"))->toDouble(), 325);
    EXPECT_FALSE(core::saldojugada(QStringLiteral("00003")));
    core::liberaLineup();
    EXPECT_FALSE(core::rslineup().vigente());
    EXPECT_FALSE(core::saldojugada(QStringLiteral("00002")));
    EXPECT_EQ(core::actmem({}, mov('1', 25, QStringLiteral("00002"))), 0);
    core::liberaLineup(); // twice is harmless
}

TEST(CopiaLineup, KeepsDecimalsAndRefusesAMissingColumn)
{
    RecordSet origen;
    for (const QString& campo : core::camposLineup())
        origen.appendField(campo.toUpper(), platform::db::DataType::VarChar, 20);
    origen.addNew();
    const QStringList valores = {
        QStringLiteral("00007"), QStringLiteral("UNO"), QStringLiteral(""),     QStringLiteral("1234567,891"),
        QStringLiteral("0"),     QStringLiteral("0"),   QStringLiteral("-0,5"), QStringLiteral("1"),
        QStringLiteral("2"),     QStringLiteral("3")};
    for (int i = 0; i < valores.size(); ++i)
        origen.setValue(i, valores[i]);
    origen.update();
    RecordSet copia = core::copiaLineup(origen);
    ASSERT_EQ(copia.recordCount(), 1);
    EXPECT_EQ(platform::db::toDecimal(copia.value(QStringLiteral("deuda")))->toString(3),
              QStringLiteral("1234567.891"));
    EXPECT_EQ(platform::db::toDecimal(copia.value(QStringLiteral("DEPOSITO")))->toString(1),
              QStringLiteral("-0.5"));

    RecordSet incompleto;
    incompleto.appendField(QStringLiteral("codven"), platform::db::DataType::VarChar, 5);
    EXPECT_THROW(core::copiaLineup(incompleto), platform::db::DbError);
}

} // namespace
