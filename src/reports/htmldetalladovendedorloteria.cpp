#include "reports/htmldetalladovendedorloteria.h"

#include "reports/escritores.h"

namespace reports {

namespace {

// The subtotal row written when the next seller starts has a centred label
// and bold amounts; the one after the last row neither.
enum class Cierre { Intermedio, Final };

struct PorLoteria {
    PaginaHtml& pagina;
    const QString& borde;
    const QString anchoImporte = anchura(60, 5);
    const QString anchoLoteria = anchura(25, 1);
    const QString anchoJugada = anchura(5, 1);
    std::optional<QString> codigo;
    Importes vendedor;

    // The seller's heading line, its table start and header row.
    void abre(const Registro& rs)
    {
        codigo = clave(rs.value(0));
        vendedor = {};
        pagina.encabezado(QStringLiteral("Vendedor: ") + textoValor(rs.value(0)) + QStringLiteral(" - ") +
                          textoValor(rs.value(2)));
        FormaTabla forma;
        forma.blancoTrasBorder = true;
        forma.blancosAntesDeWidth = 2;
        pagina.inicioTabla(borde, forma);
        QList<Encabezado> encabezados{{anchoLoteria, escapa(QStringLiteral("Loteria"))},
                                      {anchoJugada, escapa(QStringLiteral("Jugada"))}};
        for (const QString& texto : encabezadosImportes())
            encabezados.append({anchoImporte, escapa(texto)});
        filaEncabezados(pagina, encabezados);
    }

    // A row of the seller: its first row in a later seller's table is
    // written in size 1 with a wider lottery cell.
    Importes fila(const Registro& rs, bool primeraDeOtro)
    {
        Importes importes;
        importes.suma(rs, 6, 7, 8, 9);
        vendedor += importes;
        const int tamano = primeraDeOtro ? 1 : 2;
        pagina.inicioFila();
        pagina.celda(primeraDeOtro ? anchoLoteria : anchoImporte, contenidoValor(rs.value(4), tamano));
        pagina.celda(anchoJugada, contenidoValor(rs.value(5), tamano));
        for (int columna = 6; columna <= 9; ++columna)
            pagina.celda(anchoImporte, contenidoMontoSimple(rs.value(columna), tamano));
        pagina.finFila();
        return importes;
    }

    void cierra(Cierre cierre)
    {
        const QString etiqueta = contenidoNegrita(QStringLiteral("TOTAL Vend :"), 1);
        pagina.inicioFila();
        if (cierre == Cierre::Intermedio)
            pagina.linea(QStringLiteral("<td align=\"center\" width=\"") + anchoImporte +
                         QStringLiteral("\">") + etiqueta + QStringLiteral("</td>"));
        else
            pagina.celda(anchoImporte, etiqueta);
        pagina.celda(anchoJugada, contenidoNegrita(QStringLiteral("=====>"), 1));
        for (const auto& suma : vendedor.lista())
            pagina.celda(anchoImporte, cierre == Cierre::Intermedio ? contenidoNegrita(textoImporte(suma), 1)
                                                                    : contenidoImporteSimple(suma, 1));
        pagina.finFila();
        pagina.finTabla();
        pagina.espaciador();
    }
};

} // namespace

void paginaDetalladoVendedorLoteria(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                                    const QString& linea2, const QString& borde, const QString& nombrebanca)
{
    pagina.principio({QStringLiteral("REPORTE DETALLADO"), nombrebanca, {linea1, linea2}});
    if (rs.recordCount() > 0)
        rs.moveFirst();
    pagina.espaciador();

    PorLoteria p{pagina, borde};
    Importes general;
    p.abre(rs);
    for (; !rs.eof(); rs.moveNext()) {
        const bool otro = !mismaClave(clave(rs.value(0)), p.codigo);
        if (otro) {
            p.cierra(Cierre::Intermedio);
            p.abre(rs);
        }
        general += p.fila(rs, otro);
    }
    p.cierra(Cierre::Final);

    escribeTotalGeneral(pagina, borde,
                        {.forma = {.blancosAntesDeWidth = 2},
                         .anchoPrimera = p.anchoImporte,
                         .anchoResto = p.anchoImporte,
                         .celdas = contenidosImporte(general.lista())});
    pagina.espaciador();
    pagina.fin();
}

void htmldetalladovendedorloteria(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                                  const QString& borde)
{
    publica([&](PaginaHtml& p, const QString& banca) {
        paginaDetalladoVendedorLoteria(p, rs, linea1, linea2, borde, banca);
    });
}

} // namespace reports
