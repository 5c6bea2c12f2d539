#pragma once
// editaserial, "Asignación de Serial de Taquilla": assigns the serial the
// registry hands over (in Label1) to the seller of the grid's row. The
// sellers are listed at load and searched by code (those that begin with
// the text) or by name (those that hold it). "&Grabar", or Enter outside
// the search box, assigns and closes whatever the answer; Enter in the
// search box searches; a save with no seller row is refused.

#include "core/masteredita.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace acceso {

class editaserial : public core::VentanaAtrapada {
    Q_OBJECT
public:
    editaserial();

    QRadioButton* Option1; // "Por Código"
    QRadioButton* Option2; // "Por Nombre"
    QLineEdit* Text1;      // the search text
    QPushButton* Command1; // "&Buscar"
    core::GrillaCatalogo* DataGrid1;
    QLabel* Label2; // "Serial:"
    QLabel* Label1; // the serial to assign
    QPushButton* Grabar;
    QPushButton* Cancelarcam; // "&Deshacer"

    void buscar();
    void grabar();

protected:
    void onLoad() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    void muestra(const platform::db::RecordSet& vendedores);
};

} // namespace acceso
