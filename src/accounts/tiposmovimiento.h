#pragma once
// The movement types and payment kinds the movement editors offer, the
// installation rule that withholds the loan types, and the amount box's
// key filters.

#include <QString>
#include <QStringList>

namespace accounts {

// "0.- Pago Vendedor a Duroz" … "4.- Couta diaria Presamo": the five types
// an editor may send (type 5 only reaches an editor to be modified).
const QStringList& tiposmovimiento();
// "0 - Efectivo", "1 - Cheque", "2 - Baucher".
const QStringList& tipospago();

// Whether the loan types (2, 3 and 4) are offered to operator `usuario` on
// database `basedatos`. Configuration: DUROZ_PRESTAMOS_BASES names, comma
// separated, the databases where only the operators listed in
// DUROZ_PRESTAMOS_OPERADORES get them; both compare exactly (case
// matters). Their defaults, "quilmara,Quilmara,QUILMARA" and
// "VAMO7,vamo7,Vamo7", give the house's own rule (loans only on its loan databases, only by its loan
// officers); an empty DUROZ_PRESTAMOS_BASES offers them everywhere.
bool ofrecePrestamos(const QString& basedatos, const QString& usuario);

// The key code the movement editor's amount box lets through for its text
// (0: dropped; "." comes back as ","): digits, Backspace, Enter and "-"
// pass; "." becomes ","; "-" and that "," are dropped while the box holds a
// "-" or a ","; anything else, a typed "," too, is dropped.
int filtromontocoma(const QString& texto, int tecla);
// The older dialog's: digits, Backspace and Enter pass; "." and "-" only
// while the box holds neither; anything else is dropped.
int filtromontopunto(const QString& texto, int tecla);

} // namespace accounts
