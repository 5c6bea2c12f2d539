#pragma once
// caducados, "Historico de Tickets Caducados": the expired tickets of one
// seller, or of every seller ("*****"), over a range of dates, as a report
// page (hcaduca, then the writer reportecaducados). The server decides
// which tickets are expired; the window passes the range and the seller.
//
// The seller box lists the shared sellers and, last, the item "***** -
// TODOS LOS VENDEDORES", the option the seller check's message names; the
// operator may also type "*****". The "Mostrar:" box is shown and sent to
// nobody. Differences from the report parameter window: the load does not
// renew the connection, and after a reconnection "Generar" runs again.

#include "platform/db/connection.h"
#include "reports/ventanareporte.h"

class QComboBox;

namespace draws {

class caducados : public reports::VentanaReporte {
    Q_OBJECT
public:
    caducados();

    QComboBox* Combo1; // the seller: code " - " name
    QComboBox* Combo2; // "Mostrar:"

    // The item that asks for every seller.
    static const QString TodosLosVendedores;

    // hcaduca as "Generar" sends it (typed, mode "1", time-out 900).
    static platform::db::RecordSet hcaduca(platform::db::Connection& conexion, const QString& desde,
                                           const QString& hasta, const QString& vendedor);

protected:
    void cargaListas() override;
    bool validaParametros() override;
    platform::db::RecordSet consulta() override;
    void fijaEncabezados() override;
    void escribe(platform::db::RecordSet& rs, const QString& borde) override;
};

} // namespace draws
