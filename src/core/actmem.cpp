#include "core/actmem.h"

#include "platform/db/dberror.h"
#include "platform/db/values.h"

#include <array>

using platform::Decimal;
using platform::db::RecordSet;

namespace core {

namespace {

// The sign each amount column takes for one type: cuenta, movimiento,
// deposito, total, saldoprestamo, saldogragral.
using Signos = std::array<int, 6>;
constexpr int PrimeraColumnaCambiada = 4; // cuenta

Signos signosDelTipo(const QString& tipo)
{
    const QString texto = tipo.trimmed();
    const QChar codigo = texto.isEmpty() ? QChar() : texto.at(0);
    if (codigo == u'0')
        return {0, 0, +1, -1, 0, -1};
    if (codigo == u'1')
        return {0, 0, -1, +1, 0, +1};
    if (codigo == u'2')
        return {0, 0, 0, 0, +1, +1};
    if (codigo == u'3')
        return {0, +1, 0, 0, -1, -1};
    if (codigo == u'5')
        return {+1, 0, 0, 0, -1, -1};
    return {0, 0, 0, 0, 0, 0};
}

bool cambiaAlgo(const Signos& signos)
{
    for (int signo : signos)
        if (signo != 0)
            return true;
    return false;
}

// A cursor of the line-up standing on the seller's row; nullopt when the
// line-up has no row of that seller.
std::optional<RecordSet> filaDelVendedor(const LineupMemoria& lineup, const QString& vendedor)
{
    if (lineup.rs.state() != RecordSet::StateOpen || lineup.rs.recordCount() == 0)
        return std::nullopt;
    const QString codigo = vendedor.trimmed();
    RecordSet fila = lineup.rs.clone();
    for (fila.moveFirst(); !fila.eof(); fila.moveNext())
        if (fila.value(0).toString().trimmed() == codigo)
            return fila;
    return std::nullopt;
}

Decimal importe(const RecordSet& fila, int columna)
{
    return platform::db::toDecimal(fila.value(columna)).value_or(Decimal());
}

// Adds `factor` x amount under the type's rule to the movement's row.
bool aplica(LineupMemoria& lineup, const MovimientoLineup& mov, int factor)
{
    if (!lineup.vigente() || mov.fecha != lineup.fecha)
        return false;
    const Signos signos = signosDelTipo(mov.tipo);
    if (!cambiaAlgo(signos))
        return false;
    std::optional<RecordSet> fila = filaDelVendedor(lineup, mov.vendedor);
    if (!fila)
        return false;
    for (int i = 0; i < int(signos.size()); ++i) {
        if (signos[i] == 0)
            continue;
        const int columna = PrimeraColumnaCambiada + i;
        const Decimal cambio = signos[i] * factor > 0 ? mov.monto : -mov.monto;
        fila->setValue(columna, QVariant::fromValue(importe(*fila, columna) + cambio));
    }
    fila->update();
    return true;
}

} // namespace

int actmem(LineupMemoria& lineup, const std::optional<MovimientoLineup>& anterior,
           const std::optional<MovimientoLineup>& nuevo)
{
    int cambios = 0;
    try {
        if (anterior && aplica(lineup, *anterior, -1))
            ++cambios;
        if (nuevo && aplica(lineup, *nuevo, +1))
            ++cambios;
    } catch (const platform::db::DbError&) {
        // The server has stored the movement: the line-up in memory is only
        // a view of it, and the next build shows it right.
    } catch (const std::overflow_error&) {
    }
    if (cambios > 0 && lineup.cambiado)
        lineup.cambiado();
    return cambios;
}

int actmem(const std::optional<MovimientoLineup>& anterior, const std::optional<MovimientoLineup>& nuevo)
{
    return actmem(rslineup(), anterior, nuevo);
}

std::optional<Decimal> saldojugada(const QString& vendedor)
{
    std::optional<RecordSet> fila = filaDelVendedor(rslineup(), vendedor);
    if (!fila)
        return std::nullopt;
    return importe(*fila, 7);
}

} // namespace core
