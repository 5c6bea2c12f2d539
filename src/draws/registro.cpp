#include "draws/registro.h"

#include "draws/form37.h"
#include "draws/pagaticket.h"

#include "platform/ui/windowregistry.h"

namespace draws {

void registerWindows(platform::ui::WindowRegistry& registry)
{
    registry.add<pagaticket>(QStringLiteral("pagaticket"));
    registry.add<Form37>(QStringLiteral("Form37"));
}

} // namespace draws
