#include "reports/htmlpremiosnumero.h"

#include "reports/escritores.h"

namespace reports {

void paginaPremiosNumero(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                         const QString& linea2, const QString& borde, const QString& nombrebanca)
{
    pagina.principio(
        {QStringLiteral("REPORTE DE PREMIOS POR NÚMERO"), nombrebanca, segundaSiNoVacia(linea1, linea2)});
    pagina.espaciador();

    Tabla tabla;
    tabla.ancho = anchura(100, 4);
    tabla.columnas = {{QStringLiteral("VENDEDOR"), celdaCodigoNombre(QStringLiteral("nombre_vend"), 1)},
                      {QStringLiteral("Número"), celdaTexto(3, 1)},
                      {QStringLiteral("Monto Normal"), celdaTexto(4, 1)},
                      {QStringLiteral("Monto Especial"), celdaMonto(6)},
                      {QStringLiteral("Premio"), celdaMonto(5)}};
    tabla.sumas = {{QStringLiteral("TOTAL PREMIOS BS: "), sumaDe(5)}};
    escribeTabla(pagina, tabla, rs, borde);
    pagina.fin();
}

void htmlpremiosnumero(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                       const QString& borde)
{
    publica([&](PaginaHtml& p, const QString& banca) {
        paginaPremiosNumero(p, rs, linea1, linea2, borde, banca);
    });
}

} // namespace reports
