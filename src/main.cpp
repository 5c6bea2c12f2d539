#include "app/registerallwindows.h"
#include "app/smokecheck.h"
#include "core/conexion.h"
#include "platform/ui/application.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/windowregistry.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Its event dispatch reports an error that escapes a handler.
    platform::ui::Application aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvelin Duroz"));
    platform::ui::installProgramServices();
    core::installEscapedErrorReport();

    auto& ventanas = platform::ui::windowRegistry();
    app::registerAllWindows(ventanas);

    // The login is the only way in; it hands over to the main menu.
    ventanas.show(QStringLiteral("Form21"));
    app::reportShownWindowsWhenAsked();
    return QApplication::exec();
}
