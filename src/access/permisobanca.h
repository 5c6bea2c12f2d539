#pragma once
// permisobanca, "Permisos Operador": the main-menu entries one head-office
// operator may open (his permisooperador). The operators window writes the
// operator code into Label2. The read is "DSPOPR '3', code"; "Aceptar"
// stores the whole string with ACTOPR mode "4", which leaves the
// operator's name and password as they are. A change reaches the main
// menu at the operator's next login.

#include "access/editorpermisos.h"

namespace acceso {

class permisobanca : public editorpermisos {
    Q_OBJECT
public:
    permisobanca();

protected:
    QString leeCadena(const QString& codigo) override;
    QString guardaCadena(const QString& codigo, const QString& cadena) override;
};

} // namespace acceso
