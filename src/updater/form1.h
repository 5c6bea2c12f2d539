#pragma once
// Form1, the updater's one window ("Actualización de Quorvelin"). "Actualizar"
// downloads the package of every program of the table present in the program
// folder, one after the other, then installs them in the table's order and
// reports the sale point to its server (verificaedotaquilla); "Salir" ends
// the program.

#include "platform/ui/window.h"
#include "updater/programas.h"

#include <QString>

class QLabel;
class QProgressBar;
class QPushButton;

namespace updater {

class DescargaPaquetes;

class Form1 : public platform::ui::Window {
    Q_OBJECT
public:
    // `argumentos`: the program's command line after its name.
    explicit Form1(QString argumentos = {});

    QLabel* Image1;
    QLabel* Label6; // "SOPORTE DE ACTUALIZACION EN LINEA DE QUORVELIN ON LINE"
    QProgressBar* ProgressBar1;
    QLabel* Label1;         // the status line
    QPushButton* Command1;  // "Actualizar"
    QPushButton* XPButton1; // "Salir"

    // "Actualizar".
    void actualizar();
    // "Salir".
    void salir();
    // After a completed installation: the sale-point report.
    void verificaedotaquilla();

    // True from "Actualizar" until the last download has been handled.
    bool descargando() const { return descarga_ != nullptr; }

    // How long one package may take to unpack (tests shorten it).
    void setEsperaDesempaque(int ms) { esperaDesempaqueMs_ = ms; }

private:
    void avance(qint64 recibidos, qint64 total);
    void descargaTerminada(bool exito, const QString& error);
    bool instalaTodos();
    void terminaActualizacion();
    void restableceVentana();

    QString argumentos_;
    QList<Programa> presentes_;
    DescargaPaquetes* descarga_ = nullptr;
    int esperaDesempaqueMs_;
};

} // namespace updater
