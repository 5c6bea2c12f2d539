#pragma once
// menugastos: the expenses of one seller (the one mastergastos wrote into
// Label7) on one date, from dspgastos. Every activation starts again from
// the server date; "&Incluir" and "&Modificar" open the expense editor
// editagasto modal; "&Eliminar" deletes the current expense (ACTGastos
// mode "2") and shows the list the server answers.

#include "core/grillacatalogo.h"
#include "core/masteredita.h"

class QDateEdit;
class QLabel;
class QPushButton;

namespace accounts {

class menugastos : public core::VentanaAtrapada {
    Q_OBJECT
public:
    menugastos();

    QLabel* Label7; // the seller: code, " - ", name
    QDateEdit* Hastas;
    core::GrillaCatalogo* DataGrid1;
    QPushButton* Grabar;   // "&Incluir"
    QPushButton* Command1; // "&Modificar"
    QPushButton* Command2; // "&Eliminar"
    QPushButton* Command3; // "&Salir"
    QPushButton* Command4; // "Ver Line-Up", never shown

    // The seller code of every call: Label7's first word.
    QString vendedor() const;
    // The list of the date of Hastas.
    void cargagastos();
    void incluir();
    void modificar();
    void eliminar();

protected:
    void onLoad() override;
    void onActivate() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    void ponFechaServidor();
    void muestra(const platform::db::RecordSet& lista);
    QString fecha() const;
};

} // namespace accounts
