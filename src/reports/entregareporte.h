#pragma once
// The hand-off of a report page to the viewer, the one place where a report
// writer touches windows.
//
// A writer fills its page from the result set (reports/plantillahtml.h)
// inside publicaReporte:
//
//   reports::publicaReporte([&](reports::PaginaHtml& pagina) {
//       paginaMovimientos(pagina, rs, l1, l2, borde, banca);
//   });
//
// The page is written with the hourglass showing into 0001.html of the
// program folder, which it replaces once it is complete: a writer that fails
// leaves the previous file as it was and no half page. The page is then
// shown in the report viewer Form15, created on first use; an open viewer
// gets the new page.

#include "reports/plantillahtml.h"

#include <functional>

namespace reports {

enum class BuscadorTicket {
    SinCambio, // the viewer's ticket look-up stays as it is
    Visible,   // the point-of-sale and expired-tickets pages switch it on
};

void publicaReporte(const std::function<void(reports::PaginaHtml&)>& escribe,
                    BuscadorTicket buscador = BuscadorTicket::SinCambio);

// The page file: 0001.html of the program folder.
QString archivoReporte();

} // namespace reports
