#pragma once
// Form34: one live-monitor window, a child of the container MDIForm1, for
// one lottery and date. Every few seconds (its refresh timer) it asks
// monitoronline for the amounts sold per number and lays them into lines of
// `Lcol` cells, with the total and the play type in its last status bar and
// a one-second countdown to the next refresh in its first. It also
// refreshes when it is activated and on a click on the countdown bar. "+"
// and "-" change the cells per line (1 to 4) from the next refresh on; Esc
// closes it.
//
// Only abremonitor (monitores.h) opens monitor windows: it sets the
// parameters, then loads the window.
//
// While a message box of the window is up, its timers do nothing: a failing
// server shows one box, never a pile of them.

#include "reports/form24.h"

#include <QString>
#include <QWidget>

class QLabel;
class QStatusBar;
class QTimer;

namespace draws {

class Form34 : public QWidget {
    Q_OBJECT
public:
    Form34();
    ~Form34() override;

    reports::ListaTabulada* List1;
    QStatusBar* StatusBar2; // "Actualizar en", countdown, "Segundos Aprox."
    QStatusBar* StatusBar3; // "Sorteo", the caption
    QStatusBar* StatusBar1; // "Total en venta Bs.:", total and play type
    QTimer* Timer1;         // refresh
    QTimer* Timer2;         // countdown, every second

    // The monitor parameters.
    QString lfecha;
    QString ltipo;
    QString lloteria;
    QString lnumero;
    QString lmonto;
    QString lvendedor;
    QString Lcol;
    // The pool slot, as decimal text.
    QString Tag;

    // Seconds still shown before the next refresh.
    double VecesAct = 0;

    // The load: sizes the window and sets the refresh period from `segundos`
    // (0 stops the refresh timer), which becomes the shared segundosmonitor.
    void carga(double segundos);
    // The refresh.
    void actualizamonitor();
    // The timers' ticks. Timer1's tick waits for the window's turn among the
    // open monitors (pideTurno), then refreshes.
    void pideTurno();
    void Timer1_Timer();
    void Timer2_Timer();
    // "+", "-" and Esc; false for every other key.
    bool teclaMonitor(int tecla);

    // The panel texts (panel 2 of each bar).
    QString cuentaRegresiva() const;
    QString sorteo() const;
    QString totalEnVenta() const;
    QStringList lineas() const;
    int refrescos() const { return refrescos_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void muestraSinDatos();
    void lee();

    QLabel* cuenta_;
    QLabel* sorteo_;
    QLabel* total_;
    int refrescos_ = 0;
    bool enMensaje_ = false;
};

} // namespace draws
