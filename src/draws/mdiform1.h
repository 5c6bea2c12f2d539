#pragma once
// MDIForm1, "Visor de Consultas On Line": the container every live-monitor
// window lives in. Its menu: "Cascada" and "Mosaico" arrange the monitor
// windows, "&Opciones" shows the settings window Form33. A monitor window
// brought forward (activated) refreshes at once.

#include "platform/ui/window.h"

class QMdiArea;
class QMenuBar;
class QAction;

namespace draws {

class Form34;

class MDIForm1 : public platform::ui::Window {
    Q_OBJECT
public:
    MDIForm1();

    QMenuBar* menu;
    QAction* Cascada;
    QAction* Mosaico;
    QAction* Opciones;
    QMdiArea* area;

    // Puts the monitor window in the container, shows it and makes it the
    // active one.
    void agrega(Form34* monitor);
    QList<Form34*> monitores() const;
};

} // namespace draws
