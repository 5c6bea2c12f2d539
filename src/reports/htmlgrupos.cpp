#include "reports/htmlgrupos.h"

#include "core/rutinas.h"
#include "platform/ui/windowregistry.h"
#include "reports/escritores.h"
#include "reports/ventanaresultados.h"

#include <stdexcept>

namespace reports {

using platform::Decimal;

namespace {

struct Grupos {
    PaginaHtml& pagina;
    const QString ancho = anchura(30, 1);
    const QString anchoImporte = anchura(80, 4);
    std::optional<QString> codigo;
    QString nombre;
    Importes vendedor;

    void toma(const Registro& rs)
    {
        codigo = clave(rs.value(0));
        nombre = textoValor(rs.value(7));
        vendedor = {};
    }

    void celdas()
    {
        pagina.celda(ancho, contenidoTexto(nombre));
        for (const auto& suma : vendedor.lista())
            pagina.celda(anchoImporte, contenidoImporteSimple(suma));
    }
};

} // namespace

void paginaGrupos(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                  const QString& linea2, const QString& borde, const QString& grupo,
                  const QString& nombrebanca)
{
    pagina.principio({QStringLiteral("RESULTADOS POR GRUPOS"), nombrebanca, {linea1, linea2}});
    if (rs.recordCount() > 0)
        rs.moveFirst();
    Grupos g{pagina};
    g.toma(rs);

    FormaTabla forma;
    forma.blancosAntesDeWidth = 2;
    pagina.espaciador();
    pagina.inicioTabla(borde, forma);
    filaEncabezadosImportes(pagina, g.ancho, QStringLiteral("Vendedor"), g.anchoImporte);

    Importes general;
    Decimal jefe;
    for (; !rs.eof(); rs.moveNext()) {
        if (!mismaClave(clave(rs.value(0)), g.codigo)) {
            pagina.inicioFila();
            g.celdas();
            pagina.finFila();
            g.toma(rs);
        }
        if (mismaClave(clave(rs.value(8)), grupo)) {
            Importes importes;
            importes.suma(rs, 3, 4, 5, 6);
            g.vendedor += importes;
            general += importes;
            jefe += importe(rs.value(9));
        }
    }
    // The last seller shows only when its sales add up to more than 0.
    pagina.inicioFila();
    if (g.vendedor.venta > Decimal())
        g.celdas();
    pagina.finFila();
    pagina.finTabla();
    pagina.espaciador();

    QStringList encabezados = encabezadosImportes();
    encabezados.insert(2, QStringLiteral("Comi. Jefe"));
    escribeTotalGeneral(pagina, borde,
                        {.forma = forma,
                         .anchoPrimera = g.ancho,
                         .anchoResto = g.anchoImporte,
                         .encabezados = encabezados,
                         .celdas = contenidosImporte({general.venta, general.comision, jefe, general.premios,
                                                      general.total - jefe})});
    pagina.espaciador();
    pagina.fin();
}

void htmlgrupos(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                const QString& borde)
{
    auto* ventana = dynamic_cast<VentanaResultados*>(
        platform::ui::windowRegistry().get(QStringLiteral("Form25")));
    if (!ventana)
        throw std::logic_error("the seller results window Form25 is not registered");
    const QString grupo = core::primerapalabra(ventana->textoGrupo());
    publica([&](PaginaHtml& p, const QString& banca) {
        paginaGrupos(p, rs, linea1, linea2, borde, grupo, banca);
    });
}

} // namespace reports
