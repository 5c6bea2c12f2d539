#include "app/registerallwindows.h"

#include "access/registro.h"
#include "accounts/registro.h"
#include "core/registerwindows.h"
#include "draws/registro.h"
#include "lineup/registro.h"
#include "fiscal/registro.h"
#include "lotteries/registro.h"
#include "sellerparams/registro.h"
#include "sellerresults/registro.h"
#include "platform/ui/windowregistry.h"
#include "reports/registro.h"
#include "reportwindows/registro.h"
#include "sellers/registro.h"

namespace app {

void registerAllWindows(platform::ui::WindowRegistry& registry)
{
    core::registerWindows(registry);
    reports::registerWindows(registry);
    lotteries::registerWindows(registry);
    draws::registerWindows(registry);
    sellers::registerWindows(registry);
    reportwindows::registerWindows(registry);
    sellerresults::registerWindows(registry);
    lineup::registerWindows(registry);
    sellerparams::registerWindows(registry);
    acceso::registerWindows(registry);
    accounts::registerWindows(registry);
    fiscal::registerWindows(registry);
}

} // namespace app
