#pragma once
// pagaticket, "Cancelación de Tickets": the head office verifies a ticket
// named by its seller, number and serial through PAGATICKETnew mode "0",
// shows its sale date, hour, state and prize, and, when it is prized and not
// yet paid, pays it (mode "1") after the operator confirms. Paying a ticket
// is "cancelling" it in the program's words.

#include "platform/ui/window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace platform::db {
class RecordSet;
}

namespace draws {

class pagaticket : public platform::ui::Window {
    Q_OBJECT
public:
    pagaticket();

    QComboBox* VEND;  // the ticket's seller
    QLineEdit* Text2; // ticket number
    QLineEdit* Text1; // serial
    QLabel* Fecha_venta;
    QLabel* Hora_venta;
    QLabel* Estado_ticket;
    QLabel* TOTal_TICKET1; // the prize
    QPushButton* Eliminar; // "Verificar"
    QPushButton* Command2; // "Regresar"
    QStatusBar* StatusBar1;

protected:
    void onLoad() override;
    bool onKeyPreview(QKeyEvent* event) override;

private:
    // Where a request started: the state label reads differently.
    enum class Origen { Boton, Tecla };
    void alVerificar();
    bool teclaSerial(int tecla);
    void solicitud(Origen origen);
    void muestraTicket(platform::db::RecordSet& rs, Origen origen);
    void aviso(const QString& sufijo);
    void termina();
};

} // namespace draws
