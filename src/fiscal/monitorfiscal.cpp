#include "fiscal/monitorfiscal.h"

#include "platform/regional.h"
#include "platform/vbtext.h"

namespace fiscal::monitor {

using platform::Decimal;
using platform::vb::rtrim;

namespace {

const QString Tab = QStringLiteral("\t");
const QString Regla = QString(80, u'-');
constexpr int AnchoVendedor = 40;
constexpr int AnchoImpuesto = 10;

QString ajusta(const QString& texto, int ancho)
{
    return texto.left(ancho).leftJustified(ancho, u' ');
}

QString textoPorcentaje(const Decimal& porcentaje)
{
    return platform::regional::numberText(porcentaje).trimmed();
}

} // namespace

QStringList encabezado(bool periodo)
{
    QString columnas = QStringLiteral("     Vendedor      ") + Tab + Tab + Tab + QStringLiteral("Venta") +
                       Tab + Tab + QStringLiteral("Premios");
    if (periodo)
        columnas += Tab + QStringLiteral("Fecha");
    return {QStringLiteral("Monitor Fiscal - SENIAT"),
            QStringLiteral("Impuestos Calculados en base a Ventas y Premios - Quorvelin 2007"),
            QStringLiteral(" "),
            QStringLiteral(" "),
            columnas,
            Regla};
}

QString etiquetaVendedor(const QString& vendedor, const QString& nombre)
{
    return ajusta(rtrim(vendedor + QStringLiteral(" - ") + rtrim(nombre)), AnchoVendedor);
}

QString textoImporte(const Decimal& valor)
{
    if (platform::regional::format(valor, QStringLiteral("###,###")).trimmed().isEmpty())
        return QStringLiteral("0");
    return platform::regional::formatAmount(valor).trimmed();
}

Decimal importe(const Grupo& grupo, const Impuesto& impuesto)
{
    const Decimal& base = impuesto.aplica == QLatin1String("Venta") ? grupo.venta : grupo.premios;
    return (base * impuesto.porcentaje).dividedBy(Decimal(100), 2);
}

QStringList lineas(const QList<Grupo>& grupos, const ImpuestosPorVendedor& impuestos, bool periodo)
{
    QStringList out = encabezado(periodo);
    Decimal general;
    for (const Grupo& g : grupos) {
        QString linea = etiquetaVendedor(g.vendedor, g.nombre) + Tab + textoImporte(g.venta) + Tab + Tab +
                        textoImporte(g.premios);
        if (periodo)
            linea += Tab + g.fecha;
        out << linea << Regla;
        Decimal total;
        for (const Impuesto& i : impuestos.value(g.vendedor)) {
            const Decimal monto = importe(g, i);
            out << Tab + ajusta(rtrim(i.descripcion.left(AnchoImpuesto)), AnchoImpuesto) + Tab +
                       QStringLiteral("(") + textoPorcentaje(i.porcentaje) + QStringLiteral("% por ") +
                       i.aplica.trimmed() + QStringLiteral(")") + Tab + textoImporte(monto);
            total += monto;
        }
        if (total > Decimal())
            out << Tab + Tab + QStringLiteral("Total Bs. ") + Tab + Tab + textoImporte(total) << Regla;
        general += total;
    }
    if (general > Decimal())
        out << Tab + QStringLiteral("Total Gral. Bs. ") + Tab + Tab + textoImporte(general);
    return out;
}

} // namespace fiscal::monitor
