#include "reports/registro.h"

#include "reports/form15.h"
#include "reports/form24.h"
#include "reports/form39.h"
#include "platform/ui/windowregistry.h"

namespace reports {

void registerWindows(platform::ui::WindowRegistry& registro)
{
    registro.add<Form15>(QStringLiteral("Form15"));
    registro.add<Form39>(QStringLiteral("Form39"));
    registro.add<Form24>(QStringLiteral("Form24"));
}

} // namespace reports
