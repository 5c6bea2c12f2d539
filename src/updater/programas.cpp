#include "updater/programas.h"

#include "core/listaservidores.h"

#include <QDir>

namespace updater {

namespace {

Programa fila(const char* archivo, const char* rutapaquete, const char* paquete, const char* desempacado)
{
    const QString nombrePaquete = QString::fromLatin1(paquete);
    // The interpreter runs the package from the program folder, as
    // "command.com /c upqt.exe" ran it from the current folder.
    return {QString::fromLatin1(archivo), QString::fromLatin1(rutapaquete), nombrePaquete,
            QStringLiteral("./") + nombrePaquete, QString::fromLatin1(desempacado)};
}

} // namespace

const QList<Programa>& tablaprogramas()
{
    static const QList<Programa> tabla = {
        fila("Quorvelin Taquilla.exe", "/update/QUORVET.EXE", "upqt.exe", "QT.exe"),
        fila("Quorvelin Consulta.exe", "/update/QUORVEC.EXE", "upqc.exe", "QC.exe"),
        fila("Quorvelin Duroz.exe", "/update/QUORVEB.EXE", "upqb.exe", "QB.exe"),
    };
    return tabla;
}

QStringList buscaarchivos(const QString& carpeta, const QString& nombre)
{
    QStringList encontrados;
    if (nombre.trimmed().isEmpty())
        return encontrados;
    const QStringList archivos = QDir(carpeta).entryList(QDir::Files, QDir::Name);
    for (const QString& archivo : archivos)
        if (archivo.compare(nombre, Qt::CaseInsensitive) == 0)
            encontrados << archivo;
    return encontrados;
}

QString buscaarchivo(const QString& carpeta, const QString& nombre)
{
    return buscaarchivos(carpeta, nombre).value(0);
}

QString archivoaactualizar(const QString& carpeta, const QString& nombre)
{
    const QStringList encontrados = buscaarchivos(carpeta, nombre);
    return encontrados.contains(nombre) ? nombre : encontrados.value(0);
}

QList<Programa> programaspresentes(const QString& carpeta)
{
    QList<Programa> presentes;
    for (const Programa& p : tablaprogramas())
        if (!buscaarchivo(carpeta, p.archivo).isEmpty())
            presentes << p;
    return presentes;
}

QUrl urlpaquete(const Programa& programa)
{
    return core::urlsitioactualizacion(programa.rutapaquete);
}

} // namespace updater
