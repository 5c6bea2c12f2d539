#pragma once
// "DETALLADO POR VENDEDOR": per seller a heading row, one row per date with
// its sales, commission, prizes and total, and the seller's subtotal row,
// all in one table; then a table of grand totals. Columns of
// rpt_res_ven_totales_fecha by position: 0 seller code (its rows come
// together), 1 seller name, 3 date, 4 sales, 5 commission, 6 prizes,
// 7 total.

#include "reports/plantillahtml.h"

namespace reports {

void paginaDetalladoVendedor(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                             const QString& linea2, const QString& borde, const QString& nombrebanca);

// Called by the seller results window with the rows left on the first row,
// reportelinea1 (the seller range), reportelinea2 (the date range) and the
// border text.
void htmldetalladovendedor(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                           const QString& borde);

} // namespace reports
