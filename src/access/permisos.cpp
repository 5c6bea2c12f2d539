#include "access/permisos.h"

namespace acceso {

namespace {

// Items whose code is the first two characters of their text, each
// followed by "-".
FormatoPermisos dosCaracteres(const QStringList& textos)
{
    FormatoPermisos formato;
    formato.separador = QStringLiteral("-");
    for (const QString& texto : textos)
        formato.items.append({texto.trimmed().left(2), texto});
    return formato;
}

} // namespace

QStringList FormatoPermisos::textos() const
{
    QStringList lista;
    for (const ItemPermiso& item : items)
        lista << item.texto;
    return lista;
}

QString FormatoPermisos::construye(const QList<bool>& marcas) const
{
    QString cadena;
    for (qsizetype i = 0; i < items.size() && i < marcas.size(); ++i)
        if (marcas[i])
            cadena += items[i].codigo + separador;
    return cadena;
}

QList<bool> FormatoPermisos::lee(const QString& cadena) const
{
    QList<bool> marcas;
    for (const ItemPermiso& item : items)
        marcas << cadena.contains(item.codigo, Qt::CaseSensitive);
    return marcas;
}

const FormatoPermisos& permisooperador()
{
    static const FormatoPermisos formato = dosCaracteres({
        QStringLiteral("01 .- Jugadas Especiales"),
        QStringLiteral("02 .- Impuestos"),
        QStringLiteral("03 .- Vendedores"),
        QStringLiteral("04 .- Detalles de Jugadas"),
        QStringLiteral("05 .- Seriales Taquilla"),
        QStringLiteral("06 .- Usuarios"),
        QStringLiteral("07 .- Loterias"),
        QStringLiteral("08 .- Ajustar Parametros"),
        QStringLiteral("09 .- Operadores Duroz"),
        QStringLiteral("10 .- Alcaldias"),
        QStringLiteral("11 .- Regiones"),
        QStringLiteral("12 .- Parametros Globales"),
        QStringLiteral("13 .- Bloqueo de Números"),
        QStringLiteral("14 .- Premiación"),
        QStringLiteral("15 .- Line Up"),
        QStringLiteral("16 .- Procesar Resultados"),
        QStringLiteral("17 .- Monitoreo"),
        QStringLiteral("18 .- Correo Electronico"),
        QStringLiteral("19 .- Reporte de Punto de Venta"),
        QStringLiteral("20 .- Reporte Monitor Fiscal"),
        QStringLiteral("21 .- Reporte Resultados Vendedores"),
        QStringLiteral("22 .- Reporte de Listas"),
        QStringLiteral("23 .- Reporte Line-Up"),
        QStringLiteral("24 .- Reporte Mov. Administrativos"),
        QStringLiteral("25 .- Reporte Consolida Gastos/Jugadas"),
        QStringLiteral("26 .- Reporte de Estado de Cuentas Bancarias"),
        QStringLiteral("27 .- Reporte de Premiacion por número"),
        QStringLiteral("28 .- Reporte de Conexiones Activas"),
        QStringLiteral("F10 .- Mensajeria"),
    });
    return formato;
}

const FormatoPermisos& permisos()
{
    // The codes are fixed per position, not cut from the texts.
    static const FormatoPermisos formato{
        {
            {QStringLiteral("F2-C"), QStringLiteral("F2-Consulta T.")},
            {QStringLiteral("F3-A"), QStringLiteral("F3-Anular Ticket")},
            {QStringLiteral("F4-P"), QStringLiteral("F4-Pagar Ticket")},
            {QStringLiteral("F5-C"), QStringLiteral("F5-Calculadora")},
            {QStringLiteral("F6-P"), QStringLiteral("F6-Parametros")},
            {QStringLiteral("F7-R"), QStringLiteral("F7-Reportes")},
            {QStringLiteral("F8-F"), QStringLiteral("F8-Fecha y Hora")},
            {QStringLiteral("F10-"), QStringLiteral("F10-Mensajeria")},
            {QStringLiteral("F11-"), QStringLiteral("F11-Activar Lot.")},
            {QStringLiteral("F12-"), QStringLiteral("F12-Resultados")},
            {QStringLiteral("A.-C"), QStringLiteral("A.-Cuadre de Caja")},
            {QStringLiteral("B.-T"), QStringLiteral("B.-Tickets Premiados")},
            {QStringLiteral("C.-R"), QStringLiteral("C.-Relación Final")},
            {QStringLiteral("D.-S"), QStringLiteral("D.-Saldos Operadora")},
            {QStringLiteral("R.-R"), QStringLiteral("R.-Registrar Egreso o Gasto")},
        },
        QString(),
    };
    return formato;
}

const FormatoPermisos& permisovendedor()
{
    static const FormatoPermisos formato = dosCaracteres({
        QStringLiteral("01 .- Vendedores"),
        QStringLiteral("02 .- Usuarios"),
        QStringLiteral("03 .- Seriales Taquilla"),
        QStringLiteral("04 .- Cuentas Bancarias"),
        QStringLiteral("05 .- Premiación"),
        QStringLiteral("06 .- Line Up Grupo"),
        QStringLiteral("07 .- Monitoreo"),
        QStringLiteral("08 .- Gastos / Egresos"),
        QStringLiteral("09 .- Reporte Punto de Venta"),
        QStringLiteral("10 .- Reporte Monitor Fiscal"),
        QStringLiteral("11 .- Reporte de Listas"),
        QStringLiteral("12 .- Reporte de Resultados por Vendedores"),
        QStringLiteral("13 .- Reporte de Line Up Grupo"),
        QStringLiteral("14 .- Movimientos Administrativos"),
        QStringLiteral("15 .- Saldos Operadora"),
        QStringLiteral("16 .- Reporte de Gastos/Jugada"),
        QStringLiteral("17 .- Reporte de Cuentas Bancarias"),
        QStringLiteral("F10 .- Mensajeria"),
    });
    return formato;
}

} // namespace acceso
