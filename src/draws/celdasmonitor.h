#pragma once
// How a monitor window lays out what monitoronline answers: the amount of a
// row, the text of its cell, the lines of cells and the total. Pure
// functions, so that every case of the layout is tested without a window.
//
// Amounts are exact decimals taken from the server's numbers, and cells and
// total share one rendering (formatAmount: "1.500,50"), whatever the
// machine's decimal mark.

#include "platform/decimal.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform::db {
class RecordSet;
}

namespace draws {

// One row of monitoronline, NULL amounts as 0.
struct FilaMonitor {
    QString numero;                   // Numero_normal
    platform::Decimal montoNormal;    // xMonto_Normal
    platform::Decimal montoEspecial;  // xMontoespecial: not 0 makes a special row
    platform::Decimal montoDigito;    // xMonto_Digito
    platform::Decimal digitoEspecial; // Monto_Digito
    QString descjugada;
};

// The current row of a monitoronline result.
FilaMonitor leeFilaMonitor(const platform::db::RecordSet& rs);

// A row's cell: its text, its amount, and whether it is a special cell.
struct CeldaMonitor {
    QString texto;
    platform::Decimal monto;
    bool especial = false;
};

// The amount the row stands for: a normal row its normal amount (its digit
// amount when the number begins with "**"), a special row its special
// amount (its special digit amount for "**").
platform::Decimal importeFila(const FilaMonitor& fila);

// The row's cell; none when its amount is 0 or less.
std::optional<CeldaMonitor> celdaMonitor(const FilaMonitor& fila);

// The list lines of the cells, at most `columnas` cells a line, and their
// total. Every cell is followed by a tab; a normal cell added to the line
// being built also by a blank. The line being built is always the last line
// (empty when no cell had an amount). With 0 columns the first line is empty
// and every cell stands alone.
struct DisposicionMonitor {
    QStringList lineas;
    platform::Decimal total;
};
DisposicionMonitor disponeMonitor(const QList<FilaMonitor>& filas, int columnas);

// The play type's name in the totals bar ("1" "Triples" … "5" "Digito";
// empty for any other code).
QString nombreTipoMonitor(const QString& tipo);

// The totals bar text: the total, " - " and the type's name.
QString textoTotalMonitor(const platform::Decimal& total, const QString& tipo);

} // namespace draws
