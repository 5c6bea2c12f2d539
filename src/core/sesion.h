#pragma once
#include <QString>

namespace core {

// Values set at login and shared by every window.
struct Sesion {
    QString servidor;
    QString puerto = QStringLiteral("1756");
    QString basedatos;
    QString usuarioactual;
    QString nombreoperador;
    QString nombrebanca;
    QString permisoactual;
};

Sesion& sesion();

} // namespace core
