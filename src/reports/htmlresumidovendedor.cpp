#include "reports/htmlresumidovendedor.h"

#include "reports/escritores.h"

namespace reports {

void paginaResumidoVendedor(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                            const QString& linea2, const QString& borde, const QString& nombrebanca)
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

    escribeTotalGeneral(pagina, borde,
                        {.anchoPrimera = anchoVendedor,
                         .anchoResto = anchoImporte,
                         .celdas = contenidosImporte(total.lista())});
    pagina.espaciador();
    pagina.fin();
}

void htmlresumidovendedor(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                          const QString& borde)
{
    publica([&](PaginaHtml& p, const QString& banca) {
        paginaResumidoVendedor(p, rs, linea1, linea2, borde, banca);
    });
}

} // namespace reports
