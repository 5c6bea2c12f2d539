#pragma once
// The grid of the line-up windows and their history: a catalogue grid whose
// ten columns take the line-up's captions and widths, with the amounts
// right-aligned in the format "###,###,###0.00".

#include "core/grillacatalogo.h"

#include <QStringList>

namespace lineup {

// Captions and widths of one layout of the ten columns.
struct DisposicionLineup {
    QStringList titulos;
    QList<int> anchosTwips;
    // The first amount column; every column from it on is an amount.
    int primerImporte = 3;
};

// The line-up's own columns: "Còdigo", "Nombre ", "Ultima Fec.", "Saldo
// Anterior" … "Saldo Gral.".
const DisposicionLineup& disposicionLineup();

class GrillaLineup : public core::GrillaCatalogo {
    Q_OBJECT
public:
    explicit GrillaLineup(QWidget* parent = nullptr);

    // Binds the grid to `rs` and lays its columns out.
    void muestra(const platform::db::RecordSet& rs,
                 const DisposicionLineup& disposicion = disposicionLineup());

    // The size that shows every column and every row whole, headers and
    // frame included.
    QSize tamanoCompleto() const;

    // The text a cell shows (amounts formatted), for the row of that number
    // (0 first).
    QString textoMostrado(int fila, int columna) const;
    bool alineadaDerecha(int columna) const;

    static constexpr const char* FormatoImporte = "###,###,###0.00";
};

} // namespace lineup
