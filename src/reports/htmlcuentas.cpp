#include "reports/htmlcuentas.h"

#include "platform/db/dberror.h"
#include "platform/vbtext.h"
#include "reports/escritores.h"

namespace reports {

namespace {

// A named column as text, which a NULL cannot be.
QString textoRequerido(const Registro& rs, const QString& nombre)
{
    const QVariant valor = rs.value(nombre);
    if (valor.isNull())
        throw platform::db::DbError::wrongType(nombre + QStringLiteral(" es nulo"));
    return textoValor(valor);
}

} // namespace

void paginaCuentas(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                   const QString& linea2, const QString& borde, const QString& detalle,
                   const QString& nombrebanca)
{
    pagina.principio(
        {QStringLiteral("ESTADO DE CUENTAS BANCARIAS"), nombrebanca, segundaSiNoVacia(linea1, linea2)});
    pagina.espaciador();

    const QString anchoDescripcion = anchura(25, 1);
    const QString ancho = anchura(100, detalle == QLatin1String("1") ? 5 : 6);
    const Celda cuenta = celdaCodigoNombre(QStringLiteral("nombre_banco"), 1);
    pagina.inicioTabla(borde);
    if (detalle == QLatin1String("0")) {
        filaEncabezados(pagina, ancho,
                        {QStringLiteral("Cuenta"), QStringLiteral("Nro. Cuenta"), QStringLiteral("Saldo")});
        escribeFilas(pagina, rs, {{ancho, cuenta}, {ancho, celdaTexto(2, 1)}, {ancho, celdaMonto(3)}});
    } else {
        QList<Encabezado> encabezados;
        for (const QString& texto : {QStringLiteral("Cuenta"), QStringLiteral("Nro. Cuenta"),
                                     QStringLiteral("Vendedor"), QStringLiteral("FECHA")})
            encabezados.append({ancho, negrita(texto)});
        encabezados.append({anchoDescripcion, negrita(QStringLiteral("Movimiento"))});
        encabezados.append({ancho, negrita(QStringLiteral("Monto Mov."))});
        filaEncabezados(pagina, encabezados);
        const Celda vendedor = [](const Registro& r) {
            return std::optional<QString>(contenidoTexto(
                platform::vb::trim(textoRequerido(r, QStringLiteral("vendedor"))) + QStringLiteral(" - ") +
                    platform::vb::rtrim(textoRequerido(r, QStringLiteral("nombre_vend"))),
                1));
        };
        escribeFilas(pagina, rs,
                     {{ancho, cuenta},
                      {ancho, celdaTexto(QStringLiteral("nro_cuenta"), 1)},
                      {ancho, vendedor},
                      {ancho, celdaTexto(QStringLiteral("fecha_mov"), 1)},
                      {anchoDescripcion, celdaTexto(QStringLiteral("descri_mov"), 1)},
                      {ancho, celdaTexto(QStringLiteral("montocuenta"), 1)}});
    }
    pagina.finTabla();
    pagina.espaciador();
    pagina.fin();
}

void htmlcuentas(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                 const QString& borde, const QString& detalle)
{
    publica([&](PaginaHtml& p, const QString& banca) {
        paginaCuentas(p, rs, linea1, linea2, borde, detalle, banca);
    });
}

} // namespace reports
