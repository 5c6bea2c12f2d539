#include "core/rutinas.h"

#include "platform/inifile.h"
#include "platform/vbtext.h"

#include <algorithm>

namespace core {

QString comaapunto(const QString& texto)
{
    return QString(texto).replace(QLatin1Char(','), QLatin1Char('.'));
}

QString puntoacoma(const QString& texto)
{
    return QString(texto).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString quitapuntos(const QString& texto)
{
    return QString(texto).remove(QLatin1Char('.'));
}

QString primerapalabra(const QString& texto)
{
    const qsizetype blanco = texto.indexOf(QLatin1Char(' '));
    return blanco < 0 ? texto : texto.left(blanco);
}

QString separamiles(const QString& valor)
{
    // Only blanks are trimmed: tabs and other spacing stay part of the value.
    qsizetype inicio = 0;
    qsizetype fin = valor.size();
    while (inicio < fin && valor.at(inicio) == QLatin1Char(' '))
        ++inicio;
    while (fin > inicio && valor.at(fin - 1) == QLatin1Char(' '))
        --fin;

    QString invertido;
    int copiados = 0;
    for (qsizetype i = fin - 1; i >= inicio; --i) {
        invertido.append(valor.at(i));
        if (++copiados % 3 == 0)
            invertido.append(QLatin1Char(','));
    }
    if (invertido.endsWith(QLatin1Char(',')))
        invertido.chop(1);
    std::reverse(invertido.begin(), invertido.end());
    return invertido;
}

QString leeini(const QString& archivo, const QString& seccion, const QString& clave)
{
    return platform::readProfileString(archivo, seccion, clave, QString());
}

void escribeini(const QString& archivo, const QString& seccion, const QString& clave, const QString& valor)
{
    platform::writeProfileString(archivo, seccion, clave, valor);
}

QString codigosatexto(const QString& codigos)
{
    QString resultado;
    QString numero;
    for (const QChar c : codigos) {
        if (c != QLatin1Char('/')) {
            numero.append(c);
            continue;
        }
        resultado.append(platform::vb::chr(numero.toInt()));
        numero.clear();
    }
    return resultado;
}

QString restaposicion(const QString& texto)
{
    QString resultado = texto;
    for (qsizetype i = 0; i < resultado.size(); ++i)
        resultado[i] = platform::vb::chr(platform::vb::asc(resultado.at(i)) - int(i + 1));
    return resultado;
}

QString decodificacredencial(const QString& codigos)
{
    return restaposicion(codigosatexto(codigos));
}

} // namespace core
