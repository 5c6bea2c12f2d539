#pragma once
// Form39, "Ver ticket": the ticket text of the report viewer's look-up, one
// line per item of its list, shown modal over the viewer.

#include "platform/ui/window.h"

#include <QStringList>

class QListWidget;
class QPushButton;

namespace reports {

class Form39 : public platform::ui::Window {
    Q_OBJECT
public:
    Form39();

    // Empties the list and fills it with `lineas`.
    void llena(const QStringList& lineas);
    // The lines of the list.
    QStringList lineas() const;

    QListWidget* List1;
    QPushButton* Command2; // "Regresar"

    void Command2_Click();
};

} // namespace reports
