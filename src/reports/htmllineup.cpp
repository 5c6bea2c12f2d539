#include "reports/htmllineup.h"

#include "platform/regional.h"
#include "reports/escritores.h"

namespace reports {

using platform::Decimal;

void paginaLineUp(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                  const QString& linea2, const QString& borde, const QString& nombrebanca)
{
    pagina.principio(
        {QStringLiteral("REPORTE DE LINE UP"), nombrebanca, {linea1, linea2}, Comillas::Simples});
    pagina.espaciador();

    const QString ancho = anchura(70, rs.fieldCount(), true);
    pagina.inicioTabla(borde);
    filaEncabezados(pagina, ancho,
                    {QStringLiteral("Vendedor      "), QStringLiteral("Ult. Fecha    "),
                     QStringLiteral("Saldo Ant.    "), QStringLiteral("Cuenta Fec.   "),
                     QStringLiteral("Cobros        "), QStringLiteral("Pagos         "),
                     QStringLiteral("Salto Actual. "), QStringLiteral("S. Prestamo.  "),
                     QStringLiteral("Salto General.")});

    constexpr int PrimeraSumada = 3;
    constexpr int UltimaSumada = 9;
    QList<Decimal> sumas(UltimaSumada - PrimeraSumada + 1);
    QList<ColumnaAncha> columnas;
    for (int columna = 1; columna < rs.fieldCount(); ++columna)
        columnas.append({ancho, celdaTexto(columna)});
    escribeFilas(pagina, rs, columnas, [&](const Registro& r) {
        for (int i = 0; i < sumas.size(); ++i)
            sumas[i] += importe(r.value(PrimeraSumada + i));
    });

    pagina.inicioFila();
    for (int i = 0; i < 2; ++i)
        pagina.celda(ancho, contenidoTexto(QStringLiteral("- -")));
    for (const Decimal& suma : sumas)
        pagina.celda(ancho, contenidoTexto(platform::regional::numberText(suma)));
    pagina.finFila();
    pagina.finTabla();
    pagina.espaciador();
    pagina.fin();
}

void htmllineup(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                const QString& borde)
{
    publica([&](PaginaHtml& p, const QString& banca) { paginaLineUp(p, rs, linea1, linea2, borde, banca); });
}

} // namespace reports
