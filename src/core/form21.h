#pragma once
// Form21, the login window: the first window of the program. It reads
// DUROZ.INI and server.txt from the program folder, resolves a server given
// by name through the central server, opens the shared connection,
// validates the operator with VLDUSRB, keeps the login values, writes the
// settings back and hands over to the main menu. It can also download a
// fresh server list.

#include "platform/db/recordset.h"
#include "platform/ui/window.h"

#include <QString>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace platform::net {
class FileDownload;
}

namespace core {

class Form21 : public platform::ui::Window {
    Q_OBJECT
public:
    // Logins refused with an empty answer before the program ends.
    static constexpr int MaxRechazos = 5;

    Form21();

    QLineEdit* Text1;      // "Usuario"
    QLineEdit* Text2;      // "Clave"
    QComboBox* Text3;      // "Dirigir a": address or name of the server
    QLineEdit* Text4;      // "Accesar a": the database
    QPushButton* Command1; // "Conectar"
    QPushButton* Command2; // "Salir"
    QPushButton* busca_ip; // "Busca Servidores en la Red"
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5; // "Espere, Buscando Servidores..."
    QFrame* Shape2;
    QStatusBar* StatusBar1;

    // "Conectar".
    void conectar();
    // "Busca Servidores en la Red".
    void buscaServidores();
    // The address of the server named in Text3, as the central server
    // answers it.
    QString obtencionip();

    int contaracceso() const { return contaracceso_; }
    const QString& ipenganche() const { return ipenganche_; }

protected:
    void onLoad() override;
    void onActivate() override;
    bool onKeyPreview(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool faltanCampos() const;
    bool resuelveServidor();
    void validaOperador();
    void rechazo();
    void entra(platform::db::RecordSet fila);
    void guardaConfiguracion();
    void descargaTerminada(bool exito, const QString& error);

    QString archCfg_;
    QString ipenganche_;
    int contaracceso_ = 0;
    platform::net::FileDownload* descarga_ = nullptr;
};

} // namespace core
