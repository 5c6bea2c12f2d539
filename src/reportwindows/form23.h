#pragma once
// Form23, "Reporte de VENTAS DE TAQUILLA": the point-of-sale sales report
// window, a report parameter window with a seller box. For now it holds
// what the report viewer's ticket look-up reads: the start date and the
// seller box, with the loading that sets them; its report commands come
// with the rest of the window, so "Generar" stays disabled until then.
//
// Its differences from the report parameter window: no connection renewal
// when it loads, and "Generar" runs again after a reconnection.

#include "core/ventanapuntoventa.h"
#include "reports/ventanareporte.h"

class QComboBox;

namespace reportwindows {

class Form23 : public reports::VentanaReporte, public core::VentanaPuntoVenta {
    Q_OBJECT
public:
    Form23();

    QComboBox* Combo1; // seller: code " - " name

    QDate fechaDesde() const override;
    QString textoVendedor() const override;

protected:
    // Fills the seller box from the shared seller list and puts its first
    // seller in the box.
    void cargaListas() override;
};

} // namespace reportwindows
