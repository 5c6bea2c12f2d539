#pragma once
// Form13: adds a sale-point user or changes one (ACTUSR modes "1" and
// "2"). To add, the seller is chosen from the program's seller list; to
// modify, the seller and the user code of the users window's row are
// fixed, and the boxes show that user as stored, his state included, so
// that a save without changes changes nothing. The editor keeps the mode
// it was opened with. A required box left empty, or a text longer than the
// server takes, is refused with a message. After every answer of the
// server the users list is read again; a refused save keeps the editor
// open with what was typed.

#include "core/masteredita.h"

class QComboBox;
class QLineEdit;

namespace acceso {

class Form13 : public core::Editor {
    Q_OBJECT
public:
    Form13();

    QComboBox* Combo1; // "Vendedor al Que Pertenece"
    QLineEdit* Text1;  // "Usuario", at most 5 characters
    QLineEdit* Text2;  // "Nombre"
    QLineEdit* Text3;  // "Dirección"
    QLineEdit* Text4;  // "Telefono(s)"
    QLineEdit* Text5;  // "e-mail"
    QComboBox* Combo2; // "Estado Actual"
    QLineEdit* Text6;  // "Clave de Acceso al Sistema", at most 10 characters
    QComboBox* Combo3; // "Tipo Usuario"

protected:
    bool cargaListas() override;
    void preparaAgregar() override;
    void preparaModificar() override;
    bool validaGrabar() override;
    QString llamaGrabar(const QString& modo) override;
    void trasGrabar(bool exito) override;
};

} // namespace acceso
