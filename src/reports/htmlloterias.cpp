#include "reports/htmlloterias.h"

#include "reports/escritores.h"

namespace reports {

namespace {

struct Loterias {
    PaginaHtml& pagina;
    const QString& borde;
    const QString ancho = anchura(100, 5);
    std::optional<QString> actual;
    Importes subtotal;
    Importes general;

    // The lottery's heading line, its table start and header row.
    void abre(const Registro& rs, const FormaTabla& forma)
    {
        actual = clave(rs.value(0));
        pagina.encabezado(QStringLiteral("Loteria: ") + textoValor(rs.value(0)) + QStringLiteral(" - ") +
                          textoValor(rs.value(5)));
        pagina.inicioTabla(borde, forma);
        filaEncabezadosImportes(pagina, ancho, QStringLiteral("Vendedor"), ancho);
        subtotal = {};
    }

    // The lottery's "TOTALES :" row and the end of its table.
    void cierra()
    {
        pagina.inicioFila();
        pagina.celda(ancho, contenidoNegrita(QStringLiteral("TOTALES :")));
        for (const auto& suma : subtotal.lista())
            pagina.celda(ancho, contenidoNegrita(textoImporte(suma)));
        pagina.finFila();
        pagina.finTabla();
        pagina.espaciador();
    }

    void fila(const Registro& rs)
    {
        pagina.inicioFila();
        Importes importes;
        importes.suma(rs, 6, 7, 8, 9);
        subtotal += importes;
        general += importes;
        pagina.celda(ancho, contenidoValor(rs.value(2)));
        for (int columna = 6; columna <= 9; ++columna)
            pagina.celda(ancho, contenidoMontoSimple(rs.value(columna)));
        pagina.finFila();
    }
};

} // namespace

void paginaLoterias(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                    const QString& linea2, const QString& borde, const QString& nombrebanca)
{
    pagina.principio({QStringLiteral("REPORTE DE LOTERIAS"), nombrebanca, {linea1, linea2}});
    if (rs.recordCount() > 0)
        rs.moveFirst();
    pagina.espaciador();

    Loterias l{pagina, borde};
    FormaTabla primera;
    primera.blancosAntesDeWidth = 2;
    FormaTabla siguientes = primera;
    siguientes.blancoTrasBorder = true;
    l.abre(rs, primera);
    for (; !rs.eof(); rs.moveNext()) {
        if (!mismaClave(clave(rs.value(0)), l.actual)) {
            l.cierra();
            l.abre(rs, siguientes);
        }
        l.fila(rs);
    }
    l.cierra();

    escribeTotalGeneral(pagina, borde,
                        {.forma = primera,
                         .anchoPrimera = l.ancho,
                         .anchoResto = l.ancho,
                         .celdas = contenidosImporte(l.general.lista())});
    pagina.espaciador();
    pagina.fin();
}

void htmlloterias(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                  const QString& borde)
{
    publica(
        [&](PaginaHtml& p, const QString& banca) { paginaLoterias(p, rs, linea1, linea2, borde, banca); });
}

} // namespace reports
