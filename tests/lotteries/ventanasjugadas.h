#pragma once
// Window suites of the special plays: the seeded database of
// datosjugadas.h with the lotteries' windows registered, and every window
// gone at the end.

#include "datosjugadas.h"

#include "lotteries/registro.h"
#include "platform/ui/windowregistry.h"

#include <QCoreApplication>

namespace datosjugadas {

class ConVentanas : public ConBase {
protected:
    void SetUp() override
    {
        ConBase::SetUp();
        if (IsSkipped())
            return;
        lotteries::registerWindows(platform::ui::windowRegistry());
    }
    void TearDown() override
    {
        platform::ui::windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ConBase::TearDown();
    }
};

} // namespace datosjugadas
