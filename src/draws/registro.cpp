#include "draws/registro.h"

#include "draws/form17.h"
#include "draws/form37.h"
#include "draws/form38.h"
#include "draws/pagaticket.h"
#include "draws/caducados.h"
#include "draws/form14.h"
#include "draws/form33.h"
#include "draws/mdiform1.h"

#include "platform/ui/windowregistry.h"

namespace draws {

void registerWindows(platform::ui::WindowRegistry& registry)
{
    registry.add<pagaticket>(QStringLiteral("pagaticket"));
    registry.add<Form37>(QStringLiteral("Form37"));
    registry.add<Form38>(QStringLiteral("Form38"));
    registry.add<Form17>(QStringLiteral("Form17"));
    registry.add<caducados>(QStringLiteral("caducados"));
    registry.add<Form14>(QStringLiteral("Form14"));
    registry.add<Form33>(QStringLiteral("Form33"));
    registry.add<MDIForm1>(QStringLiteral("MDIForm1"));
}

} // namespace draws
