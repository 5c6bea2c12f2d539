#include "access/registro.h"

#include "access/editaserial.h"
#include "access/form13.h"
#include "access/form31.h"
#include "access/form32.h"
#include "access/form35.h"
#include "access/form4.h"
#include "access/permisobanca.h"
#include "access/permisoespejo.h"
#include "access/registroserial.h"

#include "platform/ui/windowregistry.h"

namespace acceso {

void registerWindows(platform::ui::WindowRegistry& registry)
{
    registry.add<Form4>(QStringLiteral("Form4"));
    registry.add<Form13>(QStringLiteral("Form13"));
    registry.add<Form31>(QStringLiteral("Form31"));
    registry.add<Form32>(QStringLiteral("Form32"));
    registry.add<Form35>(QStringLiteral("Form35"));
    registry.add<permisobanca>(QStringLiteral("permisobanca"));
    registry.add<permisoespejo>(QStringLiteral("permisoespejo"));
    registry.add<registroserial>(QStringLiteral("registroserial"));
    registry.add<editaserial>(QStringLiteral("editaserial"));
}

} // namespace acceso
