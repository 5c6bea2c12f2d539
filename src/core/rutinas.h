#pragma once
// Small routines every window shares: text conversions of decimal
// separators, the thousands grouping of the live monitor, the code of a list
// item, and the decoding of the stored database credentials.

#include <QString>

namespace core {

// Every "," becomes "." (amounts read from the server, text calls).
QString comaapunto(const QString& texto);
// Every "." becomes "," (amounts sent as typed numeric parameters).
QString puntoacoma(const QString& texto);
// Every "." is removed.
QString quitapuntos(const QString& texto);
// The characters before the first blank; the whole text when it has none.
QString primerapalabra(const QString& texto);
// Groups the characters of the value, blanks around it dropped, in threes
// from the right with ",": "1234567" -> "1,234,567". Any character counts.
QString separamiles(const QString& valor);

// The settings file (DUROZ.INI): leeini gives the key's value, at most 254
// characters, or an empty text when the file, section or key is missing;
// escribeini creates the file and the section when missing. Its result is
// not looked at, as callers never did.
QString leeini(const QString& archivo, const QString& seccion, const QString& clave);
void escribeini(const QString& archivo, const QString& seccion, const QString& clave, const QString& valor);

// The stored credentials are lists of decimal character codes (ANSI code
// page), each followed by "/": codigosatexto turns them into characters (a
// code after the last "/" is dropped), restaposicion lowers character i by i
// (1-based).
QString codigosatexto(const QString& codigos);
QString restaposicion(const QString& texto);
// restaposicion(codigosatexto(codigos)): what a connection string carries.
QString decodificacredencial(const QString& codigos);

} // namespace core
