#pragma once
// "REPORTE DE CONEXIONES": the active point-of-sale connections per seller
// and their total. Columns of RPTCONEX: 0 seller code, nombre_vend,
// 4 number of connections (never NULL).

#include "reports/plantillahtml.h"

namespace reports {

void paginaConexiones(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                      const QString& borde, const QString& nombrebanca);

// Called by the connections report window with the rows left on the first
// row, reportelinea1 (the report's name with the server date and time) and
// the border text.
void htmlconexiones(platform::db::RecordSet& rs, const QString& linea1, const QString& borde);

} // namespace reports
