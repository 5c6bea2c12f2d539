#include "reports/htmllistas.h"

#include "platform/regional.h"
#include "platform/vbtext.h"
#include "reports/escritores.h"

namespace reports {

using platform::Decimal;

namespace {

constexpr int PorFila = 4;

// The table of one layout: four results to a row, each given as its cells.
Decimal escribeListas(PaginaHtml& pagina, Registro& rs, const QString& ancho, int columnaMonto,
                      bool conJugada)
{
    Decimal total;
    while (!rs.eof()) {
        pagina.inicioFila();
        for (int i = 0; i < PorFila && !rs.eof(); ++i, rs.moveNext()) {
            pagina.celda(ancho, contenidoValor(rs.value(0)));
            if (conJugada)
                pagina.celda(ancho, contenidoTexto(platform::vb::left(textoValor(rs.value(6)), 3)));
            pagina.celda(ancho, contenidoMontoSimple(rs.value(columnaMonto)));
            total += importe(rs.value(columnaMonto));
        }
        pagina.finFila();
    }
    pagina.finTabla();
    pagina.espaciador();
    return total;
}

QStringList repetidos(const QStringList& textos)
{
    QStringList todos;
    for (int i = 0; i < PorFila; ++i)
        todos << textos;
    return todos;
}

} // namespace

void paginaListas(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                  const QString& linea2, const QString& linea3, const QString& tipojugada,
                  const QString& linea4, const QString& borde, const QString& nombrebanca)
{
    pagina.principio({QStringLiteral("REPORTE DE LISTAS "),
                      nombrebanca,
                      {linea1, linea2 + QStringLiteral(" , ") + linea3, linea4}});
    pagina.espaciador();

    const QString ancho = anchura(100, 8);
    FormaTabla forma;
    forma.blancosAntesDeWidth = 2;
    const QString numero = QStringLiteral("Núm");
    const QString monto = QStringLiteral("Monto");
    const QString etiqueta = QStringLiteral("TOTAL VENTA   BS: ");
    if (tipojugada == QLatin1String("1") || tipojugada == QLatin1String("2") ||
        tipojugada == QLatin1String("5")) {
        pagina.inicioTabla(borde, forma);
        filaEncabezados(pagina, ancho, repetidos({numero, monto}));
        const Decimal total = escribeListas(pagina, rs, ancho, tipojugada == QLatin1String("5") ? 3 : 4,
                                            false);
        pagina.parrafoTotal(etiqueta, total);
        pagina.fin();
    } else if (tipojugada == QLatin1String("3") || tipojugada == QLatin1String("4")) {
        pagina.inicioTabla(borde, forma);
        filaEncabezados(pagina, anchura(100, 6), repetidos({numero, QStringLiteral("Jug"), monto}));
        const Decimal total = escribeListas(pagina, rs, ancho, 5, true);
        pagina.linea(QStringLiteral("<p align=\"center\"><font size=\"4\"><b>") + etiqueta +
                     platform::regional::formatAmount(total) + QStringLiteral("</b></font></p>"));
        pagina.fin();
    }
    // Any other play type: the page ends after its header lines.
}

void htmllistas(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                const QString& linea3, const QString& tipojugada, const QString& linea4, const QString& borde)
{
    publica([&](PaginaHtml& p, const QString& banca) {
        paginaListas(p, rs, linea1, linea2, linea3, tipojugada, linea4, borde, banca);
    });
}

QString lineaVendedorListas(const QString& textoVendedor)
{
    const QString vendedor = platform::vb::rtrim(textoVendedor);
    return vendedor.isEmpty() ? QString() : QStringLiteral("Vendedor: ") + vendedor;
}

} // namespace reports
