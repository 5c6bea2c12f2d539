#pragma once
// "RESULTADOS POR GRUPOS": one row per seller with what its rows of the
// chosen group add up to, then the group's grand totals with the
// commission of the group's chief, which only the grand total is reduced
// by. Columns of rpt_res_ven_GRUPOS by position: 0 seller code (its rows
// come together), 3 sales, 4 commission, 5 prizes, 6 total, 7 seller name,
// 8 the seller's group, 9 the chief's commission. A row counts only when
// column 8 is exactly the chosen group code; other rows add nothing but
// still close a seller. The page starts at the first row.

#include "reports/plantillahtml.h"

namespace reports {

void paginaGrupos(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                  const QString& linea2, const QString& borde, const QString& grupo,
                  const QString& nombrebanca);

// Called by the seller results window with the rows, reportelinea1 (the
// date range), reportelinea2 (the group) and the border text; the group
// code is the first word of the window's group box Form25.ELGRUPO.
void htmlgrupos(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                const QString& borde);

} // namespace reports
