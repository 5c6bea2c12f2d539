#pragma once
// The draw windows on the real server: the fixtures of datossorteos with
// the windows of the subsystem registered, the server clock on the draw
// date, and the results catalogue's way into the entry window.

#include "datossorteos.h"

#include "draws/form17.h"
#include "draws/form38.h"
#include "draws/registro.h"

#include "core/grillacatalogo.h"

#include "platform/ui/windowregistry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace datossorteos {

class ConVentanas : public ConBase {
protected:
    void SetUp() override
    {
        ConBase::SetUp();
        if (HasFatalFailure())
            return;
        db_->setServerClock(QStringLiteral("2026-03-05 20:00:00"));
        platform::ui::windowRegistry().clear();
        draws::registerWindows(platform::ui::windowRegistry());
    }

    void TearDown() override
    {
        platform::ui::windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ConBase::TearDown();
    }

    // The main menu's "14": the catalogue, loaded and shown.
    static draws::Form38* abreCatalogo()
    {
        auto* v = qobject_cast<draws::Form38*>(platform::ui::windowRegistry().show(QStringLiteral("Form38")));
        platform::ui::doEvents();
        return v;
    }

    static void vaAFila(draws::Form38& catalogo, int fila)
    {
        catalogo.DataGrid1->setCurrentIndex(catalogo.DataGrid1->model()->index(fila, 0));
    }

    // "Registrar - Modifi. Premio" on row `fila`, running `accion` in the
    // entry window once it is shown modal; the window is closed afterwards
    // when `accion` left it open. False when the entry window never showed.
    static bool enLaEntrada(draws::Form38& catalogo, int fila,
                            const std::function<void(draws::Form17&)>& accion)
    {
        vaAFila(catalogo, fila);
        bool visto = false;
        QTimer::singleShot(0, [&] {
            auto* entrada = qobject_cast<draws::Form17*>(
                platform::ui::windowRegistry().find(QStringLiteral("Form17")));
            if (!entrada || !entrada->isVisible())
                return;
            visto = true;
            const QPointer<draws::Form17> vigilado(entrada);
            accion(*entrada);
            if (vigilado && !vigilado->isUnloaded())
                vigilado->close();
        });
        catalogo.Command1->click();
        return visto;
    }

    QString premiar(const QString& loteria, const QString& columnas)
    {
        return db_->scalar(
            QStringLiteral("SELECT concat_ws('|', %1) FROM premiar WHERE cod_lot = '%2' AND fechapremio = %3")
                .arg(columnas, loteria, FechaSql));
    }
};

} // namespace datossorteos
