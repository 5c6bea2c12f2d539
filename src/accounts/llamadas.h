#pragma once
// The typed calls of the seller-money procedures, built once for every
// window that sends them: the movements' list and delete (dspmov) and save
// (ACTMOV), the accounts' save and delete (ACTcuentas), the expenses' list
// (dspgastos) and save and delete (ACTGastos).
//
// Amounts travel as decimals with three places in every call, the older
// windows' included: a whole-number parameter would drop what an operator
// typed after the decimal mark. The account code travels five wide, the
// width of the account codes, so a code is never cut and booked on another
// account.

#include "platform/db/command.h"

#include <QString>
#include <QVariant>

namespace accounts {

// dspmov: mode "0" lists, "1" deletes document `documento` first. No
// command time-out (the data-access default).
platform::db::Command comandodspmov(const QString& modo, const QString& fecha, const QString& vendedor,
                                    const QString& documento);

// The five totals dspmov answers, read after its rows (NULL counts as 0).
struct TotalesMovimientos {
    QVariant pagoabanca;
    QVariant pagoavendedor;
    QVariant prestamo;
    QVariant pagocuota;
    QVariant saldoloteria;
};
TotalesMovimientos totales(const platform::db::Command& dspmov);

// A movement as the editors send it to ACTMOV.
struct Movimiento {
    QString modo; // "0" add, "1" modify
    QString documento;
    QString tipo;   // the type item, "0.- Pago Vendedor a Duroz"
    QVariant monto; // text in the regional format, or a number
    QString fecha;  // "dd/mm/yyyy"
    QString hora;   // "HH:mm:ss "
    QString vendedor;
    QString observaciones;
    QString cuenta;
    QString tipopago;
};
// ACTMOV with the editors' time-out of 900 seconds.
platform::db::Command comandoactmov(const Movimiento& m);

// ACTcuentas mode "1" add, "2" modify, "3" delete; `tiempoEspera` 900 for
// the editor's save, none (-1) for the list's delete.
platform::db::Command comandoactcuentas(const QString& modo, const QString& codigo, const QString& banco,
                                        const QString& numero, int tiempoEspera = -1);

// dspgastos of a seller and date (discount kind "0"); no return value.
platform::db::Command comandodspgastos(const QString& fecha, const QString& vendedor);

// An expense as ACTGastos takes it.
struct Gasto {
    QString modo; // "0" add, "1" modify, "2" delete
    QString numero;
    QString descripcion;
    QVariant monto;
    QString fecha;
    QString vendedor;
    QString observaciones;
};
platform::db::Command comandoactgastos(const Gasto& g, int tiempoEspera = -1);

} // namespace accounts
