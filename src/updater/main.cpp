#include "app/smokecheck.h"
#include "platform/ui/messagebox.h"
#include "updater/form1.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelvanto"));
    platform::ui::installProgramServices();

    // The command line after the program's name, as one text: "/1" asks for
    // the sale-point report after an update.
    const QStringList argumentos = QApplication::arguments().mid(1);
    auto* ventana = new updater::Form1(argumentos.join(QLatin1Char(' ')));
    ventana->showModeless();
    app::reportShownWindowsWhenAsked();
    return QApplication::exec();
}
