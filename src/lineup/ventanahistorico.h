#pragma once
// The shape of the two line-up history windows (Form47 and its copy Form53):
// one seller's line-up rows between two dates from historicolup, laid out as
// a line-up. They open on the 30 days before the server date; becoming
// active renews the connection and asks again, and so does each change of
// either date. A result without rows leaves the grid as it was. A member
// says where the seller comes from (vendedor()).

#include "lineup/grillalineup.h"
#include "platform/ui/window.h"

class QDateEdit;
class QLabel;
class QPushButton;

namespace lineup {

class VentanaHistorico : public platform::ui::Window {
    Q_OBJECT
public:
    explicit VentanaHistorico(const QString& titulo);

    QLabel* Label1;    // "Fecha"
    QDateEdit* Desdes; // first date
    QLabel* Label2;    // "Hasta"
    QDateEdit* Hastas; // last date
    GrillaLineup* DataGrid1;
    QPushButton* XPButton1; // "Regresar"

    // The history of the seller for the two dates.
    void historico();

protected:
    // The seller code, blanks around it removed; "" when there is none.
    virtual QString vendedor() const = 0;

    void onLoad() override;
    void onActivate() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    void consulta();
    bool escribiendoFechas_ = false;
};

} // namespace lineup
