#include "core/registerwindows.h"

#include "core/form1.h"
#include "core/form21.h"
#include "platform/ui/windowregistry.h"

namespace core {

void registerWindows(platform::ui::WindowRegistry& registry)
{
    registry.add<Form21>(QStringLiteral("Form21"));
    registry.add<Form1>(QStringLiteral("Form1"));
}

} // namespace core
