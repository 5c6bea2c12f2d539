#include "reports/tablahtml.h"

namespace reports {

using platform::Decimal;

namespace {

// A field read by position or by name.
struct Campo {
    int posicion = -1;
    QString nombre;

    QVariant valor(const Registro& rs) const { return posicion >= 0 ? rs.value(posicion) : rs.value(nombre); }
};

Celda celdaDe(Campo campo, QString (*contenido)(const QVariant&, int), int tamano)
{
    return [campo = std::move(campo), contenido, tamano](const Registro& rs) {
        return std::optional<QString>(contenido(campo.valor(rs), tamano));
    };
}

} // namespace

int escribeTabla(PaginaHtml& pagina, const Tabla& tabla, Registro& rs, const QString& borde)
{
    pagina.inicioTabla(borde, tabla.forma);
    pagina.inicioFila();
    for (const Columna& columna : tabla.columnas)
        pagina.celdaEncabezado(tabla.ancho, columna.encabezado);
    pagina.finFila();

    QList<Decimal> sumas(tabla.sumas.size());
    int filas = 0;
    while (!rs.eof()) {
        pagina.inicioFila();
        for (const Columna& columna : tabla.columnas) {
            if (const std::optional<QString> contenido = columna.celda(rs))
                pagina.celda(tabla.ancho, *contenido);
        }
        for (qsizetype i = 0; i < tabla.sumas.size(); ++i) {
            if (const std::optional<Decimal> sumando = tabla.sumas[i].sumando(rs))
                sumas[i] = sumas[i] + *sumando;
        }
        rs.moveNext();
        pagina.finFila();
        ++filas;
    }
    pagina.finTabla();
    pagina.espaciador();
    for (qsizetype i = 0; i < tabla.sumas.size(); ++i)
        pagina.parrafoTotal(tabla.sumas[i].etiqueta, sumas[i]);
    return filas;
}

Celda celdaTexto(int columna, int tamano)
{
    return celdaDe({columna, {}}, contenidoValor, tamano);
}

Celda celdaTexto(const QString& columna, int tamano)
{
    return celdaDe({-1, columna}, contenidoValor, tamano);
}

Celda celdaMonto(int columna, int tamano)
{
    return celdaDe({columna, {}}, contenidoMonto, tamano);
}

Celda celdaMontoSimple(int columna, int tamano)
{
    return celdaDe({columna, {}}, contenidoMontoSimple, tamano);
}

Sumando sumaDe(int columna)
{
    return [columna](const Registro& rs) { return std::optional<Decimal>(montoOCero(rs.value(columna))); };
}

} // namespace reports
