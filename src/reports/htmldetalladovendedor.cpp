#include "reports/htmldetalladovendedor.h"

#include "platform/vbtext.h"
#include "reports/escritores.h"

namespace reports {

namespace {

struct Detallado {
    PaginaHtml& pagina;
    const QString anchoPrimera = anchura(25, 1);
    const QString anchoAngosto = anchura(10, 1);
    const QString anchoImporte = anchura(90, 6);
    std::optional<QString> codigo;
    QString nombre;
    Importes vendedor;

    // The row's seller becomes the current one; its heading row.
    void abre(const Registro& rs)
    {
        codigo = clave(rs.value(0));
        nombre = textoValor(rs.value(1));
        vendedor = {};
        pagina.inicioFila();
        pagina.celda(anchoAngosto, contenidoTexto(nombre, 1));
        pagina.finFila();
    }

    void subtotal(const QString& etiqueta)
    {
        pagina.inicioFila();
        pagina.celda(anchoAngosto, contenidoTexto(etiqueta, 1));
        pagina.celda(anchoAngosto, contenidoFlecha());
        for (const auto& suma : vendedor.lista())
            pagina.celda(anchoImporte, contenidoImporte(suma));
        pagina.finFila();
    }

    void fecha(const Registro& rs)
    {
        pagina.inicioFila();
        pagina.celda(anchoPrimera, contenidoTexto(QString(), 1));
        pagina.celda(anchoAngosto, contenidoValor(rs.value(3), 1));
        for (int columna = 4; columna <= 7; ++columna)
            pagina.celda(anchoImporte, contenidoMontoSimple(rs.value(columna), 1));
        pagina.finFila();
    }
};

} // namespace

void paginaDetalladoVendedor(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                             const QString& linea2, const QString& borde, const QString& nombrebanca)
{
    pagina.principio({QStringLiteral("DETALLADO POR VENDEDOR"), nombrebanca, {linea1, linea2}});
    pagina.espaciador();
    Detallado d{pagina};
    pagina.inicioTabla(borde);
    pagina.inicioFila();
    pagina.celdaEncabezado(d.anchoPrimera, QStringLiteral("Vendedor"));
    pagina.celdaEncabezado(d.anchoAngosto, QStringLiteral("Fecha"));
    for (const QString& texto : encabezadosImportes())
        pagina.celdaEncabezado(d.anchoImporte, texto);
    pagina.finFila();

    Importes general;
    d.abre(rs);
    for (; !rs.eof(); rs.moveNext()) {
        if (!mismaClave(clave(rs.value(0)), d.codigo)) {
            d.subtotal(QStringLiteral("Total ") + platform::vb::trim(d.nombre));
            d.abre(rs);
        }
        Importes importes;
        importes.suma(rs, 4, 5, 6, 7);
        d.vendedor += importes;
        general += importes;
        d.fecha(rs);
    }
    d.subtotal(QStringLiteral("Total Vendedor"));
    pagina.finTabla();
    pagina.espaciador();

    escribeTotalGeneral(pagina, borde,
                        {.anchoPrimera = d.anchoAngosto,
                         .anchoResto = d.anchoImporte,
                         .celdas = contenidosImporte(general.lista())});
    pagina.espaciador();
    pagina.fin();
}

void htmldetalladovendedor(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                           const QString& borde)
{
    publica([&](PaginaHtml& p, const QString& banca) {
        paginaDetalladoVendedor(p, rs, linea1, linea2, borde, banca);
    });
}

} // namespace reports
