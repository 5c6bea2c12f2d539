#pragma once
// Form46, "Parametros Especiales": the special plays of one lottery with
// seven of their sale parameters (dspparamlotespec), for the lottery that
// was current in the lottery catalogue when the window loaded. "Seleccionar"
// (enabled while there are lines) or Enter on the list opens the parameter
// editor Form10 for the current line; Esc and "Regresar" close. The lottery
// catalogue's F5 loads it (an open window keeps its list), writes the
// lottery into Combo4 and shows it modeless.

#include "core/masteredita.h"

#include "platform/db/recordset.h"

class QComboBox;
class QPushButton;

namespace core {
class GrillaCatalogo;
}

namespace lotteries {

class Form46 : public core::VentanaAtrapada {
    Q_OBJECT
public:
    Form46();

    // The list of a lottery, as this window and the parameter editor read it.
    static platform::db::RecordSet leeLista(const QString& loteria);
    // The editor's refill after a save or a delete: a list with lines
    // replaces the grid's and the grid goes back to marcadordetalle; an
    // empty one leaves the grid as it was.
    void rellena(const platform::db::RecordSet& lista);

    // The lottery, "code - name": the lottery catalogue writes it (it finds
    // the box by its object name, "Combo4") before it shows the window.
    QComboBox* Combo4;
    core::GrillaCatalogo* DataGrid1;
    QPushButton* XPButton1; // "Regresar"
    QPushButton* XPButton2; // "Seleccionar"

    // Opens the editor for the current line.
    void XPButton2_Click();

protected:
    void onLoad() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    void enlaza(const platform::db::RecordSet& lista);
};

} // namespace lotteries
