#include "draws/celdasmonitor.h"

#include "platform/db/recordset.h"
#include "platform/regional.h"
#include "platform/vbtext.h"

namespace draws {

using platform::Decimal;

namespace {

Decimal montoDe(const platform::db::RecordSet& rs, const char* campo)
{
    return platform::regional::toDecimal(rs.value(QLatin1String(campo))).value_or(Decimal());
}

bool esDigito(const QString& numero)
{
    return numero.startsWith(QStringLiteral("**"));
}

QString numeroCelda(const FilaMonitor& fila, bool especial)
{
    const QString& numero = fila.numero;
    if (esDigito(numero) || numero.startsWith(QLatin1Char('*')))
        return numero;
    const QString limpio = platform::vb::trim(numero);
    return especial ? limpio + QLatin1Char(' ') : limpio;
}

} // namespace

FilaMonitor leeFilaMonitor(const platform::db::RecordSet& rs)
{
    return {platform::regional::toText(rs.value(QStringLiteral("Numero_normal"))),
            montoDe(rs, "xMonto_Normal"),
            montoDe(rs, "xMontoespecial"),
            montoDe(rs, "xMonto_Digito"),
            montoDe(rs, "Monto_Digito"),
            platform::regional::toText(rs.value(QStringLiteral("descjugada")))};
}

Decimal importeFila(const FilaMonitor& fila)
{
    const bool especial = !fila.montoEspecial.isZero();
    if (esDigito(fila.numero))
        return especial ? fila.digitoEspecial : fila.montoDigito;
    return especial ? fila.montoEspecial : fila.montoNormal;
}

std::optional<CeldaMonitor> celdaMonitor(const FilaMonitor& fila)
{
    const Decimal monto = importeFila(fila);
    if (monto <= Decimal())
        return std::nullopt;
    const bool especial = !fila.montoEspecial.isZero();
    const QString importe = platform::regional::formatAmount(monto);
    const QString numero = numeroCelda(fila, especial) + QStringLiteral(" -> ");
    if (especial)
        return CeldaMonitor{
            numero + importe + QLatin1Char('\t') + platform::vb::trim(fila.descjugada).left(3), monto, true};
    return CeldaMonitor{numero + QStringLiteral("\t\t") + importe + QStringLiteral("   "), monto, false};
}

DisposicionMonitor disponeMonitor(const QList<FilaMonitor>& filas, int columnas)
{
    DisposicionMonitor d;
    QString linea;
    int enLinea = 0;
    for (const FilaMonitor& fila : filas) {
        const std::optional<CeldaMonitor> celda = celdaMonitor(fila);
        if (!celda)
            continue;
        d.total += celda->monto;
        if (enLinea >= columnas) {
            d.lineas << linea;
            linea = celda->texto + QLatin1Char('\t');
            enLinea = 1;
        } else {
            ++enLinea;
            linea += celda->texto + QLatin1Char('\t') + (celda->especial ? QString() : QStringLiteral(" "));
        }
    }
    d.lineas << linea;
    return d;
}

QString nombreTipoMonitor(const QString& tipo)
{
    static const QStringList nombres = {QStringLiteral("Triples"), QStringLiteral("Terminales"),
                                        QStringLiteral("Ter. Especial"), QStringLiteral("Trip. Especial"),
                                        QStringLiteral("Digito")};
    bool ok = false;
    const int n = tipo.toInt(&ok);
    return ok && tipo.size() == 1 && n >= 1 && n <= 5 ? nombres.at(n - 1) : QString();
}

QString textoTotalMonitor(const Decimal& total, const QString& tipo)
{
    return platform::regional::formatAmount(total) + QStringLiteral(" - ") + nombreTipoMonitor(tipo);
}

} // namespace draws
