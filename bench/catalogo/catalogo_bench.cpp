// The lottery catalogue opened from the main menu, timed: from the click on
// "07 .- Loterias" until the catalogue is painted with the lotteries in its
// grid and the first one in its detail area. The first opening of a process
// pays the procedure's signature look-up; the script runs fresh processes,
// and each also reopens the catalogue a few times (closing it in between)
// for the figure of a warm program.
//   catalogo_bench SERVER PORT DATABASE [REOPENINGS]
// Prints "first_ms=… reopen_ms=…,…".

#include "core/form1.h"
#include "core/conexion.h"
#include "core/registerwindows.h"
#include "core/sesion.h"
#include "lotteries/form5.h"
#include "lotteries/registro.h"
#include "platform/ui/windowregistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QStringList>

#include <cstdio>

namespace {

// One click on the menu entry; the time until the catalogue is on the
// screen, or -1 when it did not open with rows.
double abreCatalogo(core::Form1& menu)
{
    QElapsedTimer reloj;
    reloj.start();
    menu.boton(QStringLiteral("Command12"))->click();
    auto* catalogo = qobject_cast<lotteries::Form5*>(
        platform::ui::windowRegistry().find(QStringLiteral("Form5")));
    if (!catalogo || !catalogo->isVisible() || catalogo->grilla()->model()->rowCount() == 0)
        return -1;
    catalogo->repaint(); // painted, not merely asked for
    const double ms = reloj.nsecsElapsed() / 1e6;
    catalogo->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ms;
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
    core::Sesion& s = core::sesion();
    s.servidor = QString::fromLocal8Bit(argv[1]);
    s.puerto = QString::fromLocal8Bit(argv[2]);
    s.basedatos = QString::fromLocal8Bit(argv[3]);
    s.usuarioactual = QStringLiteral("ADMIN");
    s.permisoactual = QStringLiteral("07-");
    if (!core::abreconexion(s.conexion, 0, 3))
        return 1;

    // The menu as the login leaves it: shown, its lookup lists loaded.
    auto& ventanas = platform::ui::windowRegistry();
    core::registerWindows(ventanas);
    lotteries::registerWindows(ventanas);
    auto* menu = qobject_cast<core::Form1*>(ventanas.show(QStringLiteral("Form1")));
    if (!menu)
        return 1;
    QApplication::processEvents();

    const double primera = abreCatalogo(*menu);
    QStringList otras;
    for (int i = 0; i < reaperturas; ++i)
        otras << QString::number(abreCatalogo(*menu), 'f', 1);
    std::printf("first_ms=%.1f reopen_ms=%s\n", primera, qPrintable(otras.join(QLatin1Char(','))));
    return primera < 0 ? 1 : 0;
}
