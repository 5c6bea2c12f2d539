#pragma once
// The prizes-per-number report: the prizes paid on one number of one
// lottery and date, one row per result row, and the total of the prizes.
// Columns of reportepremionumero: 0 seller code, nombre_vend, 3 number,
// 4 normal amount, 5 prize, 6 special amount. A NULL prize counts as 0.

#include "reports/plantillahtml.h"

namespace reports {

void paginaPremiosNumero(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                         const QString& linea2, const QString& borde, const QString& nombrebanca);

// Called by the prizes-per-number window with the rows left on the first
// row, reportelinea1 (the number and date), reportelinea2 (the lottery and
// play) and the border text.
void htmlpremiosnumero(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                       const QString& borde);

} // namespace reports
