#pragma once
// A report page read into a compact model for the report viewer's browser.
//
// The pages are the ones the report writers produce: headings in
// <address>/<p> blocks, tables with percentage widths, text in <font>, <b>
// and <span> runs, amounts, totals paragraphs. The reader accepts HTML at
// large the way browsers do (unknown tags are ignored, their text kept;
// "<" not followed by a tag name is text; entities are decoded; blanks
// collapse), runs no script and fetches nothing. Nested tables are read as
// one.
//
// The model is flat so that a page of a hundred thousand rows stays small:
// all text in one buffer, runs of one style as slices of it, cells as slices
// of the runs, rows as slices of the cells.

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace platform::ui::navegador {

struct Estilo {
    // The HTML font size, 1 to 7 (3 is the normal text).
    std::uint8_t tamano = 3;
    bool negrita = false;
    bool cursiva = false;
    bool operator==(const Estilo&) const = default;
};

enum class Alineacion : std::uint8_t { Izquierda, Centro, Derecha };

// A run of text of one style: a slice of Documento::texto.
struct Tramo {
    std::uint32_t inicio = 0;
    std::uint32_t longitud = 0;
    std::uint16_t estilo = 0;
};

// A slice of Documento::tramos.
struct Tramos {
    std::uint32_t primero = 0;
    std::uint32_t cuantos = 0;
};

struct Parrafo {
    Tramos tramos;
    Alineacion alineacion = Alineacion::Izquierda;
    // Paragraphs (<p>) keep a blank line's margin above and below; headings
    // in <address> none.
    bool conMargen = false;
};

struct Celda {
    Tramos tramos;
    // The width attribute in per cent; negative when the cell has none.
    float ancho = -1;
    Alineacion alineacion = Alineacion::Izquierda;
};

struct Fila {
    std::uint32_t primeraCelda = 0;
    std::uint32_t celdas = 0;
};

struct Tabla {
    int borde = 0;
    float ancho = -1; // per cent; negative: as wide as its content needs
    std::uint32_t primeraFila = 0;
    std::uint32_t filas = 0;
};

struct Bloque {
    enum class Tipo : std::uint8_t { Parrafo, Tabla };
    Tipo tipo = Tipo::Parrafo;
    std::uint32_t indice = 0;
};

struct Documento {
    QString titulo;
    QString texto;
    std::vector<Estilo> estilos;
    std::vector<Tramo> tramos;
    std::vector<Parrafo> parrafos;
    std::vector<Celda> celdas;
    std::vector<Fila> filas;
    std::vector<Tabla> tablas;
    std::vector<Bloque> bloques;
    // Whether any text holds a line break (<br>); pages without one are
    // laid out without looking for them.
    bool conSaltos = false;

    // Reads a page.
    static Documento desdeHtml(QStringView html);

    QStringView textoDe(const Tramo& tramo) const
    {
        return QStringView(texto).mid(tramo.inicio, tramo.longitud);
    }
    // The text of some runs, joined.
    QString textoDe(const Tramos& tramos) const;

    // The visible text: one line per paragraph and per table row, the cells
    // of a row separated by tabs.
    QString textoPlano() const;
};

} // namespace platform::ui::navegador
