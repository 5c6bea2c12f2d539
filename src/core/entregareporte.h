#pragma once
// The hand-off of a report page to the viewer, the one place where a report
// writer touches windows.
//
// A writer builds its page from the result set (reports/plantillahtml.h)
// and hands the building to publicaReporte:
//
//   core::publicaReporte([&] { return paginaMovimientos(rs, l1, l2, borde, banca); });
//
// The page is built with the hourglass showing, written whole to 0001.html
// of the program folder (a writer that fails leaves the previous file as it
// was and no half page), and shown in the report viewer Form15, created on
// first use; an open viewer gets the new page.

#include "reports/plantillahtml.h"

#include <functional>

namespace core {

enum class BuscadorTicket {
    SinCambio, // the viewer's ticket look-up stays as it is
    Visible,   // the point-of-sale and expired-tickets pages switch it on
};

void publicaReporte(const std::function<reports::PaginaHtml()>& escribe,
                    BuscadorTicket buscador = BuscadorTicket::SinCambio);

// The page file: 0001.html of the program folder.
QString archivoReporte();

} // namespace core
