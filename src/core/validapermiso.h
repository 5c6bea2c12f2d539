#pragma once
// The permission check of the main menu's entries.

#include <QString>

namespace core {

// True when the first two characters of `vcajatexto` (an entry's caption,
// whose first two characters are its permission code) occur anywhere in
// `permisos`, case counting. An empty permission string denies everything.
bool validapermiso(const QString& vcajatexto, const QString& permisos);

// The same against the logged-in operator's permissions (permisoactual).
bool validapermiso(const QString& vcajatexto);

} // namespace core
