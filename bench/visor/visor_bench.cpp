// The report viewer's benchmark: how fast the movements page is written
// and how long the viewer takes, and how much memory, until a page is laid
// out and painted.
//
//   visor_bench escribe ROWS CONNECTION-STRING  fetch ROWS movements, write
//                                               the page, show it
//   visor_bench muestra PAGE.html               show a page file
//
// Each run prints one line of figures; peak memory is the process's, so run
// one measurement per process (bench/visor-bench does).

#include "reports/entregareporte.h"
#include "reports/form15.h"
#include "platform/ui/navegador/navegador.h"
#include "reports/registro.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/ui/window.h"
#include "platform/ui/windowregistry.h"
#include "reports/htmlmovimientos.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {

long picoMemoriaMB()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss / 1024;
}

// Shows the page in the viewer and waits until it is laid out and painted.
qint64 muestra(const QString& pagina)
{
    QElapsedTimer reloj;
    reloj.start();
    auto* visor = platform::ui::windowRegistry().get<reports::Form15>(QStringLiteral("Form15"));
    visor->WebBrowser1->navega(pagina);
    visor->showModeless();
    visor->repaint();
    QApplication::processEvents();
    if (visor->WebBrowser1->altoPagina() == 0) {
        std::fprintf(stderr, "the page was not laid out\n");
        return -1;
    }
    return reloj.elapsed();
}

int escribe(int filas, const QString& conexion)
{
    platform::db::Connection c;
    c.open(conexion, 30);
    QElapsedTimer reloj;
    reloj.start();
    platform::db::RecordSet rs = c.execute(
        QStringLiteral("SELECT vendedor, nombre_vend, fecha, movimiento, monto FROM movbench "
                       "ORDER BY id LIMIT %1")
            .arg(filas));
    const qint64 lectura = reloj.restart();
    QFile archivo(reports::archivoReporte());
    if (!archivo.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s\n", qPrintable(archivo.errorString()));
        return 1;
    }
    reports::PaginaHtml pagina(archivo);
    reports::paginaMovimientos(pagina, rs, QStringLiteral("Fecha Desde : 01/01/2024 Hasta: 31/12/2024"),
                               QString(), QStringLiteral("1"), QStringLiteral("BANCA DE PRUEBA"));
    pagina.termina();
    archivo.close();
    const qint64 escritura = reloj.restart();
    const qint64 vista = muestra(reports::archivoReporte());
    if (vista < 0)
        return 1;
    std::printf("filas %d  lectura %lld ms  escritura %lld ms  (%.0f filas/s, %.1f MB)  "
                "lectura+escritura %lld ms  visor %lld ms  pico %ld MB\n",
                rs.recordCount(), lectura, escritura,
                escritura > 0 ? 1000.0 * rs.recordCount() / escritura : 0.0, archivo.size() / 1048576.0,
                lectura + escritura, vista, picoMemoriaMB());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    reports::registerWindows(platform::ui::windowRegistry());
    QTemporaryDir carpeta;
    qputenv("DUROZ_HOME", carpeta.path().toUtf8());
    const QStringList args = QApplication::arguments();
    if (args.size() == 4 && args[1] == QLatin1String("escribe"))
        return escribe(args[2].toInt(), args[3]);
    if (args.size() == 3 && args[1] == QLatin1String("muestra")) {
        const qint64 ms = muestra(args[2]);
        if (ms < 0)
            return 1;
        std::printf("pagina %.1f MB  visor %lld ms  pico %ld MB\n", QFileInfo(args[2]).size() / 1048576.0, ms,
                    picoMemoriaMB());
        return 0;
    }
    std::fprintf(stderr, "usage: visor_bench escribe ROWS CONNECTION | muestra PAGE\n");
    return 2;
}
