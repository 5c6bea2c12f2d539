#pragma once
// Form43, the head-office parameters: the ticket message, the minutes to
// annul a ticket, the house name, the national tax % on sales and on prizes
// and the minimum play, read with dsppb and stored with ACTPARAM. A save
// also renews the house name the reports print and the main menu's caption.
//
// "&Grabar" sends only what a finished load filled in: after a load that
// failed, the boxes never held the stored settings, so the button stays
// disabled and the save sends nothing.

#include "platform/ui/window.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace core {

class Form43 : public platform::ui::Window {
    Q_OBJECT
public:
    // The main menu's caption before the house name.
    static const QString TituloMenu;

    Form43();

    // "&Grabar" and "&Deshacer".
    void grabar();
    void deshacer();

    QLineEdit* Text1; // ticket message
    QLineEdit* Text2; // minutes to annul
    QLineEdit* Text3; // house name
    QLineEdit* Text4; // % tax on sales
    QLineEdit* Text5; // % tax on prizes
    QLineEdit* Text6; // minimum play
    QPushButton* Grabar;
    QPushButton* Cancelarcam;

protected:
    void onLoad() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    std::array<QLineEdit*, 6> cajas() const;
    void carga();
    void guarda();

    bool cargado_ = false;
};

} // namespace core
