#pragma once
// "REPORTE DE LOTERIAS": per lottery a heading and a table of its sellers
// with sales, commission, prizes and net, closed by the lottery's subtotal
// row; then a table of grand totals. Columns of rpt_res_ven_loteria by
// position: 0 lottery (the group key; its rows come together), 5 lottery
// name, 2 seller, 6 sales, 7 commission, 8 prizes, 9 net. The page starts
// at the first row whatever row the caller left current.

#include "reports/plantillahtml.h"

namespace reports {

void paginaLoterias(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                    const QString& linea2, const QString& borde, const QString& nombrebanca);

// Called by the seller results window with the rows, reportelinea1 (the
// seller range), reportelinea2 (the date range) and the border text.
void htmlloterias(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                  const QString& borde);

} // namespace reports
