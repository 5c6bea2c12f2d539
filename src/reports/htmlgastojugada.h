#pragma once
// "CONSOLIDACION ADMINISTRATIVA": one row per seller (with the detail flag
// other than "0": per seller and date) with the play balance, the expenses
// and the balance after expenses that the page computes. Columns of
// RPTGASTOSALDO: 0 seller code, nombre_vend, then 1 play balance and
// 2 expenses, or 1 date, 2 play balance and 3 expenses. No totals.

#include "reports/plantillahtml.h"

namespace reports {

void paginaGastoJugada(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                       const QString& linea2, const QString& borde, const QString& detalle,
                       const QString& nombrebanca);

// Called by the play/expense consolidation window with the rows left on the
// first row, reportelinea1 (the date range), reportelinea2 (the seller range
// or empty), the border text and the detail flag ("1" by dates, "0" not).
void htmlgastojugada(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                     const QString& borde, const QString& detalle);

} // namespace reports
