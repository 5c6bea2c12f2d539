#include "reports/htmlmovimientos.h"

#include "reports/entregareporte.h"
#include "core/sesion.h"
#include "reports/tablahtml.h"

namespace reports {

void paginaMovimientos(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                       const QString& linea2, const QString& borde, const QString& nombrebanca)
{
    pagina.principio(
        {QStringLiteral("MOVIMIENTOS ADMINISTRATIVOS"), nombrebanca, segundaSiNoVacia(linea1, linea2)});
    pagina.espaciador();

    Tabla tabla;
    tabla.ancho = anchura(100, 4);
    const Celda vendedor = [](const Registro& r) {
        return std::optional<QString>(contenidoTexto(textoValor(r.value(0)) + QLatin1Char('-') +
                                                     textoValor(r.value(QStringLiteral("nombre_vend")))));
    };
    tabla.columnas = {{QStringLiteral("VENDEDOR"), vendedor},
                      {QStringLiteral("MOVIMIENTO"), celdaTexto(3)},
                      {QStringLiteral("FECHA"), celdaTexto(2)},
                      {QStringLiteral("MONTO"), celdaMonto(4)}};
    escribeTabla(pagina, tabla, rs, borde);
    pagina.fin();
}

void htmlmovimientos(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                     const QString& borde)
{
    publicaReporte([&](PaginaHtml& pagina) {
        paginaMovimientos(pagina, rs, linea1, linea2, borde, core::sesion().nombrebanca);
    });
}

} // namespace reports
