#include "sellerparams/registro.h"

#include "sellerparams/form12.h"
#include "sellerparams/form16.h"
#include "sellerparams/form44.h"
#include "sellerparams/form45.h"
#include "sellerparams/form48.h"
#include "sellerparams/paramvendespe.h"

#include "platform/ui/windowregistry.h"

namespace sellerparams {

void registerWindows(platform::ui::WindowRegistry& registry)
{
    registry.add<Form44>(QStringLiteral("Form44"));
    registry.add<Form12>(QStringLiteral("Form12"));
    registry.add<paramvendespe>(QStringLiteral("paramvendespe"));
    registry.add<Form16>(QStringLiteral("Form16"));
    registry.add<Form45>(QStringLiteral("Form45"));
    registry.add<Form48>(QStringLiteral("Form48"));
}

} // namespace sellerparams
