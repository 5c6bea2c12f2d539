#pragma once
// The packages of the present programs, downloaded one after the other, each
// into its own package file. A package file is replaced whole, and only by a
// body that arrived complete with an HTTP success: a failed download leaves
// what the folder held before.

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

namespace platform::net {
class FileDownload;
}

namespace updater {

class DescargaPaquetes : public QObject {
    Q_OBJECT
public:
    struct Pedido {
        QUrl url;
        QString destino; // the package file's path
    };

    explicit DescargaPaquetes(QObject* parent = nullptr);
    ~DescargaPaquetes() override;

    // Starts the first download; each next one starts when the one before
    // it has arrived. Emits terminada() once, after the last one or at the
    // first failure (the rest are not asked for).
    void inicia(const QList<Pedido>& pedidos);
    // The largest package accepted (tests make it small).
    void setLimite(qint64 bytes) { limite_ = bytes; }

signals:
    // Bytes of the current package received so far, and its length as the
    // site announced it (-1 when it did not).
    void avance(qint64 recibidos, qint64 total);
    // A package arrived whole.
    void paqueterecibido(int indice);
    // `error` names the address that failed and why.
    void terminada(bool exito, const QString& error);

private:
    void siguiente();

    QList<Pedido> pedidos_;
    int actual_ = -1;
    platform::net::FileDownload* descarga_ = nullptr;
    qint64 limite_;
};

} // namespace updater
