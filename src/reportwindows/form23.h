#pragma once
// Form23, "Reporte de VENTAS DE TAQUILLA": the point-of-sale sales report
// window. For now it holds what the report viewer's ticket look-up reads:
// the start and end date pickers and the seller box, with the loading that
// sets them; its report commands come with the rest of the window.

#include "core/ventanapuntoventa.h"
#include "platform/ui/window.h"

class QComboBox;
class QDateEdit;

namespace reportwindows {

class Form23 : public platform::ui::Window, public core::VentanaPuntoVenta {
    Q_OBJECT
public:
    Form23();

    QDateEdit* Desdes; // start date
    QDateEdit* Hastas; // end date
    QComboBox* Combo1; // seller: code " - " name

    QDate fechaDesde() const override;
    QString textoVendedor() const override;

protected:
    // Fills the seller box from the shared seller list, puts its first
    // seller in the box and sets both dates to the server's date.
    void onLoad() override;
};

} // namespace reportwindows
