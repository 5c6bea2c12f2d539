#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace draws {

// Monitor windows opened together have their refresh timers fire together,
// and each refresh blocks the program while it renews the shared connection
// and reads the poll. Their ticks therefore wait here for a turn: one
// refresh at a time, with a pause between turns in which the program
// handles the operator's input. A window's timer starts again from its own
// turn, so windows that fired together spread over the period.
class TurnosMonitor : public QObject {
public:
    explicit TurnosMonitor(int pausaMs, QObject* padre = nullptr);

    // Asks a turn for the refresh of `ventana`. A window already waiting
    // keeps its place; one closed before its turn is passed over.
    void pide(QObject* ventana, std::function<void()> refresco);

    int enEspera() const { return static_cast<int>(cola_.size()); }
    void vacia();

private:
    struct Turno {
        QPointer<QObject> ventana;
        std::function<void()> refresco;
    };
    void atiendeSiguiente();

    QList<Turno> cola_;
    QTimer siguiente_;
    int pausaMs_;
    bool atendiendo_ = false;
};

// The program's one queue of monitor refreshes.
TurnosMonitor& turnosmonitor();

} // namespace draws
