#pragma once
// mastercuenta, "Actualizaciòn de Informaciòn de Cuentas Bancarias o Caja
// chica": the house's bank accounts and petty-cash boxes (DSPcuentas '0','')
// read on every activation, which returns to the saved position; the row
// clicked in three boxes, which the delete sends (ACTcuentas mode "3").
// Its editor editacuenta adds (modeless, no owner) or modifies (modal) one
// account. Enter in the code box finds the account of the typed code.

#include "accounts/rutinasmaestro.h"

#include "core/masteredita.h"

class QLineEdit;

namespace accounts {

class mastercuenta : public core::Catalogo {
    Q_OBJECT
public:
    mastercuenta();

    QLineEdit* Text1; // code
    QLineEdit* Text2; // bank
    QLineEdit* Text3; // account number

    // Copies the grid's current row into the boxes.
    void muestradatos();
    // Enter in Text1: the grid goes to the account of the typed code and
    // shows it; "El Código Ingresado no existe... Verifique por favor..."
    // when there is none.
    void buscacodigo();

    // Routines nothing calls.
    const RutinasMaestro& rutinas() const { return rutinas_; }
    void modonormal() {}

protected:
    platform::db::RecordSet leeLista() override;
    QList<core::Columna> columnas() const override;
    void muestraFila() override { muestradatos(); }
    QString llamaEliminar() override;
    void onActivate() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    RutinasMaestro rutinas_;
};

class editacuenta : public core::Editor {
    Q_OBJECT
public:
    editacuenta();

    QLineEdit* Text1; // code, at most 5 characters
    QLineEdit* Text2; // bank
    QLineEdit* Text3; // account number

protected:
    void preparaModificar() override;
    bool validaGrabar() override;
    QString llamaGrabar(const QString& modo) override;
};

// "DSPcuentas '0',''": every account.
platform::db::RecordSet listacuentas();

} // namespace accounts
