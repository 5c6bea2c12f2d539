#include "sellers/registro.h"

#include "sellers/form11.h"
#include "sellers/form3.h"
#include "sellers/masteralcaldia.h"
#include "sellers/mastergobernacion.h"

#include "platform/ui/windowregistry.h"

namespace sellers {

void registerWindows(platform::ui::WindowRegistry& registry)
{
    registry.add<Form3>(QStringLiteral("Form3"));
    registry.add<Form11>(QStringLiteral("Form11"));
    registry.add<mastergobernacion>(QStringLiteral("mastergobernacion"));
    registry.add<editagobernacion>(QStringLiteral("editagobernacion"));
    registry.add<masteralcaldia>(QStringLiteral("masteralcaldia"));
    registry.add<editaalcaldia>(QStringLiteral("editaalcaldia"));
}

} // namespace sellers
