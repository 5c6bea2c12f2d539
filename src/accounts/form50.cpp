#include "accounts/form50.h"

#include "core/actmem.h"
#include "core/rutinas.h"
#include "platform/regional.h"
#include "reports/ventanareporte.h"

#include <QDateEdit>
#include <QLabel>

namespace accounts {

namespace {

std::optional<core::MovimientoLineup> enLineup(const std::optional<MovimientoGuardado>& m)
{
    if (!m)
        return std::nullopt;
    return core::MovimientoLineup{m->vendedor, m->fecha, m->tipo, m->monto};
}

} // namespace

Form50::Form50() : VentanaMovimientos(QStringLiteral("Movimientos")) {}

QString Form50::lineaVendedor() const
{
    return Label7->text();
}

void Form50::trasEliminar(const QString& tipo, const platform::Decimal& monto)
{
    Form52::actmem(MovimientoGuardado{vendedor(), Hastas->date(), tipo, monto}, std::nullopt);
}

Form52::Form52() : EditorMovimiento({}) {}

void Form52::actmem(const std::optional<MovimientoGuardado>& anterior,
                    const std::optional<MovimientoGuardado>& nuevo)
{
    core::actmem(enLineup(anterior), enLineup(nuevo));
}

// The seller's own row of the line-up: its lottery balance without sign.
QString Form52::montoDeLineUp()
{
    const std::optional<platform::Decimal> saldo = core::saldojugada(core::primerapalabra(Label2->text()));
    if (!saldo)
        return {};
    return platform::regional::format(saldo->isNegative() ? -*saldo : *saldo, QStringLiteral("###,###0.00"));
}

} // namespace accounts
