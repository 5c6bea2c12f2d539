#include "reports/plantillahtml.h"

#include "platform/db/dberror.h"
#include "platform/regional.h"

namespace reports {

using platform::Decimal;
namespace regional = platform::regional;

namespace {

const QString FinDeLinea = QStringLiteral("\r\n");

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

QString aperturaFuente(int tamano)
{
    return QStringLiteral("<font face = 'Arial' size = '") + QString::number(tamano) +
           QStringLiteral("' color = 'black'>");
}

} // namespace

PaginaHtml::PaginaHtml(const Marco& marco)
    : comillas_(marco.comillas)
{
    texto_.reserve(64 * 1024);
    linea(QStringLiteral("<html>"));
    linea(QStringLiteral("<head>"));
    linea(
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"));
    linea(QStringLiteral("<title>Quorvelin 2007</title>"));
    linea(QStringLiteral("</head>"));
    linea(QStringLiteral("<body>"));
    linea(QStringLiteral("<address ") +
          atributo(QStringLiteral("align"), QStringLiteral("center")) + QStringLiteral("><span ") +
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

void PaginaHtml::linea(const QString& marcado)
{
    texto_ += marcado;
    texto_ += FinDeLinea;
}

void PaginaHtml::espaciador()
{
    linea(QStringLiteral("<p></p>"));
}

void PaginaHtml::encabezado(const QString& texto)
{
    linea(QStringLiteral("<address ") +
          atributo(QStringLiteral("align"), QStringLiteral("center")) + QStringLiteral("><span ") +
          atributo(QStringLiteral("style"), QStringLiteral("font-style: normal")) +
          QStringLiteral("><b><font ") + atributo(QStringLiteral("size"), QStringLiteral("3")) +
          QLatin1Char('>') + escapa(texto) + QStringLiteral("</font></span></b></address>"));
}

void PaginaHtml::inicioTabla(const QString& borde, const FormaTabla& forma)
{
    linea(QStringLiteral("<table border=") +
          (forma.blancoTrasBorder ? QStringLiteral(" ") : QString()) + escapa(borde) +
          QString(forma.blancosAntesDeWidth, QLatin1Char(' ')) +
          atributo(QStringLiteral("width"), QStringLiteral("100%")) + QLatin1Char('>'));
}

void PaginaHtml::finTabla()
{
    linea(QStringLiteral("</table>"));
}

void PaginaHtml::inicioFila()
{
    linea(QStringLiteral("<tr>"));
}

void PaginaHtml::finFila()
{
    linea(QStringLiteral("</tr>"));
}

void PaginaHtml::celda(const QString& ancho, const QString& contenido)
{
    texto_ += QStringLiteral("<td ");
    texto_ += atributo(QStringLiteral("width"), ancho);
    texto_ += QLatin1Char('>');
    texto_ += contenido;
    texto_ += QStringLiteral("</td>");
    texto_ += FinDeLinea;
}

void PaginaHtml::celdaEncabezado(const QString& ancho, const QString& texto)
{
    celda(ancho, QStringLiteral("<b>") + escapa(texto) + QStringLiteral("</b>"));
}

void PaginaHtml::parrafoTotal(const QString& etiqueta, const Decimal& suma)
{
    linea(QStringLiteral("<p ") + atributo(QStringLiteral("align"), QStringLiteral("center")) +
          QStringLiteral("><font ") + atributo(QStringLiteral("size"), QStringLiteral("3")) +
          QLatin1Char('>') + escapa(etiqueta) + regional::formatAmount(suma) +
          QStringLiteral("</font></p>"));
}

void PaginaHtml::fin()
{
    linea(QStringLiteral("</body>"));
    linea(QStringLiteral("</html>"));
}

QString contenidoTexto(const QString& texto, int tamano)
{
    return aperturaFuente(tamano) + escapa(texto) + QStringLiteral("</font>");
}

QString contenidoValor(const QVariant& valor, int tamano)
{
    return contenidoTexto(textoValor(valor), tamano);
}

QString contenidoMonto(const QVariant& valor, int tamano)
{
    return aperturaFuente(tamano) + QStringLiteral(" <b>") + textoMonto(valor) +
           QStringLiteral("</b></font>");
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
        throw platform::db::DbError::wrongType(QStringLiteral("no es un monto: ") +
                                               regional::toText(valor));
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
        case '<':
            escapado += QStringLiteral("&lt;");
            break;
        case '>':
            escapado += QStringLiteral("&gt;");
            break;
        case '&':
            escapado += QStringLiteral("&amp;");
            break;
        case '"':
            escapado += QStringLiteral("&quot;");
            break;
        case '\'':
            escapado += QStringLiteral("&#39;");
            break;
        default:
            escapado += c;
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
