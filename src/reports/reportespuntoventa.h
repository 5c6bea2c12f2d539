#pragma once
// The report pages of the shared module: the tickets sold at the sale
// points, the total sales per sale point and the expired tickets. Each
// writer takes the result set left on its first row by the calling window,
// the two header lines (both always written) and the border text, writes the
// page and shows it in the report viewer. The point-of-sale and
// expired-tickets pages switch the viewer's ticket look-up on.
//
// The pagina… functions write the pages alone, without any window.

#include "platform/db/recordset.h"
#include "reports/plantillahtml.h"

namespace reports {

// Columns of rptptovta by position: 0 ticket, 1 sale amount, 2 sale time,
// 3 sale-point user, 4 state ("ACT", "ELI"), 5 prized flag ("S"), 6 prize,
// 7 paid flag ("S"). The totals count only active tickets, NULL as 0.
void paginaPuntoVenta(reports::PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                      const QString& linea2, const QString& borde, const QString& nombrebanca);
void reportepuntoventa(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                       const QString& borde);

// Columns of rpttaquillatotales: 0 the sale point, 1 its total sales. The
// page carries the print date and time and ends with the number of sale
// points.
void paginaTotalesPuntoVenta(reports::PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                             const QString& linea2, const QString& borde, const QString& nombrebanca,
                             const QString& fecha, const QString& hora);
// Refreshes the server date and time first.
void reportetotalespuntoventa(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                              const QString& borde);

// Columns of hcaduca: 0 ticket, 1 sale-point user, 2 date, 3 time, 4 sale
// amount, 5 prize; NULL amounts count as 0.
void paginaCaducados(reports::PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                     const QString& linea2, const QString& borde, const QString& nombrebanca);
void reportecaducados(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                      const QString& borde);

} // namespace reports
