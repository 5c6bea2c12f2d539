// The line-up of one date for every seller, timed on a database holding the
// volume data: DspLup22 alone (the server's work and the rows' transfer),
// then the line-up window from its opening to its grid painted with the
// rows (the load's query and copy into memory, the activation's binding).
//   lineup_bench SERVER PORT DATABASE [RUNS]
// Prints "rows=… server_median_ms=… server_max_ms=… window_first_ms=…
// window_median_ms=…"; exits non-zero when the line-up has no rows or the
// window did not open with them.

#include "core/conexion.h"
#include "core/form1.h"
#include "core/registerwindows.h"
#include "core/sesion.h"
#include "lineup/form51.h"
#include "lineup/registro.h"
#include "platform/db/calltext.h"
#include "platform/ui/windowregistry.h"

#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The window opened as the main menu opens it; the time until its grid is
// painted with the rows, or -1 when it did not open with rows.
double abreLineup()
{
    auto& ventanas = platform::ui::windowRegistry();
    QElapsedTimer reloj;
    reloj.start();
    auto* w = qobject_cast<lineup::Form51*>(ventanas.show(QStringLiteral("Form51")));
    if (!w || w->DataGrid1->model()->rowCount() == 0)
        return -1;
    w->repaint();
    const double ms = reloj.nsecsElapsed() / 1e6;
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: lineup_bench SERVER PORT DATABASE [RUNS]\n");
        return 2;
    }
    const int corridas = std::max(1, argc > 4 ? std::atoi(argv[4]) : 5);
    core::Sesion& s = core::sesion();
    s.servidor = QString::fromLocal8Bit(argv[1]);
    s.puerto = QString::fromLocal8Bit(argv[2]);
    s.basedatos = QString::fromLocal8Bit(argv[3]);
    if (!core::abreconexion(s.conexion, 0, 3))
        return 1;
    core::fechaservidor();

    int filas = 0;
    std::vector<double> servidor;
    for (int i = 0; i < corridas; ++i) {
        QElapsedTimer reloj;
        reloj.start();
        platform::db::RecordSet rs = s.conexion.execute(
            platform::db::callText(QStringLiteral("DspLup22"), {s.fechaactual}));
        servidor.push_back(reloj.nsecsElapsed() / 1e6);
        filas = rs.recordCount();
    }

    auto& ventanas = platform::ui::windowRegistry();
    core::registerWindows(ventanas);
    lineup::registerWindows(ventanas);
    const double primera = abreLineup();
    std::vector<double> ventana;
    for (int i = 0; i < corridas; ++i)
        ventana.push_back(abreLineup());
    std::printf("date=%s rows=%d server_median_ms=%.1f server_max_ms=%.1f window_first_ms=%.1f "
                "window_median_ms=%.1f\n",
                qPrintable(s.fechaactual), filas, mediana(servidor),
                *std::max_element(servidor.begin(), servidor.end()), primera, mediana(ventana));
    const bool bien = filas > 0 && primera >= 0 && *std::min_element(ventana.begin(), ventana.end()) >= 0;
    return bien ? 0 : 1;
}
