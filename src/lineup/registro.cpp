#include "lineup/registro.h"

#include "lineup/form26.h"
#include "lineup/form42.h"
#include "lineup/form47.h"
#include "lineup/form51.h"
#include "lineup/form53.h"
#include "platform/ui/windowregistry.h"

namespace lineup {

void registerWindows(platform::ui::WindowRegistry& registro)
{
    registro.add<Form51>(QStringLiteral("Form51"));
    registro.add<Form42>(QStringLiteral("Form42"));
    registro.add<Form26>(QStringLiteral("Form26"));
    registro.add<Form47>(QStringLiteral("Form47"));
    registro.add<Form53>(QStringLiteral("Form53"));
}

} // namespace lineup
