#pragma once
// Form30, "Procesar Impuestos ": has the server process the taxes of one day
// (Proceseimpuestos) on a connection of its own (conexionproceso) with
// hour-long time-outs, tells the answer and closes. Every tax figure is the
// server's: the window sends the date and reads the answer.

#include "platform/ui/window.h"

class QDateEdit;
class QLabel;
class QPushButton;

namespace fiscal {

class Form30 : public platform::ui::Window {
    Q_OBJECT
public:
    Form30();

    QPushButton* XPButton4; // "Procesar"
    QPushButton* XPButton1; // "Salir"
    QDateEdit* Desdes;
    QLabel* Label1;

protected:
    void onLoad() override;
    bool onKeyPreview(QKeyEvent* event) override;

private:
    void procesar();
    QString ejecuta(const QString& fecha);
};

} // namespace fiscal
