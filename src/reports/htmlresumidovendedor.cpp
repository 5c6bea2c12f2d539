#include "reports/htmlresumidovendedor.h"

#include "core/entregareporte.h"
#include "core/sesion.h"
#include "reports/escritores.h"

namespace reports {

void paginaResumidoVendedor(PaginaHtml& pagina, platform::db::RecordSet& rs,
                            const QString& linea1, const QString& linea2, const QString& borde,
                            const QString& nombrebanca)
{
    pagina.principio({QStringLiteral("RESUMIDO POR VENDEDOR"), nombrebanca, {linea1, linea2}});
    pagina.espaciador();

    const QString anchoVendedor = anchura(25, 1);
    const QString anchoImporte = anchura(75, 5);
    pagina.inicioTabla(borde);
    filaEncabezadosImportes(pagina, anchoVendedor, QStringLiteral("Vendedor"), anchoImporte);
    Importes total;
    QList<ColumnaAncha> columnas{{anchoVendedor, celdaTexto(1)}};
    for (int columna = 4; columna <= 7; ++columna)
        columnas.append({anchoImporte, celdaMontoSimple(columna)});
    escribeFilas(pagina, rs, columnas, [&](const Registro& r) { total.suma(r, 4, 5, 6, 7); });
    pagina.finTabla();
    pagina.espaciador();

    TablaTotalGeneral general;
    general.anchoPrimera = anchoVendedor;
    general.anchoResto = anchoImporte;
    general.encabezados = encabezadosImportes();
    general.celdas = contenidosImporte(total.lista());
    escribeTotalGeneral(pagina, borde, general);
    pagina.espaciador();
    pagina.fin();
}

void htmlresumidovendedor(platform::db::RecordSet& rs, const QString& linea1,
                          const QString& linea2, const QString& borde)
{
    core::publicaReporte([&](PaginaHtml& p) {
        paginaResumidoVendedor(p, rs, linea1, linea2, borde, core::sesion().nombrebanca);
    });
}

} // namespace reports
