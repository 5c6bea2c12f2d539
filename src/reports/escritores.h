#pragma once
// What the report writers share beyond the page frame: the header and
// grand-total rows that most pages close with, the labels some pages write
// as markup, running sums of amounts and the keys that group rows.
//
// Sums are kept as exact decimals. An amount that a report adds up may not
// be NULL (its server procedure never returns one): a NULL fails the writer
// at that row, as a number that is no amount does, and the caller's trap
// reports it; the page is then not shown.

#include "reports/plantillahtml.h"
#include "reports/tablahtml.h"

#include <optional>

namespace reports {

// Writes a page, given the house name of the session, into the page file
// and shows it in the report viewer.
void publica(const std::function<void(PaginaHtml&, const QString& nombrebanca)>& escribe);

// "===========>", the arrow of the grand-total rows.
extern const QString FlechaTotal;

// A header cell's place: its width text and its content.
struct Encabezado {
    QString ancho;
    QString contenido;
};

// "<b>", the escaped text, "</b>": the usual header cell content.
QString negrita(const QString& texto);
// The font markup of a text cell around markup that is written as it is
// (labels that the page formats: "<center><b> Alcaldía </b></center> ").
QString contenidoMarcado(const QString& marcado, int tamano = 2);
// "<font face = 'Arial' size = '2' color = 'black'><b>", the escaped text,
// "</b></font>": bold text with no blank before "<b>".
QString contenidoNegrita(const QString& texto, int tamano = 2);
// The arrow cell content of the grand-total rows.
QString contenidoFlecha(int tamano = 2);
// The bold cell of totals: "<font face = 'Arial' size = '2' color =
// 'black'> <b>", the escaped text, "</b></font>" (the frame's amount cell
// markup, here around any text).
QString contenidoResaltado(const QString& texto, int tamano = 2);
// An exact amount in the amount format; nullopt gives the empty text.
QString textoImporte(const std::optional<platform::Decimal>& importe);
// Amount cells of an exact amount: bold with the blank before "<b>" (the
// frame's amount cell), or plain in a text cell.
QString contenidoImporte(const std::optional<platform::Decimal>& importe, int tamano = 2);
QString contenidoImporteSimple(const std::optional<platform::Decimal>& importe, int tamano = 2);

// The bold amount cells of a list of sums.
QStringList contenidosImporte(const QList<std::optional<platform::Decimal>>& importes);

// An amount that a report adds up: NULL or no number fails with DbError.
platform::Decimal importe(const QVariant& valor);

// The key of a group of rows (a seller, a lottery): the exact value as
// text; NULL equals nothing, itself included.
std::optional<QString> clave(const QVariant& valor);
bool mismaClave(const std::optional<QString>& a, const std::optional<QString>& b);

// "<tr>", one header cell per entry, "</tr>".
void filaEncabezados(PaginaHtml& pagina, const QList<Encabezado>& celdas);
// The same with one width for every cell and bold texts.
void filaEncabezados(PaginaHtml& pagina, const QString& ancho, const QStringList& textos);

// Four amounts read together: sales, commission, prizes and total (net).
struct Importes {
    platform::Decimal venta, comision, premios, total;

    // Adds four amounts of the row, from the positions given.
    void suma(const Registro& rs, int venta, int comision, int premios, int total);
    Importes& operator+=(const Importes& otro);
    QList<std::optional<platform::Decimal>> lista() const;
};

// The headers of the seller results pages: "Venta Bs.", "Comisión Bs.",
// "Premios Bs.", "Total Bs.".
QStringList encabezadosImportes();

// The grand-total table: the table start, a header row (the first cell's
// text, then the amount headers), the arrow row (the arrow, then one bold
// amount cell per content given) and "</table>".
struct TablaTotalGeneral {
    FormaTabla forma;
    QString anchoPrimera;
    QString anchoResto;
    QString encabezadoPrimera = QStringLiteral("TOTAL GENERAL");
    QStringList encabezados = encabezadosImportes();
    // Contents of the cells after the arrow (contenidoImporte, as a rule).
    QStringList celdas;
};
void escribeTotalGeneral(PaginaHtml& pagina, const QString& borde, const TablaTotalGeneral& tabla);

// A header row of those pages: a first cell, then the four amount headers.
void filaEncabezadosImportes(PaginaHtml& pagina, const QString& anchoPrimera, const QString& primera,
                             const QString& anchoImportes);

// A table of fixed columns, each with its own width: the header row, then
// one row per record from the current one to the end (a cell maker's
// nullopt writes no cell), calling `alLeer` for each record before it moves
// on. "</table>" is the caller's.
struct ColumnaAncha {
    QString ancho;
    Celda celda;
};
int escribeFilas(PaginaHtml& pagina, Registro& rs, const QList<ColumnaAncha>& columnas,
                 const std::function<void(const Registro&)>& alLeer = {});

// Cell makers of the writers: the seller as column 0, "-" and nombre_vend
// (or another named column), in a text cell of the size given.
Celda celdaCodigoNombre(const QString& nombre = QStringLiteral("nombre_vend"), int tamano = 2);
// An exact amount computed from the record, as a bold amount cell.
Celda celdaImporte(const std::function<std::optional<platform::Decimal>(const Registro&)>& calculo);

} // namespace reports
