#include "reportwindows/registro.h"

#include "platform/ui/windowregistry.h"
#include "reportwindows/form23.h"

namespace reportwindows {

void registerWindows(platform::ui::WindowRegistry& registro)
{
    registro.add<Form23>(QStringLiteral("Form23"));
}

} // namespace reportwindows
