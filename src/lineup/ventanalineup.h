#pragma once
// The shape the two line-up windows share (Form51, the current one, and
// Form26, the older one): the date picker "Fecha", the grid of the date's
// line-up and the buttons "Movimientos", "Ver Historico" and "Regresar";
// Esc closes the window and Enter in the grid does what "Movimientos" does.
// A member says how it fills its grid from DspLup22's rows (muestraFilas).
//
// Only the operator's change of the date runs the date change: the
// window's own writes to the picker go through ponFecha(), which runs none.

#include "core/conexion.h"
#include "lineup/grillalineup.h"
#include "platform/ui/window.h"

#include <QDate>

class QDateEdit;
class QLabel;
class QPushButton;

namespace lineup {

class VentanaLineup : public platform::ui::Window {
    Q_OBJECT
public:
    explicit VentanaLineup(const QString& titulo);

    QLabel* Label1;    // "Fecha"
    QDateEdit* Desdes; // the line-up date
    GrillaLineup* DataGrid1;
    QPushButton* Command1;  // "Movimientos"
    QPushButton* XPButton1; // "Ver Historico"
    QPushButton* XPButton3; // "Regresar"

    // "Movimientos" (and Enter in the grid): the movements window of the
    // selected seller. Nothing without a selected row.
    void movimientos();
    // "Ver Historico": the history window of the selected seller.
    void verHistorico();

    // The routines of the line-up before it was held in memory, which
    // nothing calls: the date's line-up straight into the grid, and the
    // older procedure DspLupcap with its own columns.
    void respaldo_lineup();
    void respaldo_cambios12122005();
    // A new, open record set with the ten line-up fields as texts.
    static platform::db::RecordSet crealineup();

    // "dd/mm/yyyy".
    static QString fechatexto(const QDate& fecha);

protected:
    // The picker's date, written without running the date change.
    void ponFecha(const QDate& fecha);
    // The date change the operator makes: the future date's question, then
    // the line-up of the new date into the grid.
    void cambioFecha();
    // What a member does after a date change that asked the server.
    virtual void trasCambioFecha() {}
    // The trap of the handlers that ask for the line-up: after a
    // reconnection the date change runs.
    core::Trampa trampa();
    // Fills the grid with the line-up of the picker's date (`rs`: DspLup22's
    // rows); true when it had rows.
    virtual bool muestraFilas(platform::db::RecordSet& rs) = 0;

    // The server date refreshed; for a later date the question of the
    // future date: false when the operator answered No (the picker is back
    // on the server date).
    bool confirmaFecha();
    // Renews the connection and asks DspLup22 for the picker's date.
    platform::db::RecordSet consultaLineup();
    // "Movimientos" enabled when there are rows.
    void habilita(bool hayFilas);
    // Once the grid is bound: the window grows so that the grid shows every
    // column whole and as many rows as the screen has room for, keeping its
    // centre and staying inside the screen.
    void ajustaAlContenido();
    QDate fechaServidor() const;

    bool onKeyPreview(QKeyEvent* evento) override;

private:
    bool escribiendoFecha_ = false;
};

} // namespace lineup
