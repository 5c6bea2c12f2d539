#include "fiscal/registro.h"

#include "fiscal/form30.h"
#include "fiscal/form36.h"
#include "fiscal/masterimpuesto.h"
#include "fiscal/masterven_imp.h"
#include "fiscal/reporfiscal.h"

#include "platform/ui/windowregistry.h"

namespace fiscal {

void registerWindows(platform::ui::WindowRegistry& registry)
{
    registry.add<Form30>(QStringLiteral("Form30"));
    registry.add<reporfiscal>(QStringLiteral("reporfiscal"));
    // Opened by no menu entry: the seller catalogue's "Impuestos" opens
    // masterven_imp; the others are reached by name only.
    registry.add<masterimpuesto>(QStringLiteral("masterimpuesto"));
    registry.add<editaimpuesto>(QStringLiteral("editaimpuesto"));
    registry.add<masterven_imp>(QStringLiteral("masterven_imp"));
    registry.add<editaimpuestovend>(QStringLiteral("editaimpuestovend"));
    registry.add<Form36>(QStringLiteral("Form36"));
}

} // namespace fiscal
