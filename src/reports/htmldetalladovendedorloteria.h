#pragma once
// "REPORTE DETALLADO": per seller a heading and a table of its rows by
// lottery and play with sales, commission, prizes and net, closed by the
// seller's subtotal row; then a table of grand totals. Columns of
// rpt_res_ven_resumido_loteria by position: 0 seller code (its rows come
// together), 2 seller name, 4 lottery, 5 play, 6 sales, 7 commission,
// 8 prizes, 9 net. The page starts at the first row.

#include "reports/plantillahtml.h"

namespace reports {

void paginaDetalladoVendedorLoteria(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                                    const QString& linea2, const QString& borde, const QString& nombrebanca);

// Called by the seller results window with the rows, reportelinea1 (the
// seller range), reportelinea2 (the date range) and the border text.
void htmldetalladovendedorloteria(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                                  const QString& borde);

} // namespace reports
