#pragma once
// Helpers of the writers' tests: result sets shaped by column position
// (fields named c0, c1… unless a name is given; amounts as exact numbers)
// and the lines of a page.

#include "registros.h"
#include "reports/plantillahtml.h"

#include <QHash>
#include <QSet>

namespace testsupport {

inline platform::db::RecordSet porPosicion(int columnas, const QSet<int>& numericas,
                                           const QList<QVariantList>& filas,
                                           const QHash<int, QString>& nombres = {})
{
    QList<CampoPrueba> campos;
    for (int i = 0; i < columnas; ++i)
        campos.append(
            {nombres.value(i, QStringLiteral("c%1").arg(i)),
             numericas.contains(i) ? platform::db::DataType::Numeric : platform::db::DataType::VarChar});
    return registros(campos, filas);
}

inline QStringList lineasDe(const reports::PaginaHtml& pagina)
{
    QStringList l = pagina.texto().split(QStringLiteral("\r\n"));
    l.removeLast();
    return l;
}

// How many lines of the page hold `fragmento`.
inline qsizetype lineasCon(const reports::PaginaHtml& pagina, const QString& fragmento)
{
    return lineasDe(pagina).filter(fragmento).size();
}

// The contents of the bold amount cells of the page, in order.
inline QStringList montosResaltados(const reports::PaginaHtml& pagina)
{
    QStringList montos;
    const QString marca = QStringLiteral("color = 'black'> <b>");
    for (const QString& l : lineasDe(pagina)) {
        const qsizetype i = l.indexOf(marca);
        if (i >= 0)
            montos << l.mid(i + marca.size(), l.indexOf(QStringLiteral("</b>"), i) - i - marca.size());
    }
    return montos;
}

} // namespace testsupport
