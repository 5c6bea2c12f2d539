#pragma once
// Form18, the instant messages: a text message to one seller or, with the
// item "@@@@@ - TODOS LOS VENDEDORES", to every seller, handed to the
// server procedure mensajessp1. Opening it always opens a fresh shared
// connection, and a failure of that connection ends the program.
//
// The send runs under the shared trap and reads the procedure's answer: a
// seller code or a message longer than its parameter is refused here (the
// call would cut it and might reach another seller), and a code the server
// does not know is reported; only a stored message is "sent".

#include "platform/ui/window.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace core {

class Form18 : public platform::ui::Window {
    Q_OBJECT
public:
    // The message box's text until the operator writes.
    static const QString MensajeInicial;
    static const QString TodosLosVendedores;
    // The parameters' sizes of mensajessp1.
    static constexpr int LargoCodigo = 5;
    static constexpr int LargoMensaje = 300;

    Form18();

    // "Enviar Mensaje" and "Regresar".
    void enviar();
    void regresar();

    QComboBox* Combo1;
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;

protected:
    void onLoad() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    void carga();
    // The reason the texts cannot go, or "" when they can.
    QString rechazo(const QString& codigo) const;
    void envia(const QString& codigo);
};

} // namespace core
