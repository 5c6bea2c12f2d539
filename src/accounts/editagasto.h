#pragma once
// editagasto, "Actualiza Gastos": one expense of a seller, added or
// modified through ACTGastos. Its opener (menugastos) writes the seller
// and, to modify, the expense's boxes, sets modoedicion and shows it modal.
// The mode is taken once, when the editor first becomes active, so what
// other windows do to the shared mode meanwhile cannot turn an addition
// into a change. A save the server refuses keeps the editor open with what
// was typed.

#include "core/masteredita.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace accounts {

class editagasto : public core::VentanaAtrapada {
    Q_OBJECT
public:
    editagasto();

    QLabel* Label2; // the seller: code, " - ", name
    QLineEdit* txtnomov;
    QLabel* desdes; // the expense's date
    QLineEdit* txtdescri_mov;
    QLineEdit* txtmonto_mov; // "." before decimals
    QLineEdit* txtobserva_mov;
    QPushButton* Grabar;
    QPushButton* Cancelarcam;

    // "&Grabar" and Enter.
    void grabar();
    // A click in the description: one beginning with "0" or "1" takes the
    // lottery balance of the older line-up window's current row, whole and
    // without its sign, as the amount.
    void clickDescripcion();
    bool agregando() const { return agregando_; }

protected:
    void onLoad() override;
    void onActivate() override;
    bool onKeyPreview(QKeyEvent* evento) override;
    bool onQueryUnload() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    bool modoTomado_ = false;
    bool agregando_ = false;
};

} // namespace accounts
