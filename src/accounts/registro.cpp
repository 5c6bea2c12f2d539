#include "accounts/registro.h"

#include "accounts/editagasto.h"
#include "accounts/form27.h"
#include "accounts/form50.h"
#include "accounts/mastercuenta.h"
#include "accounts/mastergastos.h"
#include "accounts/menugastos.h"
#include "accounts/reportescuentas.h"

#include "platform/ui/windowregistry.h"

namespace accounts {

void registerWindows(platform::ui::WindowRegistry& registro)
{
    registro.add<mastercuenta>(QStringLiteral("mastercuenta"));
    registro.add<editacuenta>(QStringLiteral("editacuenta"));
    registro.add<mastergastos>(QStringLiteral("mastergastos"));
    registro.add<menugastos>(QStringLiteral("menugastos"));
    registro.add<editagasto>(QStringLiteral("editagasto"));
    registro.add<rptgastojugada>(QStringLiteral("rptgastojugada"));
    registro.add<rptcuenta>(QStringLiteral("rptcuenta"));
    registro.add<Form50>(QStringLiteral("Form50"));
    registro.add<Form52>(QStringLiteral("Form52"));
    registro.add<Form27>(QStringLiteral("Form27"));
    registro.add<Form28>(QStringLiteral("Form28"));
}

} // namespace accounts
