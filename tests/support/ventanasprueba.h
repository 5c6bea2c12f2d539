#pragma once
// Helpers of the login and main-menu window tests: stand-in windows that
// record which names were asked for, waiting for the event loop, and a
// clean slate of windows between tests.

#include "platform/ui/window.h"
#include "platform/ui/windowregistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>

namespace ventanasprueba {

// A window registered under a name, that notes every one made.
class Sonda : public platform::ui::Window {
public:
    explicit Sonda(const QString& nombre) { creadas().append(nombre); }
    static QStringList& creadas()
    {
        static QStringList lista;
        return lista;
    }
};

inline void registraSondas(platform::ui::WindowRegistry& registro, const QStringList& nombres)
{
    for (const QString& nombre : nombres)
        registro.add(nombre, [nombre] { return new Sonda(nombre); });
}

// Runs the event loop until `listo` holds or the time is up.
inline bool espera(const std::function<bool()>& listo, int ms = 15000)
{
    QElapsedTimer reloj;
    reloj.start();
    while (!listo()) {
        if (reloj.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Runs `accion` on the window registered as `nombre` as soon as the event
// loop turns: on a modal window, once it shows.
template <class T> void enModal(const QString& nombre, std::function<void(T*)> accion)
{
    QTimer::singleShot(0, [nombre, accion] {
        T* w = qobject_cast<T*>(platform::ui::windowRegistry().find(nombre));
        if (!w) {
            ADD_FAILURE() << "no window " << nombre.toStdString();
            return;
        }
        accion(w);
    });
}

// Destroys every window and forgets every registration.
inline void limpiaVentanas()
{
    platform::ui::windowRegistry().clear();
    QList<QPointer<QWidget>> restantes;
    for (QWidget* w : QApplication::topLevelWidgets())
        restantes.append(w);
    for (const QPointer<QWidget>& w : std::as_const(restantes))
        delete w.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Sonda::creadas().clear();
}

} // namespace ventanasprueba
