#include "platform/net/filedownload.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform::net {

namespace {

// A header block that never ends is no HTTP answer.
constexpr qsizetype CabeceraMaxima = 64 * 1024;

const QByteArray FinCabecera("\r\n\r\n");

QString errorSistema(int numero)
{
    return QString::fromLocal8Bit(std::strerror(numero));
}

QString sitio(const QUrl& url)
{
    return url.host() + QLatin1Char(':') +
           QString::number(url.port(url.scheme() == QLatin1String("https") ? 443 : 80));
}

bool esHttp(const QUrl& url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

} // namespace

FileDownload::FileDownload(const QString& destino, QObject* parent) : QObject(parent), destino_(destino)
{
    espera_.setSingleShot(true);
    connect(&espera_, &QTimer::timeout, this, &FileDownload::sinRespuesta);
}

FileDownload::~FileDownload()
{
    sueltaSocket();
    quitaTemporal();
}

void FileDownload::inicia(const QUrl& url)
{
    redirecciones_ = 0;
    terminada_ = false;
    // Every outcome is reported once the caller is ready for it, from the
    // event loop.
    QTimer::singleShot(0, this, [this, url] { pide(url); });
}

void FileDownload::pide(const QUrl& url)
{
    sueltaSocket();
    url_ = url;
    cabecera_.clear();
    cabeceraLeida_ = false;
    anunciado_ = -1;
    recibidos_ = 0;
    erroresTls_.clear();
    if (!esHttp(url) || url.host().isEmpty()) {
        falla(QStringLiteral("la dirección %1 no es de un sitio http ni https").arg(url.toDisplayString()));
        return;
    }
    const bool cifrado = url.scheme() == QLatin1String("https");
    if (cifrado && !QSslSocket::supportsSsl()) {
        falla(QStringLiteral("este equipo no puede usar https: falta el soporte de TLS de Qt"));
        return;
    }
    auto* socket = new QSslSocket(this);
    socket_ = socket;
    connect(socket, &QSslSocket::readyRead, this, &FileDownload::recibe);
    connect(socket, &QSslSocket::disconnected, this, &FileDownload::cierre);
    connect(socket, &QSslSocket::errorOccurred, this, &FileDownload::errorSocket);
    espera_.start(EsperaMaximaMs);
    if (!cifrado) {
        connect(socket, &QSslSocket::connected, this, &FileDownload::conectado);
        socket->connectToHost(url.host(), quint16(url.port(80)));
        return;
    }
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    const QString autoridades = qEnvironmentVariable("DUROZ_CA_ACTUALIZACION");
    if (!autoridades.isEmpty()) {
        const QList<QSslCertificate> propias = QSslCertificate::fromPath(autoridades, QSsl::Pem);
        if (propias.isEmpty()) {
            falla(QStringLiteral("el archivo %1 que nombra DUROZ_CA_ACTUALIZACION no tiene certificados")
                      .arg(autoridades));
            return;
        }
        tls.setCaCertificates(propias);
    }
    socket->setSslConfiguration(tls);
    connect(socket, QOverload<const QList<QSslError>&>::of(&QSslSocket::sslErrors), this,
            [this](const QList<QSslError>& errores) { erroresTls_ = errores; });
    connect(socket, &QSslSocket::encrypted, this, &FileDownload::conectado);
    socket->connectToHostEncrypted(url.host(), quint16(url.port(443)));
}

void FileDownload::conectado()
{
    espera_.start(EsperaMaximaMs);
    QByteArray ruta = url_.path(QUrl::FullyEncoded).toLatin1();
    if (ruta.isEmpty())
        ruta = "/";
    if (url_.hasQuery())
        ruta += '?' + url_.query(QUrl::FullyEncoded).toLatin1();
    QByteArray anfitrion = url_.host(QUrl::FullyEncoded).toLatin1();
    if (anfitrion.contains(':'))
        anfitrion = '[' + anfitrion + ']';
    if (url_.port() != -1)
        anfitrion += ':' + QByteArray::number(url_.port());
    // The body in the bytes it was stored with (no compression), and the
    // connection closed after it, so that what follows the announced
    // length can be seen.
    socket_->write("GET " + ruta + " HTTP/1.1\r\nHost: " + anfitrion +
                   "\r\nAccept-Encoding: identity\r\nConnection: close\r\n\r\n");
}

void FileDownload::recibe()
{
    if (terminada_ || !socket_)
        return;
    espera_.start(EsperaMaximaMs);
    QByteArray datos = socket_->readAll();
    if (!cabeceraLeida_) {
        cabecera_ += datos;
        QSslSocket* antes = socket_;
        // Interim answers (1xx) come before the real one.
        while (!cabeceraLeida_) {
            const qsizetype fin = cabecera_.indexOf(FinCabecera);
            if (fin < 0) {
                if (cabecera_.size() > CabeceraMaxima)
                    falla(QStringLiteral("la respuesta del sitio no es HTTP"));
                return;
            }
            const QByteArray resto = cabecera_.mid(fin + FinCabecera.size());
            cabecera_.truncate(fin);
            if (!leeCabecera() || socket_ != antes)
                return; // refused, or asked again at another address
            cabecera_ = resto;
        }
        datos = cabecera_;
        cabecera_.clear();
    }
    if (datos.isEmpty())
        return;
    if (recibidos_ + datos.size() > anunciado_) {
        falla(QStringLiteral("el sitio envió más bytes que los %1 que anunció: no es el archivo anunciado")
                  .arg(anunciado_));
        return;
    }
    if (!escribe(datos.constData(), datos.size()))
        return;
    recibidos_ += datos.size();
    emit avance(recibidos_, anunciado_);
}

bool FileDownload::leeCabecera()
{
    const QList<QByteArray> lineas = cabecera_.split('\n');
    const QList<QByteArray> estadoLinea = lineas.value(0).trimmed().split(' ');
    bool numero = false;
    const int estado = estadoLinea.value(1).toInt(&numero);
    if (!lineas.value(0).startsWith("HTTP/1.") || !numero) {
        falla(QStringLiteral("la respuesta del sitio no es HTTP"));
        return false;
    }
    if (estado >= 100 && estado < 200)
        return true; // cabeceraLeida_ stays false
    QList<QByteArray> largos;
    QByteArray transferencia;
    QByteArray destino;
    for (qsizetype i = 1; i < lineas.size(); ++i) {
        const QByteArray& linea = lineas[i];
        const qsizetype dosPuntos = linea.indexOf(':');
        if (dosPuntos <= 0)
            continue;
        const QByteArray nombre = linea.left(dosPuntos).trimmed().toLower();
        const QByteArray valor = linea.mid(dosPuntos + 1).trimmed();
        if (nombre == "content-length")
            largos << valor;
        else if (nombre == "transfer-encoding")
            transferencia = valor.toLower();
        else if (nombre == "location")
            destino = valor;
    }

    if ((estado == 301 || estado == 302 || estado == 303 || estado == 307 || estado == 308) &&
        !destino.isEmpty()) {
        const QUrl nueva = url_.resolved(QUrl::fromEncoded(destino));
        if (++redirecciones_ > RedireccionesMaximas) {
            falla(QStringLiteral("el sitio redirigió más de %1 veces").arg(RedireccionesMaximas));
            return false;
        }
        if (url_.scheme() == QLatin1String("https") && nueva.scheme() != QLatin1String("https")) {
            falla(QStringLiteral("el sitio redirigió a una dirección sin cifrar: %1")
                      .arg(nueva.toDisplayString()));
            return false;
        }
        pide(nueva);
        return false;
    }
    if (estado < 200 || estado > 299) {
        falla(QStringLiteral("el sitio respondió %1 %2")
                  .arg(estado)
                  .arg(QString::fromLatin1(estadoLinea.mid(2).join(' '))));
        return false;
    }
    if (!transferencia.isEmpty() && transferencia != "identity") {
        falla(QStringLiteral("el sitio envió el archivo por partes (Transfer-Encoding: %1) sin anunciar su "
                             "tamaño")
                  .arg(QString::fromLatin1(transferencia)));
        return false;
    }
    if (largos.isEmpty()) {
        falla(QStringLiteral("el sitio no anunció el tamaño del archivo (Content-Length)"));
        return false;
    }
    bool valido = true;
    for (const QByteArray& largo : std::as_const(largos)) {
        bool ok = false;
        const qint64 valor = largo.toLongLong(&ok);
        const bool soloCifras = !largo.isEmpty() && std::all_of(largo.begin(), largo.end(),
                                                                [](char c) { return c >= '0' && c <= '9'; });
        if (!ok || !soloCifras || (anunciado_ != -1 && valor != anunciado_))
            valido = false;
        else
            anunciado_ = valor;
    }
    if (!valido) {
        falla(QStringLiteral("el sitio anunció un tamaño que no se entiende (Content-Length: %1)")
                  .arg(QString::fromLatin1(largos.join(", "))));
        return false;
    }
    if (anunciado_ == 0) {
        falla(QStringLiteral("el sitio envió un archivo vacío"));
        return false;
    }
    if (anunciado_ > limite_) {
        falla(QStringLiteral("el archivo anunciado tiene %1 bytes, más que el límite de %2")
                  .arg(anunciado_)
                  .arg(limite_));
        return false;
    }

    // A name of its own in the destination's folder, made for this
    // download: O_EXCL refuses a file or link already there.
    const QFileInfo info(destino_);
    for (int intento = 0; intento < 100 && descriptor_ < 0; ++intento) {
        const QString nombre = info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                               QStringLiteral(".%1.descarga")
                                   .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        const int fd = ::open(QFile::encodeName(nombre).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            descriptor_ = fd;
            temporal_ = nombre;
        } else if (errno != EEXIST) {
            falla(QStringLiteral("no se pudo crear un archivo nuevo en %1: %2")
                      .arg(info.absolutePath(), errorSistema(errno)));
            return false;
        }
    }
    if (descriptor_ < 0) {
        falla(QStringLiteral("no se pudo crear un archivo nuevo en %1").arg(info.absolutePath()));
        return false;
    }
    cabeceraLeida_ = true;
    emit avance(0, anunciado_);
    return true;
}

bool FileDownload::escribe(const char* datos, qint64 largo)
{
    while (largo > 0) {
        const ssize_t escritos = ::write(descriptor_, datos, size_t(largo));
        if (escritos < 0 && errno == EINTR)
            continue;
        if (escritos <= 0) {
            falla(QStringLiteral("no se pudo escribir el archivo %1: %2")
                      .arg(QFileInfo(destino_).fileName(), errorSistema(errno)));
            return false;
        }
        datos += escritos;
        largo -= escritos;
    }
    return true;
}

void FileDownload::cierre()
{
    if (terminada_ || !socket_)
        return;
    QSslSocket* socket = socket_;
    if (socket->bytesAvailable() > 0) {
        recibe();
        if (terminada_ || socket_ != socket)
            return;
    }
    if (!cabeceraLeida_) {
        falla(QStringLiteral("el sitio cerró la conexión sin responder"));
        return;
    }
    if (recibidos_ < anunciado_) {
        falla(QStringLiteral("llegaron %1 de los %2 bytes anunciados: el archivo está incompleto")
                  .arg(recibidos_)
                  .arg(anunciado_));
        return;
    }
    concluye();
}

void FileDownload::errorSocket()
{
    if (terminada_ || !socket_)
        return;
    const QString donde = sitio(url_);
    switch (socket_->error()) {
    case QAbstractSocket::RemoteHostClosedError: cierre(); return;
    case QAbstractSocket::ConnectionRefusedError:
        falla(QStringLiteral("nadie atiende en %1").arg(donde));
        return;
    case QAbstractSocket::HostNotFoundError:
        falla(QStringLiteral("no se encontró el sitio %1").arg(url_.host()));
        return;
    case QAbstractSocket::SslHandshakeFailedError:
        if (!erroresTls_.isEmpty()) {
            QStringList porque;
            for (const QSslError& e : std::as_const(erroresTls_))
                porque << e.errorString();
            falla(QStringLiteral("el certificado del sitio %1 no es de confianza (%2)")
                      .arg(donde, porque.join(QStringLiteral("; "))));
            return;
        }
        falla(QStringLiteral("no se pudo cifrar la conexión con %1 (%2)").arg(donde, socket_->errorString()));
        return;
    default:
        falla(QStringLiteral("falló la conexión con %1 (%2)").arg(donde, socket_->errorString()));
        return;
    }
}

void FileDownload::sinRespuesta()
{
    if (terminada_)
        return;
    // A site that sent the whole body and keeps the connection open
    // despite the request has sent all it will.
    if (cabeceraLeida_ && recibidos_ == anunciado_) {
        concluye();
        return;
    }
    falla(QStringLiteral("el sitio dejó de responder durante %1 segundos").arg(EsperaMaximaMs / 1000));
}

void FileDownload::concluye()
{
    espera_.stop();
    sueltaSocket();
    const int fd = descriptor_;
    descriptor_ = -1;
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        falla(QStringLiteral("no se pudo guardar el archivo %1: %2")
                  .arg(QFileInfo(destino_).fileName(), errorSistema(errno)));
        return;
    }
    // rename() replaces whatever stands at the name, a link included,
    // without following it.
    if (::rename(QFile::encodeName(temporal_).constData(), QFile::encodeName(destino_).constData()) != 0) {
        falla(QStringLiteral("no se pudo poner el archivo %1 en su lugar: %2")
                  .arg(QFileInfo(destino_).fileName(), errorSistema(errno)));
        return;
    }
    temporal_.clear();
    const int carpeta = ::open(QFile::encodeName(QFileInfo(destino_).absolutePath()).constData(),
                               O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (carpeta >= 0) {
        ::fsync(carpeta);
        ::close(carpeta);
    }
    terminada_ = true;
    emit terminada(true, QString());
}

void FileDownload::falla(const QString& error)
{
    if (terminada_)
        return;
    terminada_ = true;
    espera_.stop();
    sueltaSocket();
    quitaTemporal();
    emit terminada(false, error);
}

void FileDownload::sueltaSocket()
{
    if (!socket_)
        return;
    QSslSocket* socket = socket_;
    socket_ = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void FileDownload::quitaTemporal()
{
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    if (!temporal_.isEmpty()) {
        ::unlink(QFile::encodeName(temporal_).constData());
        temporal_.clear();
    }
}

} // namespace platform::net
