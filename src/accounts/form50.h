#pragma once
// Form50, "Movimientos": the movements of the seller the line-up window
// wrote into Label7, on the date of the older line-up window; its editor
// Form52 ("Actualiza Movimientos") saves through ACTMOV and applies what
// the server stored to the line-up held in memory (actmem). A delete done
// here is taken out of the line-up in memory too.

#include "accounts/editormovimiento.h"
#include "accounts/ventanamovimientos.h"

namespace accounts {

class Form50 : public VentanaMovimientos {
    Q_OBJECT
public:
    Form50();

protected:
    QString editor() const override { return QStringLiteral("Form52"); }
    QString lineaVendedor() const override;
    void trasEliminar(const QString& tipo, const platform::Decimal& monto) override;
};

class Form52 : public EditorMovimiento {
    Q_OBJECT
public:
    Form52();

    // Applies the movement the server stored to its seller's row of the
    // line-up held in memory: `anterior` taken back under its own type,
    // then `nuevo` applied.
    static void actmem(const std::optional<MovimientoGuardado>& anterior,
                       const std::optional<MovimientoGuardado>& nuevo);

protected:
    QString montoDeLineUp() override;
    void trasGrabar(const std::optional<MovimientoGuardado>& anterior,
                    const MovimientoGuardado& nuevo) override
    {
        actmem(anterior, nuevo);
    }
};

} // namespace accounts
