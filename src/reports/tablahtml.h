#pragma once
// One table of a report described as data: its width text, its columns
// (header text and how the cell of a record is made) and the sums shown as
// centred paragraphs after it. Most reports are one such table; a writer
// fills a Tabla with its own values and lets escribeTabla write it:
//
//   reports::Tabla tabla;
//   tabla.ancho = reports::anchura(100, 4);
//   tabla.columnas = {{"MOVIMIENTO", reports::celdaTexto(3)},
//                     {"MONTO", reports::celdaMonto(4)}};
//   tabla.sumas = {{"TOTAL VENTA   BS: ", reports::sumaDe(4)}};
//   reports::escribeTabla(pagina, tabla, rs, borde);
//
// A cell maker may answer "no cell" for a record (the point-of-sale report
// writes no state cell for an unknown state); the row then simply has fewer
// cells, as it always had.

#include "reports/plantillahtml.h"

#include <functional>

namespace reports {

using Registro = platform::db::RecordSet;

// The content of a column's cell for the current record; nullopt writes no
// cell at all.
using Celda = std::function<std::optional<QString>(const Registro&)>;

// What a record adds to a sum; nullopt adds nothing.
using Sumando = std::function<std::optional<platform::Decimal>(const Registro&)>;

struct Columna {
    QString encabezado;
    Celda celda;
};

struct Suma {
    // The paragraph's label, e.g. "TOTAL VENTA   BS: ".
    QString etiqueta;
    Sumando sumando;
};

struct Tabla {
    QString ancho;
    FormaTabla forma;
    QList<Columna> columnas;
    QList<Suma> sumas;
};

// Writes the table start, the header row, one row per record from the
// current one to the end of the result set, "</table>", "<p></p>" and one
// totals paragraph per sum. Returns the number of records written.
int escribeTabla(PaginaHtml& pagina, const Tabla& tabla, Registro& rs, const QString& borde);

// --- Cell makers for the usual cells; a field is named by position or name.

// A text cell of the field's value (font size 2, or 1 for secondary columns).
Celda celdaTexto(int columna, int tamano = 2);
Celda celdaTexto(const QString& columna, int tamano = 2);
// A bold amount cell.
Celda celdaMonto(int columna, int tamano = 2);
// An amount in a plain text cell.
Celda celdaMontoSimple(int columna, int tamano = 2);

// --- Sum makers: the field's amount, NULL counting as 0.
Sumando sumaDe(int columna);

} // namespace reports
