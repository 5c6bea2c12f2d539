#pragma once
// The server list of the login window: the file server.txt of the program
// folder, and its download from the maker's HTTP site.

#include <QByteArray>
#include <QObject>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace core {

// The fields of a server list, in file order. Fields end at a line end or a
// comma; blanks before a field are skipped, and so are those after a field
// without quotes; a field in double quotes loses them (and keeps what is
// inside, commas included). A blank line holds no field. The text is in the
// workstation's ANSI code page.
QStringList camposlistaservidores(const QByteArray& contenido);

// The fields of the file; none when it does not exist.
QStringList leelistaservidores(const QString& archivo);

// Where the list is downloaded from: the path /update/server.txt on the
// site that the environment variable DUROZ_SERVIDOR_ACTUALIZACION names
// ("http://host:port" or just "host"), or on "http://127.0.0.1" when unset.
QUrl urllistaservidores();

// One download of the list into `destino`. The body is written unchanged
// into a temporary file beside it, which replaces the old list only once
// the whole body has arrived with an HTTP success; any failure leaves the
// old list as it was. Emits terminada() once, with an explanation on
// failure.
class DescargaServidores : public QObject {
    Q_OBJECT
public:
    // A transfer that stalls this long fails.
    static constexpr int EsperaMaximaMs = 30000;

    DescargaServidores(const QString& destino, QObject* parent = nullptr);
    ~DescargaServidores() override;

    void inicia(const QUrl& url);

signals:
    void terminada(bool exito, const QString& error);

private:
    void recibe();
    void concluye();
    void falla(const QString& error);

    QNetworkAccessManager* red_;
    QNetworkReply* respuesta_ = nullptr;
    QSaveFile archivo_;
};

} // namespace core
