#pragma once
// "RESULTAODS TOTALES": one row per date with its sales, commission, prizes
// and net amount, then a table of grand totals. Columns of
// rpt_res_ven_total_gral by position: 0 date, 1 sales, 2 commission,
// 3 prizes, 4 net. A NULL amount leaves its cell empty and makes its grand
// total NULL (an empty cell) from then on.

#include "reports/plantillahtml.h"

namespace reports {

void paginaTotalesFecha(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                        const QString& borde, const QString& nombrebanca);

// Called by the seller results window with the rows left on the first row,
// reportelinea1 (the date range) and the border text.
void htmltotalesfecha(platform::db::RecordSet& rs, const QString& linea1, const QString& borde);

} // namespace reports
