#pragma once
// One HTTP download into a file, all or nothing.

#include <QObject>
#include <QSaveFile>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace platform::net {

// Downloads `url` into `destino`. The body is written unchanged into a
// temporary file beside it, which replaces the old file only once the whole
// body has arrived with an HTTP success; any failure leaves the old file as
// it was. Emits terminada() once, with an explanation on failure.
class FileDownload : public QObject {
    Q_OBJECT
public:
    // A transfer that stalls this long fails.
    static constexpr int EsperaMaximaMs = 30000;

    explicit FileDownload(const QString& destino, QObject* parent = nullptr);
    ~FileDownload() override;

    void inicia(const QUrl& url);

signals:
    // Bytes received so far, and the length the site announced (-1: none).
    void avance(qint64 recibidos, qint64 total);
    void terminada(bool exito, const QString& error);

private:
    void recibe();
    void concluye();
    void falla(const QString& error);

    QNetworkAccessManager* red_;
    QNetworkReply* respuesta_ = nullptr;
    QSaveFile archivo_;
};

} // namespace platform::net
