#include "platform/ui/messagebox.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvelin Duroz"));
    platform::ui::installProgramServices();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quorvelin 2007 - BACK OFFICE"));
    window.setCentralWidget(new QLabel(QStringLiteral("Quorvelin Duroz")));
    window.resize(640, 400);
    window.show();
    return QApplication::exec();
}
