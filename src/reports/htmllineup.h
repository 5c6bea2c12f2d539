#pragma once
// "REPORTE DE LINE UP": the balance sheet of every seller for one date, one
// row per seller, and a row of column totals. Every attribute of the page
// is in single quotes. Columns of DSPLUP22 by position: 0 seller code (not
// shown), 1 name, 2 last date, 3 previous balance, 4 account of the date,
// 5 collections, 6 payments, 7 current balance, 8 loan balance, 9 general
// balance; every column after 0 is shown in its order and 3 to 9 are
// summed. Values are written as plain text, without an amount format.

#include "reports/plantillahtml.h"

namespace reports {

void paginaLineUp(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                  const QString& linea2, const QString& borde, const QString& nombrebanca);

// Called by the line-up report window with the rows left on the first row,
// reportelinea1 (the operator's name), reportelinea2 (the date) and the
// border text.
void htmllineup(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                const QString& borde);

} // namespace reports
