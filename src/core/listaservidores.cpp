#include "core/listaservidores.h"

#include "platform/vbtext.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace core {

namespace {

bool esFinDeLinea(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool esBlanco(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Reads one field from `i`; leaves `i` after the comma or line end that
// ends it.
QString leecampo(const QString& texto, qsizetype& i)
{
    const qsizetype n = texto.size();
    QString campo;
    if (i < n && texto[i] == QLatin1Char('"')) {
        const qsizetype cierre = texto.indexOf(QLatin1Char('"'), i + 1);
        const qsizetype fin = cierre < 0 ? n : cierre;
        campo = texto.mid(i + 1, fin - i - 1);
        i = fin + 1;
        // What follows the closing quote up to the separator is dropped.
        while (i < n && texto[i] != QLatin1Char(',') && !esFinDeLinea(texto[i]))
            ++i;
    } else {
        const qsizetype inicio = i;
        while (i < n && texto[i] != QLatin1Char(',') && !esFinDeLinea(texto[i]))
            ++i;
        campo = texto.mid(inicio, i - inicio);
        while (!campo.isEmpty() && esBlanco(campo.back()))
            campo.chop(1);
    }
    if (i < n && texto[i] == QLatin1Char(','))
        ++i;
    return campo;
}

} // namespace

QStringList camposlistaservidores(const QByteArray& contenido)
{
    const QString texto = platform::vb::fromAnsi(contenido);
    QStringList campos;
    qsizetype i = 0;
    const qsizetype n = texto.size();
    while (i < n) {
        while (i < n && esBlanco(texto[i]))
            ++i;
        if (i < n && esFinDeLinea(texto[i])) {
            ++i; // a line end after a comma, or a blank line: no field
            continue;
        }
        if (i >= n)
            break;
        campos << leecampo(texto, i);
    }
    return campos;
}

QStringList leelistaservidores(const QString& archivo)
{
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return camposlistaservidores(f.readAll());
}

QUrl urllistaservidores()
{
    QString sitio = qEnvironmentVariable("DUROZ_SERVIDOR_ACTUALIZACION").trimmed();
    if (sitio.isEmpty())
        sitio = QStringLiteral("127.0.0.1");
    if (!sitio.contains(QStringLiteral("://")))
        sitio.prepend(QStringLiteral("http://"));
    while (sitio.endsWith(QLatin1Char('/')))
        sitio.chop(1);
    return QUrl(sitio + QStringLiteral("/update/server.txt"));
}

DescargaServidores::DescargaServidores(const QString& destino, QObject* parent)
    : QObject(parent)
    , red_(new QNetworkAccessManager(this))
    , archivo_(destino)
{
}

DescargaServidores::~DescargaServidores()
{
    if (respuesta_) {
        respuesta_->disconnect(this);
        respuesta_->abort();
        respuesta_->deleteLater();
    }
}

void DescargaServidores::inicia(const QUrl& url)
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
    connect(respuesta_, &QNetworkReply::readyRead, this, &DescargaServidores::recibe);
    connect(respuesta_, &QNetworkReply::finished, this, &DescargaServidores::concluye);
}

void DescargaServidores::recibe()
{
    archivo_.write(respuesta_->readAll());
}

void DescargaServidores::concluye()
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

void DescargaServidores::falla(const QString& error)
{
    if (archivo_.isOpen()) {
        archivo_.cancelWriting();
        archivo_.commit(); // cancelled: drops the temporary file, keeps the old list
    }
    emit terminada(false, error);
}

} // namespace core
