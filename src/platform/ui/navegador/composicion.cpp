#include "platform/ui/navegador/composicion.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <numeric>

namespace platform::ui::navegador {

namespace {

// Point sizes of the HTML font sizes 1 to 7.
constexpr std::array<qreal, 7> PuntosDeTamano{7.5, 10, 12, 13.5, 18, 24, 36};

// Browser defaults, in screen pixels: the page margin, the space between
// cells and around them, the padding inside a cell, the margin of a <p>.
constexpr qreal MargenPagina = 8;
constexpr qreal EspacioCeldas = 2;
constexpr qreal RellenoCelda = 1;
constexpr qreal MargenParrafo = 16;

const QColor ColorBorde(128, 128, 128);

} // namespace

Composicion::Composicion(const Documento& documento, const QPaintDevice& dispositivo)
    : doc_(documento)
    , escala_(dispositivo.logicalDpiY() / 96.0)
{
    for (const Estilo& estilo : doc_.estilos) {
        QFont f(QStringLiteral("Arial"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(PuntosDeTamano[std::clamp<int>(estilo.tamano, 1, 7) - 1]);
        f.setBold(estilo.negrita);
        f.setItalic(estilo.cursiva);
        medidas_.emplace_back(f, &dispositivo);
        fuentes_.push_back(f);
        altoFuente_.push_back(medidas_.back().height());
        ascensoFuente_.push_back(medidas_.back().ascent());
    }
    anchoTramo_.reserve(doc_.tramos.size());
    for (const Tramo& t : doc_.tramos) {
        const QStringView texto = doc_.textoDe(t);
        anchoTramo_.push_back(
            float(medidas_[t.estilo].horizontalAdvance(QString::fromRawData(texto.data(), texto.size()))));
    }
}

qreal Composicion::margenParrafo() const
{
    return px(MargenParrafo);
}

qreal Composicion::anchoNatural(const Tramos& tramos) const
{
    qreal ancho = 0;
    for (std::uint32_t i = tramos.primero; i < tramos.primero + tramos.cuantos; ++i)
        ancho += anchoTramo_[i];
    return ancho;
}

qreal Composicion::altoDeLinea(const Tramos& tramos) const
{
    qreal alto = 0;
    for (std::uint32_t i = tramos.primero; i < tramos.primero + tramos.cuantos; ++i)
        alto = std::max(alto, altoFuente_[doc_.tramos[i].estilo]);
    return alto;
}

qreal Composicion::altoTexto(const Tramos& tramos, qreal ancho) const
{
    if (tramos.cuantos == 0)
        return 0;
    if (!doc_.conSaltos && anchoNatural(tramos) <= ancho)
        return altoDeLinea(tramos);
    std::vector<Linea> lineas;
    std::vector<Pieza> piezas;
    parte(tramos, ancho, lineas, piezas);
    qreal alto = 0;
    for (const Linea& l : lineas)
        alto += l.alto;
    return alto;
}

// Breaks the runs into lines no wider than `ancho`, at blanks and line
// breaks; a word wider than the line stands alone on its line.
void Composicion::parte(const Tramos& tramos, qreal ancho, std::vector<Linea>& lineas,
                        std::vector<Pieza>& piezas) const
{
    Linea linea{std::uint32_t(piezas.size()), 0, 0, 0, 0};
    qreal blancoFinal = 0; // width of the blank that ends the line so far
    const auto cierraLinea = [&] {
        linea.ancho -= blancoFinal;
        lineas.push_back(linea);
        linea = Linea{std::uint32_t(piezas.size()), 0, 0, 0, 0};
        blancoFinal = 0;
    };
    const auto agrega = [&](std::uint32_t tramo, std::uint32_t inicio, std::uint32_t longitud,
                            qreal anchoPieza, qreal blanco) {
        const std::uint16_t estilo = doc_.tramos[tramo].estilo;
        linea.alto = std::max(linea.alto, altoFuente_[estilo]);
        linea.base = std::max(linea.base, ascensoFuente_[estilo]);
        if (linea.cuantos > 0) {
            Pieza& ultima = piezas.back();
            if (ultima.tramo == tramo && ultima.inicio + ultima.longitud == inicio) {
                ultima.longitud += longitud;
                ultima.ancho += anchoPieza;
                linea.ancho += anchoPieza;
                blancoFinal = blanco;
                return;
            }
        }
        piezas.push_back({tramo, inicio, longitud, anchoPieza});
        ++linea.cuantos;
        linea.ancho += anchoPieza;
        blancoFinal = blanco;
    };

    for (std::uint32_t t = tramos.primero; t < tramos.primero + tramos.cuantos; ++t) {
        const Tramo& tramo = doc_.tramos[t];
        const QFontMetricsF& medidas = medidas_[tramo.estilo];
        const QStringView texto = doc_.textoDe(tramo);
        qsizetype i = 0;
        while (i < texto.size()) {
            if (texto[i] == QLatin1Char('\n')) {
                if (linea.cuantos == 0) {
                    linea.alto = altoFuente_[tramo.estilo];
                    linea.base = ascensoFuente_[tramo.estilo];
                }
                cierraLinea();
                ++i;
                continue;
            }
            // A word with the blanks after it.
            qsizetype fin = i;
            while (fin < texto.size() && texto[fin] != QLatin1Char(' ') && texto[fin] != QLatin1Char('\n'))
                ++fin;
            const qsizetype finPalabra = fin;
            while (fin < texto.size() && texto[fin] == QLatin1Char(' '))
                ++fin;
            const QStringView palabra = texto.mid(i, finPalabra - i);
            const qreal anchoPalabra = medidas.horizontalAdvance(
                QString::fromRawData(palabra.data(), palabra.size()));
            const qreal blanco = (fin - finPalabra) * medidas.horizontalAdvance(QLatin1Char(' '));
            if (linea.cuantos > 0 && linea.ancho - blancoFinal + anchoPalabra > ancho)
                cierraLinea();
            agrega(t, std::uint32_t(tramo.inicio + i), std::uint32_t(fin - i), anchoPalabra + blanco, blanco);
            i = fin;
        }
    }
    if (linea.cuantos > 0)
        cierraLinea();
}

void Composicion::pintaTexto(QPainter& pintor, const Tramos& tramos, const QRectF& caja,
                             Alineacion alineacion) const
{
    if (tramos.cuantos == 0)
        return;
    std::vector<Linea> lineas;
    std::vector<Pieza> piezas;
    parte(tramos, caja.width(), lineas, piezas);
    qreal alto = 0;
    for (const Linea& l : lineas)
        alto += l.alto;
    qreal y = caja.top() + std::max<qreal>(0, (caja.height() - alto) / 2);
    for (const Linea& l : lineas) {
        qreal x = caja.left();
        if (alineacion == Alineacion::Centro)
            x += (caja.width() - l.ancho) / 2;
        else if (alineacion == Alineacion::Derecha)
            x += caja.width() - l.ancho;
        for (std::uint32_t p = l.primero; p < l.primero + l.cuantos; ++p) {
            const Pieza& pieza = piezas[p];
            pintor.setFont(fuente(doc_.tramos[pieza.tramo].estilo));
            pintor.drawText(QPointF(x, y + l.base), doc_.texto.mid(pieza.inicio, pieza.longitud));
            x += pieza.ancho;
        }
        y += l.alto;
    }
}

Composicion::Columnas Composicion::columnasDe(const Tabla& tabla) const
{
    // The width of a column is the first percentage a cell of it gives;
    // columns without one share what is left, and the whole is stretched or
    // shrunk to the table's width.
    std::vector<qreal> porcentajes;
    for (std::uint32_t f = tabla.primeraFila; f < tabla.primeraFila + tabla.filas; ++f) {
        const Fila& fila = doc_.filas[f];
        if (fila.celdas > porcentajes.size())
            porcentajes.resize(fila.celdas, -1);
        for (std::uint32_t c = 0; c < fila.celdas; ++c) {
            const float ancho = doc_.celdas[fila.primeraCelda + c].ancho;
            if (porcentajes[c] < 0 && ancho >= 0)
                porcentajes[c] = ancho;
        }
    }
    Columnas columnas;
    const qreal disponible = ancho_ - 2 * px(MargenPagina);
    columnas.anchoTabla = tabla.ancho >= 0 ? disponible * tabla.ancho / 100 : disponible;
    columnas.izquierda = px(MargenPagina);
    if (porcentajes.empty())
        return columnas;
    const qreal dados = std::accumulate(porcentajes.begin(), porcentajes.end(), qreal(0),
                                        [](qreal s, qreal p) { return p > 0 ? s + p : s; });
    const auto sinAncho = std::count_if(porcentajes.begin(), porcentajes.end(),
                                        [](qreal p) { return p < 0; });
    const qreal resto = sinAncho > 0 ? std::max<qreal>(100 - dados, 0) / sinAncho : 0;
    for (qreal& p : porcentajes)
        p = p < 0 ? resto : p;
    qreal total = std::accumulate(porcentajes.begin(), porcentajes.end(), qreal(0));
    if (total <= 0) {
        std::fill(porcentajes.begin(), porcentajes.end(), 1);
        total = qreal(porcentajes.size());
    }
    const qreal espacio = px(EspacioCeldas);
    const qreal borde = px(tabla.borde);
    const qreal interior = std::max<qreal>(
        columnas.anchoTabla - 2 * borde - espacio * qreal(porcentajes.size() + 1), 0);
    qreal x = columnas.izquierda + borde + espacio;
    for (qreal p : porcentajes) {
        const qreal ancho = interior * p / total;
        columnas.x.push_back(x);
        columnas.ancho.push_back(ancho);
        x += ancho + espacio;
    }
    return columnas;
}

void Composicion::componeTabla(std::uint32_t indice, qreal& y)
{
    const Tabla& tabla = doc_.tablas[indice];
    if (columnas_.size() <= indice)
        columnas_.resize(indice + 1);
    columnas_[indice] = columnasDe(tabla);
    const Columnas& columnas = columnas_[indice];
    const qreal espacio = px(EspacioCeldas);
    const qreal borde = px(tabla.borde);
    const qreal marco = px(RellenoCelda) + (tabla.borde > 0 ? px(1) : 0);
    y += borde + espacio;
    for (std::uint32_t f = tabla.primeraFila; f < tabla.primeraFila + tabla.filas; ++f) {
        const Fila& fila = doc_.filas[f];
        qreal alto = 0;
        for (std::uint32_t c = 0; c < fila.celdas; ++c) {
            const qreal anchoTexto = columnas.ancho[c] - 2 * marco;
            alto = std::max(alto, altoTexto(doc_.celdas[fila.primeraCelda + c].tramos, anchoTexto));
        }
        alto += 2 * marco;
        cajas_.push_back({Caja::Tipo::Fila, f, indice, y, alto});
        y += alto + espacio;
    }
    y += borde;
}

void Composicion::compone(qreal ancho)
{
    ancho_ = ancho;
    cajas_.clear();
    cajas_.reserve(doc_.filas.size() + doc_.parrafos.size());
    const qreal disponible = std::max<qreal>(ancho - 2 * px(MargenPagina), 1);
    qreal y = px(MargenPagina);
    qreal margenPendiente = 0;
    for (const Bloque& bloque : doc_.bloques) {
        if (bloque.tipo == Bloque::Tipo::Tabla) {
            y += margenPendiente;
            margenPendiente = 0;
            componeTabla(bloque.indice, y);
            continue;
        }
        const Parrafo& p = doc_.parrafos[bloque.indice];
        // Margins of paragraphs collapse with their neighbours', also
        // through an empty paragraph.
        if (p.conMargen)
            margenPendiente = std::max(margenPendiente, margenParrafo());
        const qreal alto = altoTexto(p.tramos, disponible);
        if (alto > 0) {
            y += margenPendiente;
            margenPendiente = 0;
            cajas_.push_back({Caja::Tipo::Parrafo, bloque.indice, 0, y, alto});
            y += alto;
        }
        if (p.conMargen)
            margenPendiente = std::max(margenPendiente, margenParrafo());
    }
    alto_ = y + px(MargenPagina);
}

void Composicion::pintaFila(QPainter& pintor, const Caja& caja) const
{
    const Tabla& tabla = doc_.tablas[caja.tabla];
    const Columnas& columnas = columnas_[caja.tabla];
    const Fila& fila = doc_.filas[caja.indice];
    const qreal marco = px(RellenoCelda) + (tabla.borde > 0 ? px(1) : 0);
    if (tabla.borde > 0) {
        const qreal espacio = px(EspacioCeldas);
        const qreal borde = px(tabla.borde);
        const bool primera = caja.indice == tabla.primeraFila;
        const bool ultima = caja.indice + 1 == tabla.primeraFila + tabla.filas;
        const qreal arriba = caja.y - espacio - (primera ? borde : 0);
        const qreal abajo = caja.y + caja.alto + espacio + (ultima ? borde : 0);
        const qreal izquierda = columnas.izquierda;
        const qreal derecha = columnas.izquierda + columnas.anchoTabla;
        pintor.fillRect(QRectF(izquierda, arriba, borde, abajo - arriba), ColorBorde);
        pintor.fillRect(QRectF(derecha - borde, arriba, borde, abajo - arriba), ColorBorde);
        if (primera)
            pintor.fillRect(QRectF(izquierda, arriba, derecha - izquierda, borde), ColorBorde);
        if (ultima)
            pintor.fillRect(QRectF(izquierda, abajo - borde, derecha - izquierda, borde), ColorBorde);
    }
    for (std::uint32_t c = 0; c < fila.celdas; ++c) {
        const Celda& celda = doc_.celdas[fila.primeraCelda + c];
        const QRectF rect(columnas.x[c], caja.y, columnas.ancho[c], caja.alto);
        if (tabla.borde > 0) {
            const qreal linea = px(1);
            pintor.fillRect(QRectF(rect.left(), rect.top(), rect.width(), linea), ColorBorde);
            pintor.fillRect(QRectF(rect.left(), rect.bottom() - linea, rect.width(), linea), ColorBorde);
            pintor.fillRect(QRectF(rect.left(), rect.top(), linea, rect.height()), ColorBorde);
            pintor.fillRect(QRectF(rect.right() - linea, rect.top(), linea, rect.height()), ColorBorde);
        }
        pintaTexto(pintor, celda.tramos, rect.adjusted(marco, marco, -marco, -marco), celda.alineacion);
    }
}

void Composicion::pinta(QPainter& pintor, qreal desde, qreal hasta) const
{
    // Boxes lie in order: from the first that reaches below `desde` to the
    // last that starts above `hasta`.
    const auto primera = std::upper_bound(cajas_.begin(), cajas_.end(), desde,
                                          [](qreal y, const Caja& c) { return y < c.y + c.alto; });
    const auto fin = std::lower_bound(primera, cajas_.end(), hasta,
                                      [](const Caja& c, qreal y) { return c.y < y; });
    pintaCajas(pintor, std::size_t(primera - cajas_.begin()), std::size_t(fin - cajas_.begin()));
}

void Composicion::pinta(QPainter& pintor, const Pagina& pagina) const
{
    // Only the page's own boxes: a printed page must not carry the text of
    // its neighbours, not even clipped away.
    pintaCajas(pintor, pagina.primera, pagina.fin);
}

void Composicion::pintaCajas(QPainter& pintor, std::size_t primera, std::size_t fin) const
{
    pintor.setPen(Qt::black);
    const qreal anchoTexto = ancho_ - 2 * px(MargenPagina);
    for (std::size_t i = primera; i < fin; ++i) {
        const Caja& caja = cajas_[i];
        if (caja.tipo == Caja::Tipo::Fila) {
            pintaFila(pintor, caja);
            continue;
        }
        const Parrafo& p = doc_.parrafos[caja.indice];
        pintaTexto(pintor, p.tramos, QRectF(px(MargenPagina), caja.y, anchoTexto, caja.alto), p.alineacion);
    }
}

std::vector<Composicion::Pagina> Composicion::paginas(qreal altoPagina) const
{
    std::vector<Pagina> paginas;
    Pagina pagina{0, 0, 0, 0};
    for (std::size_t i = 0; i < cajas_.size(); ++i) {
        const Caja& caja = cajas_[i];
        // A row takes the borders and space above it to a new page.
        const qreal encima = caja.tipo == Caja::Tipo::Fila
                                 ? px(EspacioCeldas) + px(doc_.tablas[caja.tabla].borde)
                                 : 0;
        const qreal inicio = caja.y - encima;
        if (caja.y + caja.alto - pagina.desde > altoPagina && i > pagina.primera) {
            pagina.hasta = inicio;
            pagina.fin = i;
            paginas.push_back(pagina);
            pagina = Pagina{inicio, 0, i, 0};
        }
    }
    pagina.hasta = std::max(alto_, pagina.desde);
    pagina.fin = cajas_.size();
    paginas.push_back(pagina);
    return paginas;
}

} // namespace platform::ui::navegador
