#include "fiscal/registro.h"

#include "fiscal/form30.h"
#include "fiscal/reporfiscal.h"

#include "platform/ui/windowregistry.h"

namespace fiscal {

void registerWindows(platform::ui::WindowRegistry& registry)
{
    registry.add<Form30>(QStringLiteral("Form30"));
    registry.add<reporfiscal>(QStringLiteral("reporfiscal"));
}

} // namespace fiscal
