#include "core/registroreportes.h"

#include "core/form15.h"
#include "core/form24.h"
#include "core/form39.h"
#include "platform/ui/windowregistry.h"

namespace core {

void registerReportWindows(platform::ui::WindowRegistry& registro)
{
    registro.add<Form15>(QStringLiteral("Form15"));
    registro.add<Form39>(QStringLiteral("Form39"));
    registro.add<Form24>(QStringLiteral("Form24"));
}

} // namespace core
