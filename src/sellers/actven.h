#pragma once
// The seller record as the seller editor sends it, and the calls that
// write and list sellers: ACTVEN (add and modify), LIST_VEN and Borreven.

#include "core/parametrosventa.h"

#include "platform/db/command.h"
#include "platform/db/recordset.h"

#include <QList>
#include <QString>

namespace sellers {

// One seller as the editor holds it: the texts of its boxes, after the
// save's own normalisation (empty boxes "0", empty expiry days "5").
struct RegistroVendedor {
    QString codigo; // sent untrimmed: the editor checks its 5 characters
    QString nombre;
    QString direccion;
    QString telefono;
    QString clave;
    QString email;
    QString estado;   // the status list's text: its first character is sent
    QString tipopago; // the payment-mode list's text: its first character
    QString grupo;    // the chief list's text: its first word ("" a chief)
    QString diascaduca;
    QString comisionjefe;
    QString impuesto;
    QString alcaldia; // the municipality list's text: its first word
    QString rif;
    QString nit;
    core::TextosVenta montos; // normal, digit and pair blocks with the comodin amount
    QString pagacomodin = QStringLiteral("N");
    QString gobernacion; // the region list's text: its first word
};

// The record of the list's current row (LIST_VEN), every value in the
// text the catalogue shows (amounts with the regional decimal comma, a NULL
// as ""); the chief, municipality and region as their "code …" texts; the
// comodin flag "N" only when stored "N".
RegistroVendedor registrodefila(const platform::db::RecordSet& fila);

// The save's normalisation of the boxes, in the editor's order: every
// empty text but R.I.F., N.I.T. and the expiry days becomes "0" (a box of
// blanks is not empty); empty expiry days become "5"; a tax of blanks
// becomes "0". The editor shows the record afterwards.
void rellenavacios(RegistroVendedor& vendedor);

// The block's parameters in ACTVEN's order (decimal 9,3): digit, pairs,
// normal.
const QList<core::ParametroVenta>& parametrosventaactven();

// ACTVEN to add ("1") or modify ("2"): 45 parameters, time-out 900. Every
// amount goes with its "." turned into "," for the regional reading, so a
// typed 12.5 arrives as 12.5 and the catalogue's 12,5 as well: the block,
// the comodin amount, and also the chief's commission, the tax and the
// expiry days. A chief's commission of blanks only is sent as 0.
platform::db::Command comandoactven(const RegistroVendedor& vendedor, const QString& modo);

// "LIST_VEN": every seller with his whole record.
platform::db::RecordSet listavendedores();
// "Borreven 'code'": deletes the seller or raises the server's refusal.
void eliminavendedor(const QString& codigo);

} // namespace sellers
