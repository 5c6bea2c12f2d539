#include "reports/htmltotalesfecha.h"

#include "core/entregareporte.h"
#include "core/sesion.h"
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
            sumas[i] = sumas[i] && valor ? std::optional<Decimal>(*sumas[i] + *valor)
                                         : std::nullopt;
        }
    });
    pagina.finTabla();
    pagina.espaciador();

    TablaTotalGeneral general;
    general.forma.blancosAntesDeWidth = 2;
    general.anchoPrimera = ancho;
    general.anchoResto = ancho;
    general.encabezadoPrimera = QStringLiteral("TOTAL");
    general.encabezados = encabezadosImportes();
    general.celdas = contenidosImporte({sumas.begin(), sumas.end()});
    escribeTotalGeneral(pagina, borde, general);
    pagina.fin();
}

void htmltotalesfecha(platform::db::RecordSet& rs, const QString& linea1, const QString& borde)
{
    core::publicaReporte([&](PaginaHtml& p) {
        paginaTotalesFecha(p, rs, linea1, borde, core::sesion().nombrebanca);
    });
}

} // namespace reports
