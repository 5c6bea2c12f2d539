#pragma once
// mastergastos, "Actualizaciòn de Informaciòn de Gastos": the seller picker
// of the daily expenses. Its grid shows the shared seller list itself
// (bound again at every activation); "Gastos" or Enter in the grid writes
// the current seller into the expenses window menugastos and shows it.
// No database call of its own, no saved state.

#include "accounts/rutinasmaestro.h"

#include "core/grillacatalogo.h"
#include "core/masteredita.h"

class QLineEdit;
class QPushButton;

namespace accounts {

class mastergastos : public core::VentanaAtrapada {
    Q_OBJECT
public:
    mastergastos();

    core::GrillaCatalogo* DataGrid1;
    QPushButton* Command1;  // "Gastos"
    QPushButton* XPButton3; // "Regresar"
    // Boxes the grid covers: only the routines nothing calls use them.
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;

    // "Gastos": the seller of the current row into menugastos, shown.
    void gastos();

    // Routines nothing calls.
    const RutinasMaestro& rutinas() const { return rutinas_; }
    // Deletes the municipality of Text1 in the region of Text4 (ACTALD
    // mode "3") after the delete question, then lists the municipalities.
    void eliminaalcaldia();
    void modificaalcaldia();
    void nuevaalcaldia();
    void cierramaestro() { close(); }
    void modonormal() {}

protected:
    void onLoad() override;
    void onActivate() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    RutinasMaestro rutinas_;
};

} // namespace accounts
