#pragma once
// The administrative movements report: one row per movement with its
// seller, movement, date and amount; no totals.

#include "reports/plantillahtml.h"

namespace reports {

// Writes the page of the movements in `rs` from its current row on.
void paginaMovimientos(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                       const QString& linea2, const QString& borde, const QString& nombrebanca);

// Writes the page and shows it in the report viewer. Called by the
// movements report window with the rows of rptmov (left on the first row),
// reportelinea1 (the date range), reportelinea2 (empty) and the border text.
void htmlmovimientos(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                     const QString& borde);

} // namespace reports
