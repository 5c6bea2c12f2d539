#pragma once
// What the two movements windows share (Form50, opened by the line-up
// window; Form27, the older one nothing opens): one seller's movements of
// one date from dspmov, with the seller's loans, loan balance and lottery
// balance under them; "&Incluir" and "&Modificar" hand the movement to an
// editor, "&Eliminar" deletes it through dspmov.
//
// The seller is Label7's first word; the date starts as the older line-up
// window's. Every activation lists again, so the list is current when the
// editor closes.

#include "core/grillacatalogo.h"
#include "core/masteredita.h"
#include "platform/decimal.h"

class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;

namespace accounts {

class EditorMovimiento;

class VentanaMovimientos : public core::VentanaAtrapada {
    Q_OBJECT
public:
    QDateEdit* Hastas;
    core::GrillaCatalogo* DataGrid1;
    QLabel* Label7;    // the seller: code, " - ", name
    QGroupBox* Frame1; // "Resumen de Saldos del Vendedor"
    QLabel* tprestamos;
    QLabel* msaldo;
    QLabel* sloteria;
    QPushButton* Grabar;   // "&Incluir"
    QPushButton* Command1; // "&Modificar"
    QPushButton* Command2; // "&Eliminar"
    QPushButton* Command3; // "&Salir"
    QPushButton* Command4; // "Ver Line-Up"

    QString vendedor() const;
    void incluir();
    void modificar();
    void eliminar();

protected:
    explicit VentanaMovimientos(const QString& titulo);

    // The editor's registered name.
    virtual QString editor() const = 0;
    // The seller line the editor shows.
    virtual QString lineaVendedor() const = 0;
    // After the server deleted a movement (the row as it was shown).
    virtual void trasEliminar(const QString& tipo, const platform::Decimal& monto)
    {
        Q_UNUSED(tipo);
        Q_UNUSED(monto);
    }

    enum class Disposicion { Activacion, CambioFecha, Eliminacion };
    // Lists the movements (deleting `documento` first for Eliminacion) and
    // answers dspmov's return value.
    QString cargamovimientos(Disposicion disposicion, const QString& documento = QStringLiteral("0"));

    void onLoad() override;
    void onActivate() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    EditorMovimiento* abreEditor();
    void muestraResumen(const platform::db::Command& dspmov);
};

} // namespace accounts
