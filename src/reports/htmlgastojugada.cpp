#include "reports/htmlgastojugada.h"

#include "reports/escritores.h"

namespace reports {

using platform::Decimal;

void paginaGastoJugada(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                       const QString& linea2, const QString& borde, const QString& detalle,
                       const QString& nombrebanca)
{
    pagina.principio(
        {QStringLiteral("CONSOLIDACION ADMINISTRATIVA"), nombrebanca, segundaSiNoVacia(linea1, linea2)});
    pagina.espaciador();

    const QString ancho = anchura(100, 4);
    QStringList encabezados{QStringLiteral("VENDEDOR"), QStringLiteral("Saldo Jugada"),
                            QStringLiteral("Gastos/Egresos"), QStringLiteral("Saldo Total")};
    if (detalle == QLatin1String("1"))
        encabezados.insert(1, QStringLiteral("FECHA"));
    pagina.inicioTabla(borde);
    filaEncabezados(pagina, ancho, encabezados);

    // Any flag but "0" gives the dated rows, whatever the header says.
    const int jugada = detalle == QLatin1String("0") ? 1 : 2;
    QList<ColumnaAncha> columnas{{ancho, celdaCodigoNombre(QStringLiteral("nombre_vend"), 1)}};
    for (int columna = 1; columna <= jugada + 1; ++columna)
        columnas.append({ancho, celdaTexto(columna, 1)});
    columnas.append({ancho, celdaImporte([jugada](const Registro& r) -> std::optional<Decimal> {
                         const std::optional<Decimal> saldo = monto(r.value(jugada));
                         const std::optional<Decimal> gastos = monto(r.value(jugada + 1));
                         if (!saldo || !gastos)
                             return std::nullopt;
                         return *saldo - *gastos;
                     })});
    escribeFilas(pagina, rs, columnas);
    pagina.finTabla();
    pagina.espaciador();
    pagina.fin();
}

void htmlgastojugada(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                     const QString& borde, const QString& detalle)
{
    publica([&](PaginaHtml& p, const QString& banca) {
        paginaGastoJugada(p, rs, linea1, linea2, borde, detalle, banca);
    });
}

} // namespace reports
