#pragma once
// Form15, "Visualizar Reportes": the report viewer. Every report page is
// shown here (see entregareporte.h); the viewer prints it on the default
// printer without a dialog, deletes it when it closes, and, for the
// point-of-sale and expired-tickets reports, looks tickets up.

#include "platform/ui/window.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace platform::ui::navegador {
class Navegador;
}

namespace reports {

class Form15 : public platform::ui::Window {
    Q_OBJECT
public:
    Form15();

    platform::ui::navegador::Navegador* WebBrowser1;
    QPushButton* Command1; // "Imprimir"
    QPushButton* Command2; // "Regresar"
    // The ticket look-up, hidden until a point-of-sale or expired-tickets
    // page switches it on; it stays on until the viewer closes.
    QGroupBox* VERTICKET1;
    QLabel* Label1;
    QLineEdit* Text1;      // the ticket number
    QPushButton* Command3; // "Ver Ticket"

    // Printing: the shown page on the default printer, no dialog.
    void Command1_Click();
    // Closes the viewer.
    void Command2_Click();
    // The ticket look-up (also Enter in Text1).
    void Command3_Click();

    // Sends what "Imprimir" prints to this PDF file instead of the default
    // printer (tests); an empty name goes back to the printer.
    static void imprimeEnArchivo(const QString& pdf);

protected:
    bool onKeyPreview(QKeyEvent* event) override;
    bool onQueryUnload() override;

private:
    void buscaticket();
};

} // namespace reports
