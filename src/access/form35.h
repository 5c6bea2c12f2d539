#pragma once
// Form35, "Operadores de Duroz": adds a head-office operator or changes
// the name and password of one (ACTOPR modes "1" and "2"); it never shows
// or touches the operator's permissions. The operators window opens it
// modeless, and refills an open one to modify another operator. The editor
// keeps the mode it was opened or refilled with. A name or password longer
// than the server takes is refused with a message; a save the server
// refuses keeps the editor open with what was typed.

#include "core/masteredita.h"

class QLineEdit;

namespace acceso {

struct RegistroOperador;

class Form35 : public core::Editor {
    Q_OBJECT
public:
    Form35();

    QLineEdit* Text1; // "Usuario", at most 5 characters
    QLineEdit* Text2; // "Nombre"
    QLineEdit* Text3; // "Clave", shown in clear

    // Turns the editor to modifying `operador`, its code locked.
    void modifica(const RegistroOperador& operador);

protected:
    void onLoad() override;
    bool validaGrabar() override;
    QString llamaGrabar(const QString& modo) override;
};

} // namespace acceso
