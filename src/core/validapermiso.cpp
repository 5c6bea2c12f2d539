#include "core/validapermiso.h"

#include "core/sesion.h"
#include "platform/vbtext.h"

namespace core {

bool validapermiso(const QString& vcajatexto, const QString& permisos)
{
    if (permisos.isEmpty())
        return false;
    return platform::vb::instr(permisos, platform::vb::left(vcajatexto, 2)) > 0;
}

bool validapermiso(const QString& vcajatexto)
{
    return validapermiso(vcajatexto, sesion().permisoactual);
}

} // namespace core
