#pragma once
// The three permission strings of the system, each a list of fixed items
// whose marked codes are written in list order:
// - permisooperador (an operator's main-menu entries): two-character codes
//   each followed by "-", as "01-05-F1-";
// - permisos (a sale-point user's point-of-sale functions): four-character
//   codes run together, as "F2-CF4-P";
// - permisovendedor (a seller's query-program functions): as the operator's.
// A code is granted when it occurs anywhere in the string (case counts);
// the codes are chosen so that none is ever found across the boundary of
// two stored codes, so the search finds exactly the stored codes, in any
// order they were stored.

#include <QList>
#include <QString>
#include <QStringList>

namespace acceso {

struct ItemPermiso {
    QString codigo; // what the string stores
    QString texto;  // the list item the operator marks
};

struct FormatoPermisos {
    QList<ItemPermiso> items;
    QString separador; // written after each code ("-" or nothing)

    // The texts of the items, in list order.
    QStringList textos() const;
    // The string of the marked positions (true = marked), in list order.
    QString construye(const QList<bool>& marcas) const;
    // Which items the stored string grants, in list order.
    QList<bool> lee(const QString& cadena) const;
};

// The formats of the three windows.
const FormatoPermisos& permisooperador();
const FormatoPermisos& permisos();
const FormatoPermisos& permisovendedor();

} // namespace acceso
