// The updater's window pressed "Actualizar" once in the program folder that
// DUROZ_HOME names, run until the run is over, its messages recorded rather
// than shown: a separate process the updater's tests can kill in the middle
// of an installation.
#include "messagerecorder.h"
#include "updater/form1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    testsupport::MessageRecorder mensajes;
    updater::Form1 ventana;
    try {
        ventana.actualizar();
    } catch (const platform::ProgramEnded&) {
        return 2;
    }
    while (ventana.descargando())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return 0;
}
