#pragma once
// The lottery record as the windows send it, and the calls that write and
// list it: ACTLOT (add and modify from the lottery editor, delete from the
// catalogue, each with its own parameter list) and DSPLOT.

#include "core/parametrosventa.h"

#include "platform/db/command.h"
#include "platform/db/recordset.h"

#include <QString>
#include <QStringList>

namespace lotteries {

// One lottery as a window holds it: texts of its boxes, "S"/"N" switches.
struct RegistroLoteria {
    QString codigo;           // as typed; trimmed when sent
    QString nombre;           // right-trimmed when sent
    core::TextosVenta montos; // the sale-parameter block with the comodin amount
    QString impuesto;         // "% Imp. Operadora"
    QStringList dias;         // Monday … Sunday: "S" / "N"
    QStringList horas;        // Monday … Sunday: "HH:MM:SS"
    QString juegaespecial = QStringLiteral("N");
    QString juegapar = QStringLiteral("N");
    QString juegadigito = QStringLiteral("N");
    QString jueganormal = QStringLiteral("N");
    QString pagacomodin = QStringLiteral("N");
    QString junta;     // the board list's text: "code - name"
    QString operadora; // the operator list's text
};

// The block's parameters in ACTLOT's order (decimal 9,3; the first terminal
// prize 18,3).
const QList<core::ParametroVenta>& parametrosventaactlot();

// ACTLOT to add ("1") or modify ("2"): 51 parameters, time-out 900. Every
// amount, the tax percentage included, goes with its "." as the decimal
// point (typed 12.5 arrives as 12.5); board and operator are the first three
// characters of their lists' texts.
platform::db::Command comandograbaloteria(const RegistroLoteria& loteria, const QString& modo);
// ACTLOT to delete ("3"): 49 parameters, the amounts as numeric 9,0 (the
// number each text begins with), fixed days, hours, state and switches.
platform::db::Command comandoeliminaloteria(const RegistroLoteria& loteria);

// "DSPLOT '0', 'code'": every lottery, after a change of that code.
platform::db::RecordSet listaloterias(const QString& codigo);

} // namespace lotteries
