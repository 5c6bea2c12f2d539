#pragma once
// The pool of live-monitor windows and how they open. Every monitor window
// takes the next slot of the pool (ventanasmonitor, with the free flags of
// monitoreslibres); slots 0 and 1 are never handed out, a closed window
// keeps its slot, and each load of the settings window Form33 starts the
// pool again. Monitor windows live inside the container MDIForm1.

#include <QList>
#include <QPointer>
#include <QString>

namespace draws {

class Form34;

// The pool: slot i holds the window of slot i (null when none or closed).
QList<QPointer<Form34>>& ventanasmonitor();
QList<qint16>& monitoreslibres();
// Back to the two slots 0 and 1, empty and not free.
void reiniciamonitores();
// The slot for the next monitor window: a free one (cleared), or a new one
// at the end.
qint16 buscaventanamonitor();

// The refresh seconds of the last monitor window loaded: every countdown
// starts again from it.
double& segundosmonitor();

// Opens one more monitor window, inside MDIForm1, for the lottery item
// (code " - " name), with the other texts trimmed and `segundos` as its
// refresh period; returns it.
Form34* abremonitor(const QString& fecha, const QString& tipo, const QString& loteria, const QString& numero,
                    const QString& monto, const QString& vendedor, qint16 columnas, double segundos);

} // namespace draws
