#pragma once
// The grid of a catalogue window: a data grid bound to the catalogue's list
// whose columns the window shapes (captions, widths in twips, which ones
// show), read as the windows read it: the text of a column in the current
// row, the current position as a bookmark.

#include "platform/db/recordset.h"
#include "platform/ui/datagrid.h"

#include <QList>
#include <QString>

namespace core {

// One shown column: its position in the list, caption and width in twips
// (1/1440 inch; 0 keeps the grid's own width).
struct Columna {
    int posicion = 0;
    QString titulo;
    int anchoTwips = 0;
    // Number format of the column's values ("###,###0.00"); none when empty.
    QString formato = {};
};

class GrillaCatalogo : public platform::ui::DataGrid {
    Q_OBJECT
public:
    explicit GrillaCatalogo(QWidget* parent = nullptr);

    // Hides every column of the bound list, then shows the given ones with
    // their captions, widths and number formats (a column without one shows
    // plain numbers).
    void disponeColumnas(const QList<Columna>& columnas);
    void ponTitulo(int posicion, const QString& titulo);
    void ponAnchoTwips(int posicion, int twips);
    // The caption a column shows: its own, or the list's field name.
    QString titulo(int posicion) const;
    // Width in twips at the screen's resolution (what ponAnchoTwips set,
    // give or take a pixel).
    int anchoTwips(int posicion) const;

    // The text of a column's value in the list's current row (a number as
    // plain text, whatever format the column shows it with); "" when the
    // list has no current row or no such column.
    QString textoColumna(int posicion) const;
    // True when the list stands on a row.
    bool tieneFila() const;

    // The current position; an invalid bookmark when there is no row.
    platform::db::Bookmark marcador() const;
    // Puts the list and the grid on a saved position: an invalid bookmark is
    // the first row (the "1" catalogues save before adding), a position the
    // list no longer has is its last row. Nothing for an empty list.
    void irAMarcador(const platform::db::Bookmark& marcador);

private:
    class Encabezado;
    Encabezado* encabezado_;
};

} // namespace core
