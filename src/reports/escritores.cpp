#include "reports/escritores.h"

#include "reports/entregareporte.h"
#include "core/sesion.h"
#include "platform/db/dberror.h"
#include "platform/regional.h"

#include <algorithm>

namespace reports {

using platform::Decimal;

void publica(const std::function<void(PaginaHtml&, const QString&)>& escribe)
{
    reports::publicaReporte([&](PaginaHtml& p) { escribe(p, core::sesion().nombrebanca); });
}

const QString FlechaTotal = QStringLiteral("===========>");

namespace {

// "<font face = 'Arial' size = 'N' color = 'black'>" and "</font>" around
// `interior`, which is written as it is.
QString fuente(QStringView interior, int tamano)
{
    static const QList<QString> aperturas = [] {
        QList<QString> lista;
        for (int t = 0; t <= 7; ++t)
            lista << QStringLiteral("<font face = 'Arial' size = '") + QString::number(t) +
                         QStringLiteral("' color = 'black'>");
        return lista;
    }();
    const QString& apertura = aperturas[std::clamp(tamano, 0, 7)];
    const QLatin1StringView cierre("</font>");
    QString texto;
    texto.reserve(apertura.size() + interior.size() + cierre.size());
    texto.append(apertura).append(interior).append(cierre);
    return texto;
}

} // namespace

QString negrita(const QString& texto)
{
    return QStringLiteral("<b>") + escapa(texto) + QStringLiteral("</b>");
}

QString contenidoMarcado(const QString& marcado, int tamano)
{
    return fuente(marcado, tamano);
}

QString contenidoNegrita(const QString& texto, int tamano)
{
    return fuente(negrita(texto), tamano);
}

QString contenidoFlecha(int tamano)
{
    return contenidoNegrita(FlechaTotal, tamano);
}

QString textoImporte(const std::optional<Decimal>& valor)
{
    return valor ? platform::regional::formatAmount(*valor) : QString();
}

QString contenidoResaltado(const QString& texto, int tamano)
{
    return fuente(QString(QStringLiteral(" <b>") + escapa(texto) + QStringLiteral("</b>")), tamano);
}

QString contenidoImporte(const std::optional<Decimal>& valor, int tamano)
{
    return contenidoResaltado(textoImporte(valor), tamano);
}

QStringList contenidosImporte(const QList<std::optional<Decimal>>& importes)
{
    QStringList contenidos;
    for (const auto& valor : importes)
        contenidos << contenidoImporte(valor);
    return contenidos;
}

QString contenidoImporteSimple(const std::optional<Decimal>& valor, int tamano)
{
    return fuente(textoImporte(valor), tamano);
}

Decimal importe(const QVariant& valor)
{
    const std::optional<Decimal> numero = monto(valor);
    if (!numero)
        throw platform::db::DbError::wrongType(QStringLiteral("un importe del reporte es nulo"));
    return *numero;
}

std::optional<QString> clave(const QVariant& valor)
{
    if (!valor.isValid() || valor.isNull())
        return std::nullopt;
    return textoValor(valor);
}

bool mismaClave(const std::optional<QString>& a, const std::optional<QString>& b)
{
    return a && b && *a == *b;
}

void filaEncabezados(PaginaHtml& pagina, const QList<Encabezado>& celdas)
{
    pagina.inicioFila();
    for (const Encabezado& c : celdas)
        pagina.celda(c.ancho, c.contenido);
    pagina.finFila();
}

void filaEncabezados(PaginaHtml& pagina, const QString& ancho, const QStringList& textos)
{
    pagina.inicioFila();
    for (const QString& texto : textos)
        pagina.celdaEncabezado(ancho, texto);
    pagina.finFila();
}

void Importes::suma(const Registro& rs, int v, int c, int p, int t)
{
    venta += importe(rs.value(v));
    comision += importe(rs.value(c));
    premios += importe(rs.value(p));
    total += importe(rs.value(t));
}

Importes& Importes::operator+=(const Importes& otro)
{
    venta += otro.venta;
    comision += otro.comision;
    premios += otro.premios;
    total += otro.total;
    return *this;
}

QList<std::optional<Decimal>> Importes::lista() const
{
    return {venta, comision, premios, total};
}

void escribeTotalGeneral(PaginaHtml& pagina, const QString& borde, const TablaTotalGeneral& tabla)
{
    pagina.inicioTabla(borde, tabla.forma);
    pagina.inicioFila();
    pagina.celdaEncabezado(tabla.anchoPrimera, tabla.encabezadoPrimera);
    for (const QString& texto : tabla.encabezados)
        pagina.celdaEncabezado(tabla.anchoResto, texto);
    pagina.finFila();
    pagina.inicioFila();
    pagina.celda(tabla.anchoPrimera, contenidoFlecha());
    for (const QString& contenido : tabla.celdas)
        pagina.celda(tabla.anchoResto, contenido);
    pagina.finFila();
    pagina.finTabla();
}

QStringList encabezadosImportes()
{
    return {QStringLiteral("Venta Bs."), QStringLiteral("Comisión Bs."), QStringLiteral("Premios Bs."),
            QStringLiteral("Total Bs.")};
}

void filaEncabezadosImportes(PaginaHtml& pagina, const QString& anchoPrimera, const QString& primera,
                             const QString& anchoImportes)
{
    pagina.inicioFila();
    pagina.celdaEncabezado(anchoPrimera, primera);
    for (const QString& texto : encabezadosImportes())
        pagina.celdaEncabezado(anchoImportes, texto);
    pagina.finFila();
}

int escribeFilas(PaginaHtml& pagina, Registro& rs, const QList<ColumnaAncha>& columnas,
                 const std::function<void(const Registro&)>& alLeer)
{
    int filas = 0;
    while (!rs.eof()) {
        pagina.inicioFila();
        for (const ColumnaAncha& columna : columnas) {
            if (const std::optional<QString> contenido = columna.celda(rs))
                pagina.celda(columna.ancho, *contenido);
        }
        if (alLeer)
            alLeer(rs);
        rs.moveNext();
        pagina.finFila();
        ++filas;
    }
    return filas;
}

Celda celdaCodigoNombre(const QString& nombre, int tamano)
{
    return [nombre, tamano](const Registro& r) {
        return std::optional<QString>(
            contenidoTexto(textoValor(r.value(0)) + QLatin1Char('-') + textoValor(r.value(nombre)), tamano));
    };
}

Celda celdaImporte(const std::function<std::optional<Decimal>(const Registro&)>& calculo)
{
    return [calculo](const Registro& r) { return std::optional<QString>(contenidoImporte(calculo(r))); };
}

} // namespace reports
