#pragma once
// What the group results writer reads of the seller results window Form25
// (a window of the seller results library): the text of its group box
// ELGRUPO, a group code, " - " and a name. The writer finds the window by
// its name.

#include <QString>

namespace reports {

class VentanaResultados {
public:
    virtual ~VentanaResultados() = default;
    // The shown text of the group box ELGRUPO; empty when none is chosen.
    virtual QString textoGrupo() const = 0;
};

} // namespace reports
