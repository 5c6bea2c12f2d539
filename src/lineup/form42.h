#pragma once
// Form42, "Reporte de Line - Up de Vendedores": the line-up of one date as
// a report page. "Generar" asks DSPLUP22 for the date's rows and hands them
// to htmllineup. A date later than the server's registers the day's loan
// instalments, as the line-up window does (once: the server keeps them).

#include "reports/ventanareporte.h"

namespace lineup {

class Form42 : public reports::VentanaReporte {
    Q_OBJECT
public:
    Form42();

protected:
    platform::db::RecordSet consulta() override;
    void fijaEncabezados() override;
    void escribe(platform::db::RecordSet& rs, const QString& borde) override;
};

} // namespace lineup
