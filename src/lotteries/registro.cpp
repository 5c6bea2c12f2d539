#include "lotteries/registro.h"

#include "lotteries/form5.h"
#include "lotteries/form9.h"

#include "platform/ui/windowregistry.h"

namespace lotteries {

void registerWindows(platform::ui::WindowRegistry& registry)
{
    registry.add<Form5>(QStringLiteral("Form5"));
    registry.add<Form9>(QStringLiteral("Form9"));
}

} // namespace lotteries
