#include "draws/turnosmonitor.h"

namespace draws {

namespace {

// Long enough for the event loop to paint and handle keys between two
// refreshes; short enough that ten windows are served within a second.
constexpr int PausaEntreTurnosMs = 60;

} // namespace

TurnosMonitor::TurnosMonitor(int pausaMs, QObject* padre) : QObject(padre), pausaMs_(pausaMs)
{
    siguiente_.setSingleShot(true);
    connect(&siguiente_, &QTimer::timeout, this, &TurnosMonitor::atiendeSiguiente);
}

void TurnosMonitor::pide(QObject* ventana, std::function<void()> refresco)
{
    for (const Turno& t : cola_) {
        if (t.ventana == ventana)
            return;
    }
    cola_.append({ventana, std::move(refresco)});
    // The first request after a quiet spell is served at once; later ones
    // wait for the pause after the turn before them.
    if (!atendiendo_ && !siguiente_.isActive())
        siguiente_.start(0);
}

void TurnosMonitor::vacia()
{
    cola_.clear();
    siguiente_.stop();
}

void TurnosMonitor::atiendeSiguiente()
{
    // A refresh that shows an error box runs an event loop of its own; the
    // turns wait until it is answered rather than stack boxes.
    if (atendiendo_ || siguiente_.isActive())
        return;
    while (!cola_.isEmpty()) {
        Turno turno = cola_.takeFirst();
        if (!turno.ventana)
            continue;
        atendiendo_ = true;
        turno.refresco();
        atendiendo_ = false;
        break;
    }
    if (!cola_.isEmpty())
        siguiente_.start(pausaMs_);
}

TurnosMonitor& turnosmonitor()
{
    static TurnosMonitor turnos(PausaEntreTurnosMs);
    return turnos;
}

} // namespace draws
