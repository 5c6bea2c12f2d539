#pragma once
// Form49, "Reporte de Conexiones": the point-of-sale sessions open now, per
// seller, with their total. It asks for nothing: no dates, no load of its
// own (opening it touches nothing on the server); Enter runs "Generar".

#include "reports/ventanareporte.h"

class QLabel;

namespace reportwindows {

class Form49 : public reports::VentanaReporte {
    Q_OBJECT
public:
    Form49();

    QLabel* Label1;

protected:
    void onLoad() override {}
    bool onKeyPreview(QKeyEvent* evento) override;
    bool validaParametros() override;
    platform::db::RecordSet consulta() override;
    void fijaEncabezados() override;
    void escribe(platform::db::RecordSet& rs, const QString& borde) override;
};

} // namespace reportwindows
