#include "reports/htmltotalesfecha.h"

#include "reports/escritores.h"

#include <array>

namespace reports {

using platform::Decimal;

void paginaTotalesFecha(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                        const QString& borde, const QString& nombrebanca)
{
    pagina.principio({QStringLiteral("RESULTAODS TOTALES"), nombrebanca, {linea1}});
    pagina.espaciador();

    const QString ancho = anchura(100, 5);
    pagina.inicioTabla(borde);
    filaEncabezados(pagina, ancho,
                    {QStringLiteral("FECHA"), QStringLiteral("VENTA"), QStringLiteral("COMISION"),
                     QStringLiteral("PREMIOS"), QStringLiteral("TOTAL")});
    // A NULL added to a sum leaves it NULL.
    std::array<std::optional<Decimal>, 4> sumas{Decimal(), Decimal(), Decimal(), Decimal()};
    QList<ColumnaAncha> columnas{{ancho, celdaTexto(0, 1)}};
    for (int columna = 1; columna <= 4; ++columna)
        columnas.append({ancho, celdaMontoSimple(columna)});
    escribeFilas(pagina, rs, columnas, [&](const Registro& r) {
        for (int i = 0; i < 4; ++i) {
            const std::optional<Decimal> valor = monto(r.value(i + 1));
            sumas[i] = sumas[i] && valor ? std::optional<Decimal>(*sumas[i] + *valor) : std::nullopt;
        }
    });
    pagina.finTabla();
    pagina.espaciador();

    escribeTotalGeneral(pagina, borde,
                        {.forma = {.blancosAntesDeWidth = 2},
                         .anchoPrimera = ancho,
                         .anchoResto = ancho,
                         .encabezadoPrimera = QStringLiteral("TOTAL"),
                         .celdas = contenidosImporte({sumas.begin(), sumas.end()})});
    pagina.fin();
}

void htmltotalesfecha(platform::db::RecordSet& rs, const QString& linea1, const QString& borde)
{
    publica([&](PaginaHtml& p, const QString& banca) { paginaTotalesFecha(p, rs, linea1, borde, banca); });
}

} // namespace reports
