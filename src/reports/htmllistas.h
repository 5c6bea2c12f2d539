#pragma once
// "REPORTE DE LISTAS": the numbers played for one play type with the amount
// played on each, four numbers to a table row, and their total under the
// table. The play type code chooses the layout: "1", "2" (amount column 4)
// and "5" (column 3) give number-amount pairs; "3" and "4" give number,
// special play (the first three characters of column 6) and amount
// (column 5); any other code gives a page without a table. Column 0 is the
// number. An amount may not be NULL.

#include "reports/plantillahtml.h"

namespace reports {

void paginaListas(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                  const QString& linea2, const QString& linea3, const QString& tipojugada,
                  const QString& linea4, const QString& borde, const QString& nombrebanca);

// Called by the lists report window with the rows left on the first row and,
// in this order, reportelinea1 (the seller line), reportelinea2 (the lottery
// line), reportelinea3 (the play type line), reportetipojugada,
// reportelinea4 (the date line) and the border text.
void htmllistas(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                const QString& linea3, const QString& tipojugada, const QString& linea4,
                const QString& borde);

// The seller line of a lists report: "Vendedor: " and the seller box's
// text, right-trimmed; empty when no seller is chosen (all sellers), so the
// page never carries the seller line of an earlier report.
QString lineaVendedorListas(const QString& textoVendedor);

} // namespace reports
