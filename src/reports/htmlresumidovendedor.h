#pragma once
// "RESUMIDO POR VENDEDOR": one row per seller with its sales, commission,
// prizes and net amount, then a table of grand totals. Columns of
// rpt_res_ven_totales by position: 1 seller, 4 sales, 5 commission,
// 6 prizes, 7 net.

#include "reports/plantillahtml.h"

namespace reports {

void paginaResumidoVendedor(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                            const QString& linea2, const QString& borde, const QString& nombrebanca);

// Called by the seller results window with the rows left on the first row,
// reportelinea1 (the seller range), reportelinea2 (the date range) and the
// border text.
void htmlresumidovendedor(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                          const QString& borde);

} // namespace reports
