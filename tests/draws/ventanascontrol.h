#pragma once
// The fixture of the expired-tickets, blocking and monitor window suites: a
// seeded database, the shared lists loaded as the main menu loads them, and
// the draws and report windows registered (cleared after each test).

#include "datossorteos.h"

#include "core/acceso.h"
#include "draws/registro.h"
#include "reports/registro.h"

#include "platform/ui/windowregistry.h"

#include <QCoreApplication>
#include <QEvent>

namespace ventanascontrol {

class ConVentanas : public datossorteos::ConBase {
protected:
    // Runs after the seed: the suite's own rows, before the lists load.
    virtual void prepara() {}

    void SetUp() override
    {
        ConBase::SetUp();
        if (HasFatalFailure())
            return;
        prepara();
        if (HasFatalFailure())
            return;
        core::cargalistascompartidas(conexion());
        reports::registerWindows(platform::ui::windowRegistry());
        draws::registerWindows(platform::ui::windowRegistry());
    }

    void TearDown() override
    {
        platform::ui::windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ConBase::TearDown();
    }

    // Shows the registered window of that name and lets its events run.
    template <class T> T* abreVentana(const QString& nombre)
    {
        auto* v = qobject_cast<T*>(platform::ui::windowRegistry().show(nombre));
        platform::ui::doEvents();
        return v;
    }
};

} // namespace ventanascontrol
