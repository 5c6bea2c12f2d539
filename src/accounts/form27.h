#pragma once
// Form27 and its entry dialog Form28: the older movements window and
// dialog, which nothing in the program opens. Form27 hides its delete, its
// "Ver Line-Up" (the tax processing window) and its summary; the seller of
// Form28 comes from the older line-up window's grid, and Form28 leaves the
// line-up in memory alone.

#include "accounts/editormovimiento.h"
#include "accounts/ventanamovimientos.h"

namespace accounts {

class Form27 : public VentanaMovimientos {
    Q_OBJECT
public:
    Form27();

protected:
    QString editor() const override { return QStringLiteral("Form28"); }
    QString lineaVendedor() const override;
};

class Form28 : public EditorMovimiento {
    Q_OBJECT
public:
    Form28();

    // Nothing calls it: for type 0, adds the amount to the "Saldo Pagos"
    // column of the older line-up window's current row.
    void actmem();

protected:
    QString montoDeLineUp() override;
};

} // namespace accounts
