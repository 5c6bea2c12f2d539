#pragma once
// calendario, the server calendar: a month view on the server's date and
// the server's time, read once when the window opens. A server that cannot
// be read is reported through the shared trap and the window closes: it
// never shows the workstation's clock in place of the server's.

#include "platform/ui/window.h"

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace core {

class calendario : public platform::ui::Window {
    Q_OBJECT
public:
    calendario();

    QCalendarWidget* MonthView1;
    QLabel* Label1;
    QLabel* Image1;
    QPushButton* XPButton1;

protected:
    void onLoad() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    void muestraFecha();
};

} // namespace core
