#include "reports/plantillahtml.h"

#include "platform/db/dberror.h"
#include "platform/regional.h"

#include <algorithm>
#include <stdexcept>

namespace reports {

using platform::Decimal;
namespace regional = platform::regional;

namespace {

// The settings of width attributes: the regional ones, with the "." that
// HTML requires.
const regional::Settings& ajustesAnchura()
{
    static const regional::Settings ajustes = [] {
        regional::Settings s = regional::workstation();
        s.decimalSeparator = QLatin1Char('.');
        return s;
    }();
    return ajustes;
}

// "<font face = 'Arial' size = '2' color = 'black'>" for the sizes 1 to 7.
const QString& aperturaFuente(int tamano)
{
    static const QList<QString> aperturas = [] {
        QList<QString> lista;
        for (int t = 0; t <= 7; ++t)
            lista << QStringLiteral("<font face = 'Arial' size = '") + QString::number(t) +
                         QStringLiteral("' color = 'black'>");
        return lista;
    }();
    return aperturas[std::clamp(tamano, 0, 7)];
}

} // namespace

// What a page buffers before it hands the bytes to its destination.
constexpr qsizetype Bloque = 256 * 1024;

PaginaHtml::PaginaHtml()
{
    bytes_.reserve(64 * 1024);
}

PaginaHtml::PaginaHtml(QIODevice& destino) : destino_(&destino)
{
    bytes_.reserve(Bloque + 16 * 1024);
}

void PaginaHtml::principio(const Marco& marco)
{
    comillas_ = marco.comillas;
    linea(QStringLiteral("<html>"));
    linea(QStringLiteral("<head>"));
    linea(QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"));
    linea(QStringLiteral("<title>Quorvelin 2007</title>"));
    linea(QStringLiteral("</head>"));
    linea(QStringLiteral("<body>"));
    linea(QStringLiteral("<address ") + atributo(QStringLiteral("align"), QStringLiteral("center")) +
          QStringLiteral("><span ") +
          atributo(QStringLiteral("style"), QStringLiteral("font-style: normal")) +
          QStringLiteral("><b>Quorvelin 2007  < ") + marco.titulo + QStringLiteral(" >") +
          escapa(marco.nombrebanca) + QStringLiteral("</b></span></address>"));
    for (const QString& encabezadoMarco : marco.encabezados)
        encabezado(encabezadoMarco);
}

QString PaginaHtml::atributo(const QString& nombre, const QString& valor) const
{
    const QChar comilla = comillas_ == Comillas::Dobles ? QLatin1Char('"') : QLatin1Char('\'');
    return nombre + QLatin1Char('=') + comilla + valor + comilla;
}

void PaginaHtml::agrega(QStringView texto)
{
    // Nearly every character of a page is ASCII: copied as it is; the rest
    // through the UTF-8 encoder.
    qsizetype i = 0;
    const qsizetype inicio = bytes_.size();
    bytes_.resize(inicio + texto.size());
    char* salida = bytes_.data() + inicio;
    for (; i < texto.size() && texto[i].unicode() < 0x80; ++i)
        salida[i] = char(texto[i].unicode());
    if (i < texto.size()) {
        bytes_.resize(inicio + i);
        bytes_.append(texto.mid(i).toUtf8());
    }
}

void PaginaHtml::finDeLinea()
{
    bytes_.append("\r\n", 2);
    if (destino_ && bytes_.size() >= Bloque)
        termina();
}

void PaginaHtml::termina()
{
    if (!destino_ || bytes_.isEmpty())
        return;
    if (destino_->write(bytes_) != bytes_.size())
        throw std::runtime_error("no se pudo escribir la pagina del reporte: " +
                                 destino_->errorString().toStdString());
    bytes_.resize(0);
}

void PaginaHtml::linea(const QString& marcado)
{
    agrega(marcado);
    finDeLinea();
}

void PaginaHtml::espaciador()
{
    agrega(QLatin1StringView("<p></p>"));
    finDeLinea();
}

void PaginaHtml::encabezado(const QString& texto)
{
    linea(QStringLiteral("<address ") + atributo(QStringLiteral("align"), QStringLiteral("center")) +
          QStringLiteral("><span ") +
          atributo(QStringLiteral("style"), QStringLiteral("font-style: normal")) +
          QStringLiteral("><b><font ") + atributo(QStringLiteral("size"), QStringLiteral("3")) +
          QLatin1Char('>') + escapa(texto) + QStringLiteral("</font></span></b></address>"));
}

void PaginaHtml::inicioTabla(const QString& borde, const FormaTabla& forma)
{
    linea(QStringLiteral("<table border=") + (forma.blancoTrasBorder ? QStringLiteral(" ") : QString()) +
          escapa(borde) + QString(forma.blancosAntesDeWidth, QLatin1Char(' ')) +
          atributo(QStringLiteral("width"), QStringLiteral("100%")) + QLatin1Char('>'));
}

void PaginaHtml::finTabla()
{
    agrega(QLatin1StringView("</table>"));
    finDeLinea();
}

void PaginaHtml::inicioFila()
{
    agrega(QLatin1StringView("<tr>"));
    finDeLinea();
}

void PaginaHtml::finFila()
{
    agrega(QLatin1StringView("</tr>"));
    finDeLinea();
}

void PaginaHtml::celda(const QString& ancho, const QString& contenido)
{
    if (inicioCelda_.isEmpty() || ancho != ultimoAncho_) {
        ultimoAncho_ = ancho;
        inicioCelda_ =
            (QStringLiteral("<td ") + atributo(QStringLiteral("width"), ancho) + QLatin1Char('>')).toUtf8();
    }
    bytes_.append(inicioCelda_);
    agrega(contenido);
    agrega(QLatin1StringView("</td>"));
    finDeLinea();
}

void PaginaHtml::celdaEncabezado(const QString& ancho, const QString& texto)
{
    celda(ancho, QStringLiteral("<b>") + escapa(texto) + QStringLiteral("</b>"));
}

void PaginaHtml::parrafoTotal(const QString& etiqueta, const Decimal& suma)
{
    linea(QStringLiteral("<p ") + atributo(QStringLiteral("align"), QStringLiteral("center")) +
          QStringLiteral("><font ") + atributo(QStringLiteral("size"), QStringLiteral("3")) +
          QLatin1Char('>') + escapa(etiqueta) + regional::formatAmount(suma) + QStringLiteral("</font></p>"));
}

void PaginaHtml::fin()
{
    linea(QStringLiteral("</body>"));
    linea(QStringLiteral("</html>"));
}

namespace {

// The font opening, the text and the closing in one string, allocated once
// (a page of a hundred thousand rows makes four hundred thousand of them).
QString enFuente(int tamano, QLatin1StringView antes, const QString& texto, QLatin1StringView despues)
{
    const QString& apertura = aperturaFuente(tamano);
    QString contenido;
    contenido.reserve(apertura.size() + antes.size() + texto.size() + despues.size());
    contenido.append(apertura).append(antes).append(texto).append(despues);
    return contenido;
}

} // namespace

QString contenidoTexto(const QString& texto, int tamano)
{
    return enFuente(tamano, {}, escapa(texto), QLatin1StringView("</font>"));
}

QString contenidoValor(const QVariant& valor, int tamano)
{
    return contenidoTexto(textoValor(valor), tamano);
}

QString contenidoMonto(const QVariant& valor, int tamano)
{
    return enFuente(tamano, QLatin1StringView(" <b>"), textoMonto(valor), QLatin1StringView("</b></font>"));
}

QString contenidoMontoSimple(const QVariant& valor, int tamano)
{
    return contenidoTexto(textoMonto(valor), tamano);
}

QString textoValor(const QVariant& valor)
{
    return regional::toText(valor);
}

std::optional<Decimal> monto(const QVariant& valor)
{
    if (!valor.isValid() || valor.isNull())
        return std::nullopt;
    const std::optional<Decimal> numero = regional::toDecimal(valor);
    if (!numero)
        throw platform::db::DbError::wrongType(QStringLiteral("no es un monto: ") + regional::toText(valor));
    return numero;
}

Decimal montoOCero(const QVariant& valor)
{
    return monto(valor).value_or(Decimal());
}

QString textoMonto(const QVariant& valor)
{
    const std::optional<Decimal> numero = monto(valor);
    return numero ? regional::formatAmount(*numero) : QString();
}

QString escapa(const QString& texto)
{
    const auto especial = [](QChar c) {
        return c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('&') ||
               c == QLatin1Char('"') || c == QLatin1Char('\'');
    };
    if (std::none_of(texto.begin(), texto.end(), especial))
        return texto;
    QString escapado;
    escapado.reserve(texto.size() + 16);
    for (QChar c : texto) {
        switch (c.unicode()) {
        case '<': escapado += QStringLiteral("&lt;"); break;
        case '>': escapado += QStringLiteral("&gt;"); break;
        case '&': escapado += QStringLiteral("&amp;"); break;
        case '"': escapado += QStringLiteral("&quot;"); break;
        case '\'': escapado += QStringLiteral("&#39;"); break;
        default: escapado += c;
        }
    }
    return escapado;
}

QString anchura(double numerador, int columnas, bool menosUno)
{
    const double valor = numerador / columnas - (menosUno ? 1.0 : 0.0);
    return regional::numberText(valor, ajustesAnchura()) + QLatin1Char('%');
}

QStringList segundaSiNoVacia(const QString& linea1, const QString& linea2)
{
    QStringList lineas{linea1};
    if (!linea2.isEmpty())
        lineas << linea2;
    return lineas;
}

} // namespace reports
