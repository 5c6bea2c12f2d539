#pragma once
// Form51, "Line Up - Vendedores": the line-up of a date, every seller's
// balance, held in memory (core/rslineup.h) while movements are entered:
// the movement editor's actmem changes the seller's row and the grid shows
// it without asking the server again. Its load builds the line-up of the
// server date; its activation binds the grid to it, puts the saved position
// back and hides the main menu's "Espere por Favor, Procesando LINEUP...";
// a date change builds the line-up of the new date (a later date than the
// server's is asked about first: its line-up registers the day's loan
// instalments). Closing it releases the line-up in memory.

#include "lineup/ventanalineup.h"

namespace lineup {

class Form51 : public VentanaLineup {
    Q_OBJECT
public:
    Form51();
    ~Form51() override;

protected:
    void onLoad() override;
    void onActivate() override;
    bool onQueryUnload() override;
    void trasCambioFecha() override;
    bool muestraFilas(platform::db::RecordSet& rs) override;

private:
    // Builds the line-up in memory of the picker's date.
    void construye();
    // Binds the grid to the line-up in memory when it has rows.
    bool enlaza();
    void ocultaEspera();
};

} // namespace lineup
