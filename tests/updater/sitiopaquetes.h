#pragma once
// Helpers of the updater's tests: an update site on 127.0.0.1 serving
// packages over http or https, packages that are shell scripts, and a
// program folder.

#include "qtprint.h"
#include "updater/form1.h"
#include "updater/programas.h"
#include "ventanasprueba.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QHostAddress>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace sitiopaquetes {

// A listening socket that speaks TLS once given a certificate and its key.
class Servidor : public QTcpServer {
public:
    void cifra(const QSslCertificate& certificado, const QSslKey& clave)
    {
        tls_ = QSslConfiguration::defaultConfiguration();
        tls_.setLocalCertificate(certificado);
        tls_.setPrivateKey(clave);
        tls_.setPeerVerifyMode(QSslSocket::VerifyNone);
        cifrado_ = true;
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        if (!cifrado_) {
            QTcpServer::incomingConnection(descriptor);
            return;
        }
        auto* s = new QSslSocket(this);
        s->setSocketDescriptor(descriptor);
        s->setSslConfiguration(tls_);
        // A client that refuses the certificate just goes away.
        QObject::connect(s, &QSslSocket::errorOccurred, s, [s] { s->deleteLater(); });
        s->startServerEncryption();
        addPendingConnection(s);
    }

private:
    QSslConfiguration tls_;
    bool cifrado_ = false;
};

// An HTTP site: each path answers its raw response (or 404), then the
// connection closes. It notes the paths asked for, in order. Given a
// certificate, it is an https site.
class Sitio {
public:
    Sitio()
    {
        servidor_.listen(QHostAddress::LocalHost);
        QObject::connect(&servidor_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = servidor_.nextPendingConnection())
                atiende(s);
        });
    }

    void sirve(const QString& ruta, const QByteArray& respuestaCruda) { respuestas_[ruta] = respuestaCruda; }
    // 200 OK with the body and its exact Content-Length.
    void sirveCuerpo(const QString& ruta, const QByteArray& cuerpo)
    {
        sirve(ruta, respuesta("200 OK", cuerpo));
    }

    static QByteArray respuesta(const char* estado, const QByteArray& cuerpo)
    {
        return QByteArray("HTTP/1.1 ") + estado + "\r\nContent-Length: " + QByteArray::number(cuerpo.size()) +
               "\r\nConnection: close\r\n\r\n" + cuerpo;
    }

    QString direccion() const { return QStringLiteral("127.0.0.1:%1").arg(servidor_.serverPort()); }
    void cifra(const QSslCertificate& certificado, const QSslKey& clave)
    {
        servidor_.cifra(certificado, clave);
    }
    const QStringList& pedidos() const { return pedidos_; }

private:
    void atiende(QTcpSocket* s)
    {
        auto recibido = std::make_shared<QByteArray>();
        QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, recibido] {
            *recibido += s->readAll();
            if (!recibido->contains("\r\n\r\n"))
                return;
            const QList<QByteArray> linea = recibido->left(recibido->indexOf("\r\n")).split(' ');
            const QString ruta = QString::fromLatin1(linea.value(1));
            pedidos_ << ruta;
            s->write(respuestas_.value(ruta, respuesta("404 Not Found", "no existe")));
            s->disconnectFromHost();
        });
    }

    Servidor servidor_;
    QHash<QString, QByteArray> respuestas_;
    QStringList pedidos_;
};

// A self-signed certificate for `nombre` (an address or a host name) and
// its key, as PEM files in `carpeta`, made by the openssl command.
struct Certificado {
    QString archivo; // the certificate
    QSslCertificate certificado;
    QSslKey clave;
};

inline Certificado certificadoPropio(const QString& carpeta, const QString& nombre)
{
    const QString cert = QDir(carpeta).filePath(nombre + QStringLiteral(".crt"));
    const QString clave = QDir(carpeta).filePath(nombre + QStringLiteral(".key"));
    const bool esDireccion = !QHostAddress(nombre).isNull();
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                   QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=") + nombre, QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=") +
                       (esDireccion ? QStringLiteral("IP:") : QStringLiteral("DNS:")) + nombre,
                   QStringLiteral("-keyout"), clave, QStringLiteral("-out"), cert});
    Certificado c;
    if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0) {
        ADD_FAILURE() << "openssl could not make a certificate: " << openssl.errorString().toStdString()
                      << openssl.readAllStandardError().toStdString();
        return c;
    }
    QFile pemCert(cert);
    QFile pemClave(clave);
    if (!pemCert.open(QIODevice::ReadOnly) || !pemClave.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "no certificate files";
        return c;
    }
    c.archivo = cert;
    c.certificado = QSslCertificate(pemCert.readAll(), QSsl::Pem);
    c.clave = QSslKey(pemClave.readAll(), QSsl::Ec, QSsl::Pem);
    EXPECT_FALSE(c.certificado.isNull());
    EXPECT_FALSE(c.clave.isNull());
    return c;
}

// A port of 127.0.0.1 where nobody listens.
inline QString direccionSinSitio()
{
    QTcpServer cerrado;
    cerrado.listen(QHostAddress::LocalHost);
    const quint16 puerto = cerrado.serverPort();
    cerrado.close();
    return QStringLiteral("127.0.0.1:%1").arg(puerto);
}

// A package: a shell script that runs `orden` and ends, padded with bytes of
// every value (after its exit, where the shell never reads) to `largo`.
inline QByteArray paquete(const QByteArray& orden, qsizetype largo = 0)
{
    QByteArray cuerpo = "#!/bin/sh\n" + orden + "\nexit $?\n";
    for (int i = 0; cuerpo.size() < largo; ++i)
        cuerpo += char(i % 256);
    return cuerpo;
}

// A package that leaves a copy of itself as the program's unpacked file: the
// new program then holds exactly the bytes served.
inline QByteArray paqueteQueSeCopia(const updater::Programa& p, qsizetype largo = 0)
{
    return paquete("cp \"$0\" '" + p.desempacado.toLatin1() + "'", largo);
}

inline const updater::Programa& programa(int fila)
{
    return updater::tablaprogramas().at(fila);
}

inline QByteArray lee(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no existe>");
}

inline void escribe(const QString& ruta, const QByteArray& contenido)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << ruta.toStdString();
    f.write(contenido);
}

// "Actualizar", then the event loop until the run is over (downloads, then
// the installation inside the last download's handler).
inline void actualiza(updater::Form1& ventana)
{
    ventana.actualizar();
    ASSERT_TRUE(ventanasprueba::espera([&] { return !ventana.descargando(); }))
        << "the downloads never ended";
}

} // namespace sitiopaquetes
