#include "reportwindows/registro.h"

#include "platform/ui/windowregistry.h"
#include "reportwindows/form23.h"
#include "reportwindows/form29.h"
#include "reportwindows/form40.h"
#include "reportwindows/form41.h"
#include "reportwindows/form49.h"
#include "reportwindows/rpn.h"

namespace reportwindows {

void registerWindows(platform::ui::WindowRegistry& registro)
{
    registro.add<Form23>(QStringLiteral("Form23"));
    registro.add<Form29>(QStringLiteral("Form29"));
    registro.add<Form40>(QStringLiteral("Form40"));
    registro.add<Form41>(QStringLiteral("Form41"));
    registro.add<Form49>(QStringLiteral("Form49"));
    registro.add<rpn>(QStringLiteral("rpn"));
}

} // namespace reportwindows
