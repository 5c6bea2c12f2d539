#pragma once
// Form4, "Actualizaciòn de Informaciòn de Usuarios": every sale-point user
// of every seller, read at load and after each delete or save and kept;
// each activation binds the kept list and returns to the saved position.
// "F2 - &Nuevo" opens the editor Form13 modeless, "F4 - &Modificar" modal;
// "F3 - &Eliminar" deletes the user of the grid's row; "F5 - Permisos"
// opens that user's point-of-sale permissions (Form31). F2 to F5 act
// whatever has the focus; Enter modifies from the grid only. The detail
// boxes beneath the grid are not shown: every button acts on the list's
// current row, never on what a box holds.

#include "access/llamadas.h"

#include "core/masteredita.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace acceso {

class Form4 : public core::Catalogo {
    Q_OBJECT
public:
    Form4();

    QLineEdit* Text1;      // user code
    QLineEdit* Text2;      // name
    QLineEdit* Text3;      // address
    QLineEdit* Text4;      // telephones
    QLineEdit* Text5;      // e-mail
    QLineEdit* Text6;      // access key
    QComboBox* Combo1;     // the seller, "code - name"
    QPushButton* Command1; // "F5 - Permisos"

    // The user of the list's current row (empty when there is none).
    RegistroUsuario registro() const;
    // "F5 - Permisos".
    void permisos();

protected:
    platform::db::RecordSet leeLista() override;
    QList<core::Columna> columnas() const override;
    void muestraFila() override;
    QString llamaEliminar() override;
    bool onKeyPreview(QKeyEvent* evento) override;
};

} // namespace acceso
