#pragma once
// The fiscal monitor's lines, apart from its window: each seller-day group
// with its sales and prizes, under it the seller's own taxes (each its base
// times the seller's percentage / 100, rounded to cents, the base being the
// sales when the tax applies to "Venta" and the prizes otherwise), the
// group's total and the grand total.

#include "platform/decimal.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace fiscal::monitor {

// One seller's sales and prizes of one day.
struct Grupo {
    QString vendedor;
    QString nombre;
    platform::Decimal venta;
    platform::Decimal premios;
    QString fecha; // "dd/mm/yyyy"; shown only in a period's listing
};

// One tax of a seller.
struct Impuesto {
    QString descripcion;
    QString aplica;
    platform::Decimal porcentaje;
};

// The seller's taxes by seller code.
using ImpuestosPorVendedor = QHash<QString, QList<Impuesto>>;

// The heading lines (title to the rule); `periodo` adds the "Fecha" column.
QStringList encabezado(bool periodo);
// Every line of a listing: the heading, then each group with its taxes.
QStringList lineas(const QList<Grupo>& grupos, const ImpuestosPorVendedor& impuestos, bool periodo);

// "code - name", trailing blanks removed, cut or filled to 40 characters.
QString etiquetaVendedor(const QString& vendedor, const QString& nombre);
// "0" for an amount that shows no whole unit, otherwise "###,###0.00" in
// the program's number format.
QString textoImporte(const platform::Decimal& valor);
// The tax of one seller-day group.
platform::Decimal importe(const Grupo& grupo, const Impuesto& impuesto);

} // namespace fiscal::monitor
