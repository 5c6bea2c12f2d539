#include "updater/descargas.h"

#include "platform/net/filedownload.h"

namespace updater {

using platform::net::FileDownload;

DescargaPaquetes::DescargaPaquetes(QObject* parent) : QObject(parent), limite_(FileDownload::LimitePorOmision)
{
}

DescargaPaquetes::~DescargaPaquetes() = default;

void DescargaPaquetes::inicia(const QList<Pedido>& pedidos)
{
    pedidos_ = pedidos;
    actual_ = -1;
    siguiente();
}

void DescargaPaquetes::siguiente()
{
    if (descarga_) {
        descarga_->deleteLater();
        descarga_ = nullptr;
    }
    ++actual_;
    if (actual_ >= pedidos_.size()) {
        emit terminada(true, QString());
        return;
    }
    const Pedido& pedido = pedidos_[actual_];
    descarga_ = new FileDownload(pedido.destino, this);
    descarga_->setLimite(limite_);
    connect(descarga_, &FileDownload::avance, this, &DescargaPaquetes::avance);
    connect(descarga_, &FileDownload::terminada, this,
            [this, url = pedido.url](bool exito, const QString& error) {
                if (!exito) {
                    descarga_->deleteLater();
                    descarga_ = nullptr;
                    emit terminada(false, url.toDisplayString() + QStringLiteral(": ") + error);
                    return;
                }
                emit paqueterecibido(actual_);
                siguiente();
            });
    descarga_->inicia(pedido.url);
}

} // namespace updater
