#include "lotteries/registro.h"

#include "lotteries/form10.h"
#include "lotteries/form2.h"
#include "lotteries/form46.h"
#include "lotteries/form5.h"
#include "lotteries/form6.h"
#include "lotteries/form7.h"
#include "lotteries/form8.h"
#include "lotteries/form9.h"

#include "platform/ui/windowregistry.h"

namespace lotteries {

void registerWindows(platform::ui::WindowRegistry& registry)
{
    registry.add<Form5>(QStringLiteral("Form5"));
    registry.add<Form9>(QStringLiteral("Form9"));
    // Special plays, their details, and the special plays of a lottery.
    registry.add<form2>(QStringLiteral("form2"));
    registry.add<Form7>(QStringLiteral("Form7"));
    registry.add<Form6>(QStringLiteral("Form6"));
    registry.add<Form8>(QStringLiteral("Form8"));
    registry.add<Form46>(QStringLiteral("Form46"));
    registry.add<Form10>(QStringLiteral("Form10"));
}

} // namespace lotteries
