#pragma once
// masterimpuesto, "Actualizaciòn de Informaciòn de Impuestos": the house's
// taxes (LIST_IMP), read at load; the highlighted tax in five read-only
// boxes. "&Nuevo" opens the editor editaimpuesto modeless to add a tax,
// "&Modificar" (and Enter) modal to change the highlighted one; "&Eliminar"
// deletes the highlighted tax (ACTIMP mode "3") and lists again (DSPIMP
// '0', '') with wider columns. Esc closes.
//
// The editor sends every field through ACTIMP with the percentage's
// decimals; a text longer than its column is refused with a message, and
// an editor opened to add always adds, whatever the list has done to the
// shared edit mode since. A save the server refuses keeps the editor open
// with what was typed.

#include "core/masteredita.h"

class QComboBox;
class QLineEdit;

namespace fiscal {

// A tax as the list holds it; the percentage in the editor's form (a "."
// for the decimal point).
struct RegistroImpuesto {
    QString codigo;
    QString descripcion;
    QString porcentaje;
    QString observaciones;
    QString aplica;
};

class masterimpuesto : public core::Catalogo {
    Q_OBJECT
public:
    masterimpuesto();

    QLineEdit* Text1; // "Código"
    QLineEdit* Text2; // "Descripción"
    QLineEdit* Text5; // "%Porcentaje"
    QLineEdit* Text3; // "Observaciones"
    QLineEdit* Text4; // "Se Aplica a:"

    // The tax of the highlighted row, read from the list (empty when none).
    RegistroImpuesto registro() const;
    // Reads the list again and stands on `marcador` (an invalid one: the
    // first row), its tax in the boxes.
    void releeEn(const platform::db::Bookmark& marcador);

protected:
    platform::db::RecordSet leeLista() override;
    QList<core::Columna> columnas() const override;
    QList<core::Columna> columnasTrasEliminar() const override;
    void muestraFila() override;
    QString llamaEliminar() override;
    void trasEliminar() override { trasEliminar_ = true; }

private:
    bool trasEliminar_ = false;
};

class editaimpuesto : public core::Editor {
    Q_OBJECT
public:
    editaimpuesto();

    QLineEdit* Text1;  // "Código", at most 4 characters
    QLineEdit* Text2;  // "Descripción"
    QLineEdit* Text4;  // "%Porcentaje"
    QLineEdit* Text3;  // "Observaciones"
    QComboBox* Combo1; // "Se Aplica": "Ventas", "Premiación" or a typed text

protected:
    bool cargaListas() override;
    void preparaModificar() override;
    bool validaGrabar() override;
    QString llamaGrabar(const QString& modo) override;
    void trasGrabar(bool exito) override;
};

} // namespace fiscal
