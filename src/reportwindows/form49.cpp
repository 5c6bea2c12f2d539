#include "reportwindows/form49.h"

#include "core/conexion.h"
#include "core/sesion.h"
#include "reports/htmlconexiones.h"
#include "reportwindows/comunes.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>

namespace reportwindows {

Form49::Form49()
    : VentanaReporte({.titulo = QStringLiteral("Reporte de Conexiones"), .fechas = Fechas::Ninguna})
{
    Label1 = new QLabel(
        QStringLiteral("Reporte para Auditar las Conexiones Activas de las Taquillas por Vendedor"), this);
    parametros()->addRow(Label1);
}

bool Form49::onKeyPreview(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        generar();
        return true;
    }
    return VentanaReporte::onKeyPreview(evento);
}

bool Form49::validaParametros()
{
    // The header carries the server's date and time of this run.
    core::fechaservidor();
    return true;
}

platform::db::RecordSet Form49::consulta()
{
    return llamadaReporte(QStringLiteral("RPTCONEX"), {}, 0);
}

void Form49::fijaEncabezados()
{
    core::Sesion& s = core::sesion();
    s.reportelinea1 = QStringLiteral("Reporte de Conexiones Fecha: ") + s.fechaactual +
                      QStringLiteral(" Hora: ") + s.horaactual;
    s.reportelinea2.clear();
}

void Form49::escribe(platform::db::RecordSet& rs, const QString& borde)
{
    reports::htmlconexiones(rs, core::sesion().reportelinea1, borde);
}

} // namespace reportwindows
