#pragma once
// What the report viewer's ticket look-up reads of the point-of-sale report
// window Form23 (a window of the report windows' library): the report's
// start date and the text of its seller box. The look-up finds the window by
// its name; reading it creates and loads it hidden when it is not open.

#include <QDate>
#include <QString>

namespace core {

class VentanaPuntoVenta {
public:
    virtual ~VentanaPuntoVenta() = default;
    // The date of the start-date picker Desdes.
    virtual QDate fechaDesde() const = 0;
    // The text of the seller box Combo1: a seller item (code, " - ", name),
    // or empty.
    virtual QString textoVendedor() const = 0;
};

} // namespace core
