#pragma once
// Form23, "Reporte de VENTAS DE TAQUILLA": the tickets sold at the sale
// points of one seller, or of every seller ("*****"), over a date range,
// filtered by state ("Mostrar:"); or, with "Totales de venta por Centro de
// Apuesta" ticked, the sales totals per point of sale. The report viewer's
// ticket look-up reads its start date and seller box.
//
// Its differences from the report parameter window: no connection renewal
// when it loads, the seller check, and "Generar" runs again after a
// reconnection; the totals run renews no connection.

#include "core/ventanapuntoventa.h"
#include "reports/ventanareporte.h"

namespace reportwindows {

class Form23 : public reports::VentanaReporte, public core::VentanaPuntoVenta {
    Q_OBJECT
public:
    Form23();

    QComboBox* Combo1; // seller: code " - " name, or the all-sellers entry
    QComboBox* Combo2; // "Mostrar:" the ticket states
    QCheckBox* Check1; // "Totales de venta por Centro de Apuesta"

    // The entry of every seller. The seller table cannot hold it (codes are
    // sellers), so this window adds it after the sellers, and no other
    // window's seller list shows it.
    static const QString TodosLosVendedores;
    static const QStringList Estados;

    QDate fechaDesde() const override;
    QString textoVendedor() const override;

    // The totals per point of sale: ticks the totals box and runs "Generar",
    // whose totals road renews no connection and checks no seller.
    void reportetotales();

protected:
    void cargaListas() override;
    int renovaciones() const override;
    bool validaParametros() override;
    platform::db::RecordSet consulta() override;
    void fijaEncabezados() override;
    void escribe(platform::db::RecordSet& rs, const QString& borde) override;

private:
    QString codigoEstado() const;
};

} // namespace reportwindows
