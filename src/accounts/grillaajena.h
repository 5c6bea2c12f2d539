#pragma once
// The text of a column in the current row of another window's grid, read
// by the window's registered name: the line-up windows (Form51, Form26)
// belong to another library, so they are reached through the registry.

#include <QString>

namespace accounts {

// How the window is found: only when it is open, or created and loaded
// (hidden) when it is not.
enum class Busqueda { SoloAbierta, CargaSiFalta };

// The text of column `columna` of the current row of the first grid of the
// window `ventana`; "" when the window, its grid or a current row is
// missing.
QString columnaGrilla(const QString& ventana, int columna, Busqueda busqueda);

} // namespace accounts

#include <QDate>

namespace accounts {

// The date of the first date picker of the window `ventana`, created and
// loaded (hidden) when it is not open; a null date when there is no such
// window or picker.
QDate fechaVentana(const QString& ventana);

} // namespace accounts
