// A catalogue opened from the main menu, timed: from the click on its entry
// ("07 .- Loterias", "03 .- Vendedores") until the catalogue is painted with
// the rows in its grid and the first one in its detail area. The first
// opening of a process pays the procedure's signature look-up; the script
// runs fresh processes, and each also reopens the catalogue a few times
// (closing it in between) for the figure of a warm program. The seller
// catalogue is also walked from seller to seller: each move shows the
// seller's whole record, painted.
//   catalogo_bench SERVER PORT DATABASE [REOPENINGS [loterias|vendedores]]
// Prints "first_ms=… reopen_ms=…,…" and, for the sellers,
// " rows=… move_median_ms=… move_max_ms=…".

#include "core/form1.h"
#include "core/conexion.h"
#include "core/registerwindows.h"
#include "core/sesion.h"
#include "lotteries/form5.h"
#include "lotteries/registro.h"
#include "sellers/form3.h"
#include "sellers/registro.h"
#include "platform/ui/windowregistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QStringList>

#include <algorithm>
#include <vector>

#include <cstdio>

namespace {

// The menu entry and the window of each catalogue.
struct Catalogo {
    QString boton;
    QString ventana;
    QString permiso;
};

core::Catalogo* catalogoAbierto(const Catalogo& c)
{
    return qobject_cast<core::Catalogo*>(platform::ui::windowRegistry().find(c.ventana));
}

void cierra(core::Catalogo* catalogo)
{
    catalogo->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One click on the menu entry; the time until the catalogue is on the
// screen, or -1 when it did not open with rows. `deja` keeps it open.
double abreCatalogo(core::Form1& menu, const Catalogo& c, bool deja = false)
{
    QElapsedTimer reloj;
    reloj.start();
    menu.boton(c.boton)->click();
    core::Catalogo* catalogo = catalogoAbierto(c);
    if (!catalogo || !catalogo->isVisible() || catalogo->grilla()->model()->rowCount() == 0)
        return -1;
    catalogo->repaint(); // painted, not merely asked for
    const double ms = reloj.nsecsElapsed() / 1e6;
    if (!deja)
        cierra(catalogo);
    return ms;
}

// Moves the open catalogue's grid to every row in turn; the time of each
// move until the detail is painted, sorted.
std::vector<double> recorre(core::Catalogo& catalogo)
{
    std::vector<double> tiempos;
    core::GrillaCatalogo* grilla = catalogo.grilla();
    const int filas = grilla->model()->rowCount();
    for (int fila = 1; fila < filas; ++fila) {
        QElapsedTimer reloj;
        reloj.start();
        grilla->setCurrentIndex(grilla->model()->index(fila, 0));
        catalogo.repaint();
        tiempos.push_back(reloj.nsecsElapsed() / 1e6);
    }
    std::sort(tiempos.begin(), tiempos.end());
    return tiempos;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: catalogo_bench SERVER PORT DATABASE [REOPENINGS]\n");
        return 2;
    }
    const int reaperturas = argc > 4 ? std::atoi(argv[4]) : 5;
    const bool vendedores = argc > 5 && QLatin1String(argv[5]) == QLatin1String("vendedores");
    const Catalogo c =
        vendedores ? Catalogo{QStringLiteral("Command13"), QStringLiteral("Form3"), QStringLiteral("03-")}
                   : Catalogo{QStringLiteral("Command12"), QStringLiteral("Form5"), QStringLiteral("07-")};
    core::Sesion& s = core::sesion();
    s.servidor = QString::fromLocal8Bit(argv[1]);
    s.puerto = QString::fromLocal8Bit(argv[2]);
    s.basedatos = QString::fromLocal8Bit(argv[3]);
    s.usuarioactual = QStringLiteral("ADMIN");
    s.permisoactual = c.permiso;
    if (!core::abreconexion(s.conexion, 0, 3))
        return 1;

    // The menu as the login leaves it: shown, its lookup lists loaded.
    auto& ventanas = platform::ui::windowRegistry();
    core::registerWindows(ventanas);
    lotteries::registerWindows(ventanas);
    sellers::registerWindows(ventanas);
    auto* menu = qobject_cast<core::Form1*>(ventanas.show(QStringLiteral("Form1")));
    if (!menu)
        return 1;
    QApplication::processEvents();

    const double primera = abreCatalogo(*menu, c);
    QStringList otras;
    for (int i = 0; i < reaperturas; ++i)
        otras << QString::number(abreCatalogo(*menu, c), 'f', 1);
    std::printf("first_ms=%.1f reopen_ms=%s", primera, qPrintable(otras.join(QLatin1Char(','))));
    if (vendedores && primera >= 0 && abreCatalogo(*menu, c, true) >= 0) {
        core::Catalogo* catalogo = catalogoAbierto(c);
        const std::vector<double> tiempos = recorre(*catalogo);
        std::printf(" rows=%d move_median_ms=%.2f move_max_ms=%.2f", catalogo->grilla()->model()->rowCount(),
                    tiempos.empty() ? 0.0 : tiempos[tiempos.size() / 2],
                    tiempos.empty() ? 0.0 : tiempos.back());
        cierra(catalogo);
    }
    std::printf("\n");
    return primera < 0 ? 1 : 0;
}
