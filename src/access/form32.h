#pragma once
// Form32, "Operadores Duroz": the head-office operators, read again on
// every activation (the grid then stands on the first row), the current
// one in three read-only boxes beside the grid. "&Nuevo" and "&Modificar"
// open the editor Form35 modeless (modify fills it from the grid's row);
// "&Eliminar" asks its own question and deletes the operator of the grid's
// row; "Permisos" opens the operator's menu permissions (permisobanca).
// Enter anywhere modifies, Esc closes.

#include "core/masteredita.h"

class QLineEdit;
class QPushButton;

namespace acceso {

struct RegistroOperador {
    QString codigo;
    QString nombre;
    QString clave;
};

class Form32 : public core::Catalogo {
    Q_OBJECT
public:
    Form32();

    QLineEdit* Text1;      // "Usuario"
    QLineEdit* Text2;      // "Nombre"
    QLineEdit* Text3;      // "Clave"
    QPushButton* Command1; // "Permisos"

    // The operator of the grid's current row (empty when there is none).
    RegistroOperador registro() const;
    // Copies the grid's current row into the three boxes.
    void RECOBRA();
    // "Permisos".
    void permisos();

protected:
    platform::db::RecordSet leeLista() override;
    QList<core::Columna> columnas() const override;
    QList<core::Columna> columnasTrasEliminar() const override;
    void muestraFila() override { RECOBRA(); }
    void abreEditor(bool agregar) override;
    bool preguntaEliminar() override;
    QString llamaEliminar() override;
    void onActivate() override;
};

} // namespace acceso
