#include "core/listaservidores.h"

#include "platform/vbtext.h"

#include <QFile>

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

QUrl urlsitioactualizacion(const QString& ruta)
{
    QString sitio = qEnvironmentVariable("DUROZ_SERVIDOR_ACTUALIZACION").trimmed();
    if (sitio.isEmpty())
        sitio = QStringLiteral("127.0.0.1");
    if (!sitio.contains(QStringLiteral("://")))
        sitio.prepend(QStringLiteral("http://"));
    while (sitio.endsWith(QLatin1Char('/')))
        sitio.chop(1);
    return QUrl(sitio + ruta);
}

QUrl urllistaservidores()
{
    return urlsitioactualizacion(QStringLiteral("/update/server.txt"));
}

} // namespace core
