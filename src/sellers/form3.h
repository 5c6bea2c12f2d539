#pragma once
// Form3, "Actualizar Vendedores": the seller catalogue. Every seller
// (LIST_VEN, read once per opening into the kept list) by code and name,
// and beside the grid the whole record of the current seller, read-only.
// It is the current seller of the program: the windows of one seller (his
// parameters per lottery "Form44", per special play "paramvendespe", his
// permissions "permisoespejo", his taxes "masterven_imp") are opened from
// here with "code - name", and read the code, name and chief's commission
// from the boxes named "Text1", "Text2" and "Text7". The editor Form11 adds
// and modifies sellers modeless and replaces the kept list after a save;
// every activation binds the kept list and returns to the saved position.
//
// The delete sends "Borreven" and tells the operator the server's refusal
// when there is one; the list is read again whatever the answer, and the
// program's shared seller list becomes that same list.

#include "core/masteredita.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace sellers {

class FichaVendedor;
struct RegistroVendedor;

class Form3 : public core::Catalogo {
    Q_OBJECT
public:
    Form3();

    FichaVendedor* ficha() const { return ficha_; }
    QPushButton* ParamLotes; // "F4 - Param. Normales"
    QPushButton* Command1;   // "F5 - Param. Especiales"
    QPushButton* Command44;  // "&Permisos", only while the seller has a key
    QPushButton* Command3;   // "Impuestos", never shown

    // The record of the list's current row, as the editor copies it.
    RegistroVendedor registro() const;
    // "code - name" of the current seller.
    QString codigonombre() const;

    // The per-seller windows.
    void parametrosnormales();
    void parametrosespeciales();
    void permisos();
    void impuestos();
    // "&Eliminar".
    void eliminaVendedor();

protected:
    void onLoad() override;
    platform::db::RecordSet leeLista() override;
    QList<core::Columna> columnas() const override;
    void muestraFila() override;
    void abreEditor(bool agregar) override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    // Shows the window `nombre` of another subsystem modeless, its control
    // `control` given the current seller's "code - name" first.
    void abreVentanaVendedor(const QString& nombre, const QString& control);

    FichaVendedor* ficha_;
};

} // namespace sellers
