#include "reports/entregareporte.h"

#include "reports/form15.h"
#include "platform/ui/navegador/navegador.h"
#include "platform/programfolder.h"
#include "platform/ui/windowregistry.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QSaveFile>

#include <stdexcept>

namespace reports {

namespace {

// The hourglass while a page is written; the pointer comes back however
// the writer ends.
class CursorEspera {
public:
    CursorEspera() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorEspera() { QGuiApplication::restoreOverrideCursor(); }
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;
};

void falla(const QSaveFile& archivo)
{
    throw std::runtime_error("no se pudo escribir la pagina del reporte: " +
                             archivo.errorString().toStdString());
}

// Writes the page into a file beside 0001.html that replaces it once the
// writer has finished.
void escribePagina(const std::function<void(reports::PaginaHtml&)>& escribe)
{
    QSaveFile archivo(archivoReporte());
    if (!archivo.open(QIODevice::WriteOnly))
        falla(archivo);
    reports::PaginaHtml pagina(archivo);
    escribe(pagina);
    pagina.termina();
    if (!archivo.commit())
        falla(archivo);
}

} // namespace

QString archivoReporte()
{
    return platform::programFile(QStringLiteral("0001.html"));
}

void publicaReporte(const std::function<void(reports::PaginaHtml&)>& escribe, BuscadorTicket buscador)
{
    CursorEspera espera;
    escribePagina(escribe);
    auto* visor = platform::ui::windowRegistry().get<Form15>(QStringLiteral("Form15"));
    if (!visor)
        throw std::logic_error("the report viewer Form15 is not registered");
    if (buscador == BuscadorTicket::Visible)
        visor->VERTICKET1->setVisible(true);
    visor->WebBrowser1->navega(archivoReporte());
    visor->showModeless();
}

} // namespace reports
