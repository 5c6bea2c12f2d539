// The live monitor under load: WINDOWS monitor windows (the five play types
// in turn over the lotteries given) polling monitoronline every PERIOD
// seconds for SECONDS seconds, in one offscreen program, as an operator
// would leave them open. Measured: each window refresh as the program runs
// it (server call, layout and list), the program's CPU share over the run,
// and how late a 50 ms timer fires (how responsive the program stays).
//   monitor_bench SERVER PORT DATABASE DATE LOTTERIES [SECONDS [WINDOWS [PERIOD]]]
// LOTTERIES: codes separated by commas. Prints one line of figures; exits
// non-zero when a window showed an error, no window found rows, or the
// windows refreshed fewer times than their timers asked for.

#include "core/conexion.h"
#include "core/sesion.h"
#include "draws/form34.h"
#include "draws/monitores.h"
#include "draws/registro.h"
#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListWidget>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Counts the boxes instead of showing them.
class Cajas final : public platform::MessageBoxService {
public:
    int show(const QString& prompt, int, const QString&) override
    {
        ++vistas;
        std::fprintf(stderr, "box: %s\n", qPrintable(prompt));
        return platform::msg::AnswerOk;
    }
    int vistas = 0;
};

double cpuSegundos()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) +
           double(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

double percentil(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * double(v.size())))];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 6) {
        std::fprintf(
            stderr,
            "usage: monitor_bench SERVER PORT DATABASE DATE LOTTERIES [SECONDS [WINDOWS [PERIOD]]]\n");
        return 2;
    }
    const int segundos = argc > 6 ? std::atoi(argv[6]) : 60;
    const int ventanas = argc > 7 ? std::atoi(argv[7]) : 10;
    const int periodo = argc > 8 ? std::atoi(argv[8]) : 5;
    const QString fecha = QString::fromLocal8Bit(argv[4]);
    const QStringList loterias = QString::fromLocal8Bit(argv[5]).split(QLatin1Char(','));

    Cajas cajas;
    platform::setMessageBoxService(&cajas);
    core::Sesion& s = core::sesion();
    s.servidor = QString::fromLocal8Bit(argv[1]);
    s.puerto = QString::fromLocal8Bit(argv[2]);
    s.basedatos = QString::fromLocal8Bit(argv[3]);
    core::reconstruyecadenaconexion();
    if (!core::abreconexion(s.conexion, 0, 3))
        return 1;
    draws::registerWindows(platform::ui::windowRegistry());
    draws::reiniciamonitores();

    // One refresh of a window as the program runs it, timed alone first.
    QList<draws::Form34*> abiertas;
    for (int i = 0; i < ventanas; ++i) {
        const QString loteria = loterias.value(i % loterias.size()) + QStringLiteral(" - BENCH");
        abiertas << draws::abremonitor(fecha, QString::number(i % 5 + 1), loteria, QString(), QString(),
                                       QString(), 4, periodo);
    }
    std::vector<double> refrescos;
    for (int vuelta = 0; vuelta < 5; ++vuelta)
        for (draws::Form34* m : abiertas) {
            QElapsedTimer reloj;
            reloj.start();
            m->actualizamonitor();
            refrescos.push_back(double(reloj.nsecsElapsed()) / 1e6);
        }
    int iniciales = 0;
    for (draws::Form34* m : abiertas)
        iniciales += m->refrescos();

    // The run: the windows' own timers; a 50 ms probe measures lateness.
    std::vector<double> retrasos;
    QElapsedTimer desde;
    QTimer sonda;
    sonda.setInterval(50);
    QObject::connect(&sonda, &QTimer::timeout, [&] {
        retrasos.push_back(std::max(0.0, double(desde.nsecsElapsed()) / 1e6 - 50.0));
        desde.restart();
    });
    const double cpu0 = cpuSegundos();
    QElapsedTimer pared;
    pared.start();
    desde.start();
    sonda.start();
    // A loop of its own: quitting the application would close the windows.
    QEventLoop bucle;
    QTimer::singleShot(segundos * 1000, &bucle, &QEventLoop::quit);
    bucle.exec();
    const double paredS = double(pared.nsecsElapsed()) / 1e9;
    const double cpu = cpuSegundos() - cpu0;

    int total = 0;
    int conDatos = 0;
    for (draws::Form34* m : abiertas) {
        total += m->refrescos();
        conDatos += m->lineas() != QStringList{QStringLiteral("No hay Datos para la Consulta")} ? 1 : 0;
    }
    const int delTimer = total - iniciales;
    const int esperados = ventanas * (segundos / std::max(1, periodo));
    std::printf(
        "windows=%d period_s=%d run_s=%.1f refresh_median_ms=%.1f refresh_p95_ms=%.1f refresh_max_ms=%.1f "
        "windows_with_rows=%d timer_refreshes=%d expected=%d cpu_share=%.1f%% probe_late_p99_ms=%.1f "
        "probe_late_max_ms=%.1f\n",
        ventanas, periodo, paredS, percentil(refrescos, 0.5), percentil(refrescos, 0.95),
        percentil(refrescos, 1.0), conDatos, delTimer, esperados, 100.0 * cpu / paredS,
        percentil(retrasos, 0.99), percentil(retrasos, 1.0));
    std::fflush(stdout);
    // The windows go before the application and the box service they use.
    platform::ui::windowRegistry().clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform::setMessageBoxService(nullptr);
    if (cajas.vistas > 0 || conDatos == 0 || delTimer < esperados * 9 / 10) {
        std::fprintf(
            stderr,
            "the monitors did not do their work: %d boxes, %d windows with rows, %d of %d refreshes\n",
            cajas.vistas, conDatos, delTimer, esperados);
        return 1;
    }
    return 0;
}
