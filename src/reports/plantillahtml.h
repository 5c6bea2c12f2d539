#pragma once
// The report page frame: every report of the program is one HTML page,
// 0001.html in the program folder, written by a writer from a result set and
// handed to the report viewer. The frame fixes what all pages share: the
// head, the title line with the house name, the header lines, the table
// start, header and data cells, the amount format, the totals paragraphs and
// the end of the page. A writer states only where its report differs.
//
// Two levels:
// - PaginaHtml: the page line by line, in the frame's markup. Writers with
//   grouped tables, subtotal rows or several tables drive it themselves.
// - Tabla / escribeTabla (tablahtml.h): one table with a header row, one
//   row per record and centred total paragraphs, described as data.
//
// Pages are written as UTF-8 and say so in their head; every line ends in
// CR LF. Every text that comes from the database or the operator is
// HTML-escaped (header lines, the house name, cell values), so a value
// holding "<" or "&" shows as typed and cannot inject markup. Width
// attributes always use "." as decimal separator, as HTML requires; the
// numbers and dates shown follow the regional settings.
//
// Nothing here touches widgets: the hand-off to the viewer is the caller's
// (reports::publicaReporte).

#include "platform/db/recordset.h"
#include "platform/decimal.h"

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace reports {

// The quotes around attribute values. The line-up page uses single quotes
// for every attribute; all other pages double quotes.
enum class Comillas { Dobles, Simples };

// What a page says above its data.
struct Marco {
    // The report title between "< " and " >" of the title line.
    QString titulo;
    // The house name, written right after the title.
    QString nombrebanca;
    // The header lines, in order: the writer decides which ones appear (an
    // empty second line written or left out, an extra print-date line…).
    QStringList encabezados;
    Comillas comillas = Comillas::Dobles;
};

// Small differences of the table start line.
struct FormaTabla {
    // Blanks between the border value and "width".
    int blancosAntesDeWidth = 1;
    // "<table border= 1" instead of "<table border=1".
    bool blancoTrasBorder = false;
};

// The page being written. A page for the viewer goes to its file as it
// grows, through a small buffer, so that a page of a hundred thousand rows
// never sits in memory whole; a page without a destination is kept in
// memory (tests compare it with their golden pages).
//
// A writer fills the page it is given:
//
//   void paginaMovimientos(PaginaHtml& pagina, RecordSet& rs, ...)
//   {
//       pagina.principio({"MOVIMIENTOS ADMINISTRATIVOS", banca, segundaSiNoVacia(l1, l2)});
//       pagina.espaciador();
//       ...
//       pagina.fin();
//   }
class PaginaHtml {
public:
    // A page kept in memory.
    PaginaHtml();
    // A page written to `destino` (open for writing) as it grows; call
    // termina() at its end. A destination that refuses the bytes throws
    // std::runtime_error.
    explicit PaginaHtml(QIODevice& destino);
    PaginaHtml(const PaginaHtml&) = delete;
    PaginaHtml& operator=(const PaginaHtml&) = delete;

    // Starts the page: the head, the title line and the header lines.
    void principio(const Marco& marco);
    // "<p></p>".
    void espaciador();
    // One header line in the frame's markup (writers that add headings of
    // their own between tables).
    void encabezado(const QString& texto);
    void inicioTabla(const QString& borde, const FormaTabla& forma = {});
    void finTabla();
    void inicioFila();
    void finFila();
    // A cell line holding `contenido` as it is (markup built with the helpers
    // below, whose values are escaped).
    void celda(const QString& ancho, const QString& contenido);
    // A header cell: the text in bold.
    void celdaEncabezado(const QString& ancho, const QString& texto);
    // A centred totals paragraph: "<p align="center"><font size="3">",
    // the label, the sum in the amount format, "</font></p>".
    void parrafoTotal(const QString& etiqueta, const platform::Decimal& suma);
    // A line of the writer's own markup, written as it is.
    void linea(const QString& marcado);
    // "</body>", "</html>".
    void fin();

    // Hands what is still buffered to the destination.
    void termina();

    // A page kept in memory: its text, lines ended by CR LF, and its bytes
    // as they go to disk (UTF-8).
    QString texto() const { return QString::fromUtf8(bytes_); }
    const QByteArray& bytes() const { return bytes_; }

private:
    void agrega(QLatin1StringView marcado) { bytes_.append(marcado.data(), marcado.size()); }
    void agrega(QStringView texto);
    void finDeLinea();
    QString atributo(const QString& nombre, const QString& valor) const;

    QIODevice* destino_ = nullptr;
    QByteArray bytes_;
    Comillas comillas_ = Comillas::Dobles;
    // The start of a cell line for the width used last, which nearly always
    // is the width of the next cell too.
    QString ultimoAncho_;
    QByteArray inicioCelda_;
};

// --- Cell contents. Values are converted as the regional settings write
// them (NULL gives the empty text) and escaped.

// "<font face = 'Arial' size = '2' color = 'black'>", the text, "</font>".
QString contenidoTexto(const QString& texto, int tamano = 2);
// The same for a field value.
QString contenidoValor(const QVariant& valor, int tamano = 2);
// The amount cell: "<font face = 'Arial' size = '2' color = 'black'> <b>",
// the amount formatted "###,###0.00", "</b></font>"; a NULL amount leaves
// the place of the number empty.
QString contenidoMonto(const QVariant& valor, int tamano = 2);
// An amount in a plain text cell (not bold).
QString contenidoMontoSimple(const QVariant& valor, int tamano = 2);

// --- Values.

// The text of a field value as the page shows it: the regional settings'
// text, "" for NULL (not yet escaped).
QString textoValor(const QVariant& valor);
// A value in the amount format "###,###0.00"; "" for NULL. A value that is
// no number throws DbError WrongType.
QString textoMonto(const QVariant& valor);
// A value as an exact amount: nullopt for NULL; DbError WrongType for what
// is no number.
std::optional<platform::Decimal> monto(const QVariant& valor);
// The same with NULL counting as 0.
platform::Decimal montoOCero(const QVariant& valor);

// HTML-escapes "<", ">", "&", '"' and "'".
QString escapa(const QString& texto);

// A width text: numerador / columnas, less 1 when asked, written with up to
// 15 significant digits, "." as decimal separator and "%" after it:
// anchura(100, 8, true) -> "11.5%", anchura(100, 6) -> "16.6666666666667%".
QString anchura(double numerador, int columnas, bool menosUno = false);

// The header lines of the many reports whose first line always shows and
// whose second line only when it is not empty.
QStringList segundaSiNoVacia(const QString& linea1, const QString& linea2);

} // namespace reports
