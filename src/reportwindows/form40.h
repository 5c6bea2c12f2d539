#pragma once
// Form40, "Reporte de Listas": for one date, play type, lottery and
// (optionally) seller, the numbers sold with the amount sold on each, four
// to a table row, and their total.

#include "reports/ventanareporte.h"

namespace reportwindows {

class Form40 : public reports::VentanaReporte {
    Q_OBJECT
public:
    Form40();

    QComboBox* Combo1;    // play type "1 - Triples" … "5 - Digito"
    QComboBox* LALOTERIA; // lottery: code " - " name
    QComboBox* VEND;      // seller; empty: every seller

    static const QStringList TiposJugada;

    // "Generar": runs the report.
    void generalista();

protected:
    void cargaListas() override;
    platform::db::RecordSet consulta() override;
    void fijaEncabezados() override;
    void escribe(platform::db::RecordSet& rs, const QString& borde) override;
};

} // namespace reportwindows
