#include "reports/reportespuntoventa.h"

#include "core/conexion.h"
#include "reports/entregareporte.h"
#include "core/sesion.h"
#include "platform/vbtext.h"
#include "reports/tablahtml.h"

namespace reports {

using platform::Decimal;
using platform::db::RecordSet;
using namespace reports;

namespace {

const QString TotalVenta = QStringLiteral("TOTAL VENTA   BS: ");
const QString TotalPremios = QStringLiteral("TOTAL PREMIOS BS: ");

// What the three pages share: both header lines always, the width of the
// result set's columns less one, the table start with two blanks.
Tabla tablaDe(const RecordSet& rs)
{
    Tabla tabla;
    tabla.ancho = anchura(100, rs.fieldCount(), true);
    tabla.forma.blancosAntesDeWidth = 2;
    return tabla;
}

void principio(PaginaHtml& pagina, const QString& titulo, const QString& nombrebanca, QStringList encabezados)
{
    pagina.principio({titulo, nombrebanca, std::move(encabezados)});
    pagina.espaciador();
}

QString texto(const Registro& rs, int columna)
{
    return platform::vb::trim(textoValor(rs.value(columna)));
}

bool activo(const Registro& rs)
{
    return texto(rs, 4) == QLatin1String("ACT");
}

// A fixed text in a cell of font size 1.
std::optional<QString> fijo(const QString& texto)
{
    return contenidoTexto(texto, 1);
}

Sumando deActivos(int columna)
{
    return [columna](const Registro& rs) {
        return activo(rs) ? std::optional<Decimal>(montoOCero(rs.value(columna))) : std::nullopt;
    };
}

} // namespace

void paginaPuntoVenta(PaginaHtml& pagina, RecordSet& rs, const QString& linea1, const QString& linea2,
                      const QString& borde, const QString& nombrebanca)
{
    principio(pagina, QStringLiteral("REPORTE DE PUNTO DE VENTA"), nombrebanca, {linea1, linea2});
    Tabla tabla = tablaDe(rs);
    const Celda hora = [](const Registro& r) {
        return std::optional<QString>(contenidoTexto(platform::vb::left(textoValor(r.value(2)), 8)));
    };
    // An unknown state writes no cell: the later cells of the row move left.
    const Celda estado = [](const Registro& r) -> std::optional<QString> {
        const QString e = texto(r, 4);
        if (e == QLatin1String("ACT"))
            return fijo(QStringLiteral("ACTIVO"));
        if (e == QLatin1String("ELI"))
            return fijo(QStringLiteral("ANULADO"));
        return std::nullopt;
    };
    const Celda premiado = [](const Registro& r) {
        return fijo(texto(r, 5) == QLatin1String("S") ? QStringLiteral("PREMIADO") : QString());
    };
    const Celda pagado = [](const Registro& r) -> std::optional<QString> {
        if (texto(r, 7) == QLatin1String("S"))
            return fijo(QStringLiteral("PAGADO"));
        return std::nullopt;
    };
    tabla.columnas = {{QStringLiteral("Ticket #"), celdaTexto(0)},
                      {QStringLiteral("Monto Bs."), celdaMontoSimple(1)},
                      {QStringLiteral("Hora Tick"), hora},
                      {QStringLiteral("Usuario"), celdaTexto(3)},
                      {QStringLiteral("Estado"), estado},
                      {QStringLiteral("Premiado"), premiado},
                      {QStringLiteral("Premio Bs."), celdaMontoSimple(6, 1)},
                      {QStringLiteral("Pagado"), pagado}};
    tabla.sumas = {{TotalVenta, deActivos(1)}, {TotalPremios, deActivos(6)}};
    escribeTabla(pagina, tabla, rs, borde);
    pagina.fin();
}

void reportepuntoventa(RecordSet& rs, const QString& linea1, const QString& linea2, const QString& borde)
{
    publicaReporte(
        [&](PaginaHtml& p) { paginaPuntoVenta(p, rs, linea1, linea2, borde, core::sesion().nombrebanca); },
        BuscadorTicket::Visible);
}

void paginaTotalesPuntoVenta(PaginaHtml& pagina, RecordSet& rs, const QString& linea1, const QString& linea2,
                             const QString& borde, const QString& nombrebanca, const QString& fecha,
                             const QString& hora)
{
    principio(
        pagina, QStringLiteral("REPORTE DE TOTALES POR PUNTO DE VENTA"), nombrebanca,
        {linea1, linea2, QStringLiteral("FECHA DE IMPRESION: ") + fecha + QStringLiteral(" - ") + hora});
    Tabla tabla = tablaDe(rs);
    tabla.columnas = {{QStringLiteral("Vendedor"), celdaTexto(0)},
                      {QStringLiteral("Total Venta Bs."), celdaMontoSimple(1)}};
    tabla.sumas = {{TotalVenta, sumaDe(1)}};
    const int puntos = escribeTabla(pagina, tabla, rs, borde);
    pagina.linea(QStringLiteral("<font size='3'>") + QString::number(puntos) +
                 QStringLiteral(" Centros de Apuestas</font>"));
    pagina.fin();
}

void reportetotalespuntoventa(RecordSet& rs, const QString& linea1, const QString& linea2,
                              const QString& borde)
{
    core::fechaservidor();
    const core::Sesion& s = core::sesion();
    publicaReporte([&](PaginaHtml& p) {
        paginaTotalesPuntoVenta(p, rs, linea1, linea2, borde, s.nombrebanca, s.fechaactual, s.horaactual);
    });
}

void paginaCaducados(PaginaHtml& pagina, RecordSet& rs, const QString& linea1, const QString& linea2,
                     const QString& borde, const QString& nombrebanca)
{
    principio(pagina, QStringLiteral("REPORTE DE TICKETS CADUCADOS"), nombrebanca, {linea1, linea2});
    Tabla tabla = tablaDe(rs);
    tabla.columnas = {{QStringLiteral("Ticket #"), celdaTexto(0)},
                      {QStringLiteral("Usuario"), celdaTexto(1)},
                      {QStringLiteral("Fecha"), celdaTexto(2)},
                      {QStringLiteral("Hora Tick"), celdaTexto(3)},
                      {QStringLiteral("Monto Venta Bs."), celdaMontoSimple(4, 1)},
                      {QStringLiteral("Monto Premio Bs."), celdaMontoSimple(5, 1)}};
    tabla.sumas = {{TotalVenta, sumaDe(4)}, {TotalPremios, sumaDe(5)}};
    escribeTabla(pagina, tabla, rs, borde);
    pagina.fin();
}

void reportecaducados(RecordSet& rs, const QString& linea1, const QString& linea2, const QString& borde)
{
    publicaReporte(
        [&](PaginaHtml& p) { paginaCaducados(p, rs, linea1, linea2, borde, core::sesion().nombrebanca); },
        BuscadorTicket::Visible);
}

} // namespace reports
