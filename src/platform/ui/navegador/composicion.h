#pragma once
// The layout of a report page for one device (the screen or a printer):
// blocks one under the other, table rows as boxes of cells whose widths are
// the cells' percentages of the table, text wrapped at blanks within its
// box. Each run's width is measured once; laying the page out again for
// another width (the window resized) only compares those widths with the
// new columns, so even pages of a hundred thousand rows follow a resize at
// once.

#include "platform/ui/navegador/documento.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>

#include <vector>

class QPaintDevice;
class QPainter;

namespace platform::ui::navegador {

class Composicion {
public:
    // Measures the page's text for `dispositivo` (its resolution decides the
    // sizes); the document must outlive the layout.
    Composicion(const Documento& documento, const QPaintDevice& dispositivo);

    // Lays the page out for a width in device pixels.
    void compone(qreal ancho);

    qreal ancho() const { return ancho_; }
    qreal alto() const { return alto_; }

    // Paints what lies between y = desde and y = hasta (page coordinates),
    // with the page's origin at the painter's origin.
    void pinta(QPainter& pintor, qreal desde, qreal hasta) const;

    // The printed pages for pages `altoPagina` high: where each starts and
    // ends and which boxes (paragraphs and table rows, never cut in two) it
    // holds.
    struct Pagina {
        qreal desde;
        qreal hasta;
        std::size_t primera; // first box
        std::size_t fin;     // one past the last box
    };
    std::vector<Pagina> paginas(qreal altoPagina) const;
    // Paints the boxes of one page, with the page's origin at the painter's
    // origin.
    void pinta(QPainter& pintor, const Pagina& pagina) const;

private:
    // One box of the vertical flow: a paragraph or a table row.
    struct Caja {
        enum class Tipo : std::uint8_t { Parrafo, Fila } tipo;
        std::uint32_t indice; // paragraph or row
        std::uint32_t tabla;  // for rows
        qreal y;
        qreal alto;
    };
    struct Columnas {
        std::vector<qreal> x;     // left edge of each column's cell
        std::vector<qreal> ancho; // width of each column's cell
        qreal izquierda = 0;
        qreal anchoTabla = 0;
    };
    struct Linea {
        std::uint32_t primero; // first run of the line
        std::uint32_t cuantos;
        qreal ancho;
        qreal alto;
        qreal base; // ascent of the line
    };
    struct Pieza {
        std::uint32_t tramo;
        std::uint32_t inicio; // in the document text
        std::uint32_t longitud;
        qreal ancho;
    };

    const QFont& fuente(std::uint16_t estilo) const { return fuentes_[estilo]; }
    qreal px(qreal pixelesPantalla) const { return pixelesPantalla * escala_; }
    qreal anchoNatural(const Tramos& tramos) const;
    qreal altoDeLinea(const Tramos& tramos) const;
    qreal altoTexto(const Tramos& tramos, qreal ancho) const;
    void parte(const Tramos& tramos, qreal ancho, std::vector<Linea>& lineas,
               std::vector<Pieza>& piezas) const;
    void pintaTexto(QPainter& pintor, const Tramos& tramos, const QRectF& caja, Alineacion alineacion) const;
    Columnas columnasDe(const Tabla& tabla) const;
    void componeTabla(std::uint32_t indice, qreal& y);
    void pintaFila(QPainter& pintor, const Caja& caja) const;
    void pintaCajas(QPainter& pintor, std::size_t primera, std::size_t fin) const;
    qreal margenParrafo() const;

    const Documento& doc_;
    qreal escala_ = 1;
    std::vector<QFont> fuentes_;
    std::vector<QFontMetricsF> medidas_;
    std::vector<qreal> altoFuente_;
    std::vector<qreal> ascensoFuente_;
    std::vector<float> anchoTramo_;
    std::vector<Caja> cajas_;
    std::vector<Columnas> columnas_;
    qreal ancho_ = -1; // not laid out yet
    qreal alto_ = 0;
};

} // namespace platform::ui::navegador
