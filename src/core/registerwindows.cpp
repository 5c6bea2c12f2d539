#include "core/registerwindows.h"

#include "core/calendario.h"
#include "core/fcalculator.h"
#include "core/form1.h"
#include "core/form18.h"
#include "core/form21.h"
#include "core/form43.h"
#include "platform/ui/windowregistry.h"

namespace core {

void registerWindows(platform::ui::WindowRegistry& registry)
{
    registry.add<Form21>(QStringLiteral("Form21"));
    registry.add<Form1>(QStringLiteral("Form1"));
    // The main menu's desk tools and head-office windows.
    registry.add<Form43>(QStringLiteral("Form43"));
    registry.add<Form18>(QStringLiteral("Form18"));
    registry.add<fCalculator>(QStringLiteral("fCalculator"));
    registry.add<calendario>(QStringLiteral("calendario"));
}

} // namespace core
