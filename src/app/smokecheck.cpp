#include "app/smokecheck.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace app {

void reportShownWindowsWhenAsked()
{
    if (qEnvironmentVariableIsEmpty("DUROZ_SMOKE_CHECK"))
        return;
    QTimer::singleShot(0, qApp, [] {
        for (const QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible())
                std::printf("%s: %s\n", qPrintable(w->objectName()), qPrintable(w->windowTitle()));
        }
        std::fflush(stdout);
        QApplication::exit(0);
    });
}

} // namespace app
