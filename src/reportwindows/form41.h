#pragma once
// Form41, "Reporte de Movimientos Administrativos": the money movements
// between the house and its sellers of a date range, for every seller or
// one group chief (with his group), of every movement type or one.

#include "reports/ventanareporte.h"

namespace reportwindows {

class Form41 : public reports::VentanaReporte {
    Q_OBJECT
public:
    Form41();

    QComboBox* VEND;          // sellers without a group chief; empty: all
    QComboBox* txtdescri_mov; // movement type "0.- …" to "5.- …"; empty: all

    // The movement types, as the movement editor names them.
    static const QStringList TiposMovimiento;

protected:
    void cargaListas() override;
    platform::db::RecordSet consulta() override;
    void fijaEncabezados() override;
    void escribe(platform::db::RecordSet& rs, const QString& borde) override;
};

} // namespace reportwindows
