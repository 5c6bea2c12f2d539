#pragma once
// estaciontrabajo: the settings of one point-of-sale workstation, kept in
// the row of every sale-point user (usuarios) and of every seller
// (vendedor) under the names of the keys of the point-of-sale settings
// file TAQUILLA.INI, so that one vocabulary serves the database, the file
// and the windows. No back-office window edits them, except the seller's
// Diascaduca (the seller editor's "Caduca Tickets").

#include <QList>
#include <QString>

namespace acceso {

struct Ajuste {
    QString columna;   // the column in usuarios and vendedor (lower case)
    QString titulo;    // the caption that names it
    QString seccion;   // its section of TAQUILLA.INI ("" when it has none)
    QString clave;     // its key there
    bool soloVendedor; // a seller's setting only
};

// Every setting in its standard order.
const QList<Ajuste>& estaciontrabajo();

// The file the point-of-sale program keeps the same settings in.
inline const QString ArchivoTaquilla = QStringLiteral("TAQUILLA.INI");

} // namespace acceso
