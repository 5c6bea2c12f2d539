#pragma once
// permisoespejo, "Permisos Consulta": the query-program functions one
// seller may use (his permisovendedor). The sellers window writes
// "code - name" into Label2; the window keeps editing that seller whatever
// the sellers window does meanwhile. The read is "DSPVen '6', code";
// "Aceptar" stores the whole string with DSPVEN mode "7", which changes
// nothing else of the seller.

#include "access/editorpermisos.h"

namespace acceso {

class permisoespejo : public editorpermisos {
    Q_OBJECT
public:
    permisoespejo();

protected:
    QString leeCadena(const QString& codigo) override;
    QString guardaCadena(const QString& codigo, const QString& cadena) override;
};

} // namespace acceso
