#pragma once
// The taxes of one seller: masterven_imp, "Impuestos", lists them (read on
// every activation) and deletes the highlighted one; its editor
// editaimpuestovend, "Edita Impuestos", adds a tax of the catalogue with the
// seller's own percentage and what it applies to ("Venta", "Premio" or a
// typed text). The seller travels as "code - name" in each window's Label2:
// the seller catalogue's hidden "Impuestos" writes the list's, and the
// list's "&Agregar" copies it into the editor's. Neither window has keys of
// its own, and there is no modify.
//
// Every statement binds its values. A tax the seller has already is
// refused with a message, so is a "Se Aplica" text longer than its column;
// the delete says it succeeded only when a row went; an add whose tax (or
// seller) has gone meanwhile writes nothing and says so.

#include "core/masteredita.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace fiscal {

class masterven_imp : public core::Catalogo {
    Q_OBJECT
public:
    masterven_imp();

    QLabel* Label1; // "Impuestos Asignado a:"
    QLabel* Label2; // the seller: code " - " name

protected:
    platform::db::RecordSet leeLista() override;
    QList<core::Columna> columnas() const override;
    void abreEditor(bool agregar) override;
    bool preguntaEliminar() override;
    QString llamaEliminar() override;
    void informaEliminado(const QString& respuesta) override;
    void noElimina() override { relee(); }
    bool onKeyPreview(QKeyEvent*) override { return false; }
};

class editaimpuestovend : public core::Editor {
    Q_OBJECT
public:
    editaimpuestovend();

    QLabel* Label1;                  // "Impuestos Asignado a:"
    QLabel* Label2;                  // the seller: code " - " name
    core::GrillaCatalogo* DataGrid1; // the tax catalogue; its row is the tax to add
    QLineEdit* Text4;                // "%Porcentaje"
    QComboBox* Combo1;               // "Se Aplica": "Venta", "Premio" or a typed text

protected:
    void onLoad() override;
    void onActivate() override;
    bool cargaListas() override;
    bool validaGrabar() override;
    QString llamaGrabar(const QString& modo) override;
    bool informaGrabado(const QString& respuesta) override;
    bool onKeyPreview(QKeyEvent*) override { return false; }

private:
    void listaCatalogo();
    QString vendedor() const;
    QString impuesto() const;
};

} // namespace fiscal
