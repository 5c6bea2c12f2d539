#include "reports/htmlconexiones.h"

#include "reports/escritores.h"

namespace reports {

using platform::Decimal;

namespace {

// The header cells open a centred paragraph that the cell closes.
const QString Centrado = QStringLiteral("<p align=\"center\">");

} // namespace

void paginaConexiones(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                      const QString& borde, const QString& nombrebanca)
{
    pagina.principio({QStringLiteral("REPORTE DE CONEXIONES"), nombrebanca, {linea1}});
    pagina.espaciador();

    const QString ancho = anchura(100, 2);
    pagina.inicioTabla(borde);
    filaEncabezados(pagina, {{ancho, Centrado + negrita(QStringLiteral("VENDEDOR"))},
                             {ancho, Centrado + negrita(QStringLiteral("# Conexiones"))}});
    Decimal total;
    const Celda conexiones = [](const Registro& r) {
        return std::optional<QString>(Centrado + contenidoImporte(importe(r.value(4))));
    };
    escribeFilas(pagina, rs,
                 {{ancho, celdaCodigoNombre(QStringLiteral("nombre_vend"), 1)}, {ancho, conexiones}},
                 [&](const Registro& r) { total += importe(r.value(4)); });
    pagina.finTabla();
    pagina.espaciador();
    pagina.parrafoTotal(QStringLiteral("TOTAL CONEXIONES: "), total);
    pagina.fin();
}

void htmlconexiones(platform::db::RecordSet& rs, const QString& linea1, const QString& borde)
{
    publica([&](PaginaHtml& p, const QString& banca) { paginaConexiones(p, rs, linea1, borde, banca); });
}

} // namespace reports
