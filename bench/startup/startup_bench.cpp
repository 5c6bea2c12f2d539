// The program's start as the operator lives it, timed: the login window
// comes up from DUROZ.INI, the demo operator's password is typed and Enter
// pressed, and the main menu is on the screen with its lookup lists loaded.
// Prints the moment the menu was painted (Unix time in nanoseconds) for the
// calling script, which took the moment it started this process, and the
// in-process split.
//   startup_bench [USER PASSWORD]   (default ADMIN admin2007)
// DUROZ_HOME names the folder of DUROZ.INI, as for the program.

#include "app/registerallwindows.h"
#include "core/form1.h"
#include "core/form21.h"
#include "platform/ui/application.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/windowregistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

long long ahoraNs()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer reloj;
    reloj.start();
    platform::ui::Application app(argc, argv);
    const QString usuario = argc > 2 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("ADMIN");
    const QString clave = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("admin2007");

    // As main() does, every library's windows registered; message boxes go
    // to standard error, so a failed login cannot wait for a click.
    platform::ui::installSpanishTranslation();
    auto& ventanas = platform::ui::windowRegistry();
    app::registerAllWindows(ventanas);
    auto* login = qobject_cast<core::Form21*>(ventanas.show(QStringLiteral("Form21")));
    QApplication::processEvents();
    const qint64 loginMs = reloj.elapsed();

    int resultado = 1;
    QTimer::singleShot(0, [&] {
        login->Text1->setText(usuario);
        login->Text2->setText(clave);
        login->Command1->click();
        auto* menu = qobject_cast<core::Form1*>(ventanas.find(QStringLiteral("Form1")));
        if (!menu || !menu->isVisible()) {
            std::fprintf(stderr, "the main menu did not open\n");
            QApplication::exit(1);
            return;
        }
        menu->repaint(); // on the screen, not merely asked for
        const long long pintado = ahoraNs();
        std::printf("menu_ns=%lld login_ms=%lld menu_ms=%lld\n", pintado, loginMs,
                    static_cast<long long>(reloj.elapsed()));
        resultado = 0;
        QApplication::exit(0);
    });
    QApplication::exec();
    return resultado;
}
