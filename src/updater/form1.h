#pragma once
// Form1, the updater's one window ("Actualización de Quorvelin"). "Actualizar"
// takes the program folder for itself (one update at a time in a folder),
// puts back a program an interrupted run left set aside, downloads the
// package of every program of the table present in the folder, one after
// the other, then installs them in the table's order and reports the sale
// point to its server (verificaedotaquilla); "Salir" ends the program.

#include "platform/ui/window.h"
#include "updater/programas.h"

#include <QString>
#include <memory>

class QLabel;
class QLockFile;
class QProgressBar;
class QPushButton;

namespace updater {

class DescargaPaquetes;

class Form1 : public platform::ui::Window {
    Q_OBJECT
public:
    // `argumentos`: the program's command line after its name.
    explicit Form1(QString argumentos = {});
    ~Form1() override;

    // The hidden file of the program folder that marks an update in course.
    static const QString ArchivoCerrojo;

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
    // The largest package accepted (tests make it small).
    void setLimitePaquete(qint64 bytes) { limitePaquete_ = bytes; }

private:
    void avance(qint64 recibidos, qint64 total);
    void descargaTerminada(bool exito, const QString& error);
    bool instalaTodos();
    void terminaActualizacion();
    void restableceVentana();
    bool tomaCarpeta(const QString& carpeta);

    QString argumentos_;
    QList<Programa> presentes_;
    DescargaPaquetes* descarga_ = nullptr;
    int esperaDesempaqueMs_;
    qint64 limitePaquete_;
    std::unique_ptr<QLockFile> cerrojo_;
};

} // namespace updater
