#include "platform/net/filedownload.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace platform::net {

FileDownload::FileDownload(const QString& destino, QObject* parent)
    : QObject(parent)
    , red_(new QNetworkAccessManager(this))
    , archivo_(destino)
{
}

FileDownload::~FileDownload()
{
    if (respuesta_) {
        respuesta_->disconnect(this);
        respuesta_->abort();
        respuesta_->deleteLater();
    }
}

void FileDownload::inicia(const QUrl& url)
{
    if (!archivo_.open(QIODevice::WriteOnly)) {
        const QString error = archivo_.errorString();
        // Reported once the caller is ready for it, as a network failure is.
        QTimer::singleShot(0, this, [this, error] { falla(error); });
        return;
    }
    QNetworkRequest pedido(url);
    pedido.setTransferTimeout(EsperaMaximaMs);
    respuesta_ = red_->get(pedido);
    connect(respuesta_, &QNetworkReply::readyRead, this, &FileDownload::recibe);
    connect(respuesta_, &QNetworkReply::downloadProgress, this, &FileDownload::avance);
    connect(respuesta_, &QNetworkReply::finished, this, &FileDownload::concluye);
}

void FileDownload::recibe()
{
    archivo_.write(respuesta_->readAll());
}

void FileDownload::concluye()
{
    QNetworkReply* respuesta = respuesta_;
    respuesta_ = nullptr;
    respuesta->deleteLater();

    const QVariant estado = respuesta->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (respuesta->error() != QNetworkReply::NoError) {
        falla(respuesta->errorString());
        return;
    }
    if (estado.isValid() && (estado.toInt() < 200 || estado.toInt() > 299)) {
        falla(QStringLiteral("el sitio respondió %1 %2")
                  .arg(estado.toInt())
                  .arg(respuesta->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
        return;
    }
    archivo_.write(respuesta->readAll());
    if (!archivo_.commit()) {
        falla(archivo_.errorString());
        return;
    }
    emit terminada(true, QString());
}

void FileDownload::falla(const QString& error)
{
    if (archivo_.isOpen()) {
        archivo_.cancelWriting();
        archivo_.commit(); // cancelled: drops the temporary file, keeps the old list
    }
    emit terminada(false, error);
}

} // namespace platform::net
