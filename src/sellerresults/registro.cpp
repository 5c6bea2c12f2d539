#include "sellerresults/registro.h"

#include "platform/ui/windowregistry.h"
#include "sellerresults/form25.h"

namespace sellerresults {

void registerWindows(platform::ui::WindowRegistry& registro)
{
    registro.add<Form25>(QStringLiteral("Form25"));
}

} // namespace sellerresults
