#pragma once
// One HTTP or HTTPS download into a file, all or nothing.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslError>
#include <QString>
#include <QTimer>
#include <QUrl>

class QSslSocket;

namespace platform::net {

// Downloads `url` into `destino` with one GET per address (redirections
// followed, never from https to http), asking the site to close the
// connection after the answer, so that the body is exactly what arrives
// before the close.
//
// A body is accepted only when it is whole and plausible: an HTTP success,
// a Content-Length announced, not empty, no more than the size limit, and
// exactly as many bytes as announced (fewer: cut short; more: not the file
// announced). It is written into a new file of the destination's folder,
// created for this download (never a file or link that stood there), which
// replaces the destination by a rename only once it is accepted; a link at
// the destination's name is replaced, never followed. Any failure leaves
// the destination as it was. Emits terminada() once, with the reason in
// words on failure.
//
// An https site's certificate must be valid for its name and chain to a
// trusted authority: the system's store (/etc/ssl/certs), or, when the
// environment variable DUROZ_CA_ACTUALIZACION names a PEM file, only the
// certificates of that file.
class FileDownload : public QObject {
    Q_OBJECT
public:
    // A transfer that stalls this long fails.
    static constexpr int EsperaMaximaMs = 30000;
    // The largest body accepted unless the caller sets another limit.
    static constexpr qint64 LimitePorOmision = 64 * 1024 * 1024;
    static constexpr int RedireccionesMaximas = 5;

    explicit FileDownload(const QString& destino, QObject* parent = nullptr);
    ~FileDownload() override;

    void setLimite(qint64 bytes) { limite_ = bytes; }
    void inicia(const QUrl& url);

signals:
    // Bytes received so far, and the length the site announced (-1: none).
    void avance(qint64 recibidos, qint64 total);
    void terminada(bool exito, const QString& error);

private:
    void pide(const QUrl& url);
    void conectado();
    void recibe();
    bool leeCabecera();
    bool escribe(const char* datos, qint64 largo);
    void cierre();
    void errorSocket();
    void sinRespuesta();
    void concluye();
    void falla(const QString& error);
    void sueltaSocket();
    void quitaTemporal();

    QString destino_;
    qint64 limite_ = LimitePorOmision;
    QUrl url_;
    int redirecciones_ = 0;
    QSslSocket* socket_ = nullptr;
    QTimer espera_;
    QList<QSslError> erroresTls_;
    QByteArray cabecera_;
    bool cabeceraLeida_ = false;
    qint64 anunciado_ = -1;
    qint64 recibidos_ = 0;
    QString temporal_;
    int descriptor_ = -1;
    bool terminada_ = false;
};

} // namespace platform::net
