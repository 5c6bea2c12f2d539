#pragma once
// What the tax windows share: the length check their saves run before
// sending (a text longer than its column would otherwise be cut on its way
// to the server, and the operator would never know), the percentage as its
// box holds it, and the two list texts of where a tax applies.

#include "platform/decimal.h"

#include <QString>
#include <QStringList>

class QLineEdit;

namespace fiscal {

// Column widths of the tax tables.
inline constexpr int AnchoCodigoImpuesto = 4;
inline constexpr int AnchoDescripcionImpuesto = 30;
inline constexpr int AnchoObservacionImpuesto = 60;
inline constexpr int AnchoAplicaImpuesto = 10;
// A percentage box takes at most five characters: digits and one ".".
inline constexpr int AnchoPorcentaje = 5;

// False, after telling the operator "El campo <campo> no puede tener más de
// <ancho> caracteres", when `texto` is longer than `ancho`.
bool cabeCampo(const QString& texto, int ancho, const QString& campo);

// A percentage box: the decimal key filter and the five-character limit.
void preparaPorcentaje(QLineEdit* caja);
// The percentage a box holds: the number at the start of its text, with
// "." as the decimal point ("" and "." are 0, "12.5" is 12.5).
platform::Decimal porcentajeDe(const QString& texto);

} // namespace fiscal
