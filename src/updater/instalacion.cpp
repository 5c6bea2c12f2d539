#include "updater/instalacion.h"

#include "platform/processes.h"
#include "updater/desempaque.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace updater {

namespace {

// Anything at the path, a link (even a dangling one) included.
bool hayAlgo(const QString& ruta)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(ruta).constData(), &st) == 0;
}

bool esArchivoComun(const QString& ruta)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(ruta).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

Instalacion::Instalacion(QString carpeta, Programa programa, std::function<void()> enUso, int esperaMs)
    : carpeta_(std::move(carpeta))
    , programa_(std::move(programa))
    , enUso_(std::move(enUso))
    , esperaMs_(esperaMs)
{
}

QString Instalacion::nombreRespaldo(const QString& archivo)
{
    return archivo + QStringLiteral(".anterior");
}

QString Instalacion::ruta(const QString& nombre) const
{
    return QDir(carpeta_).filePath(nombre);
}

Instalacion::Resultado Instalacion::instala()
{
    Resultado resultado;
    const QString encontrado = archivoaactualizar(carpeta_, programa_.archivo);
    if (encontrado.isEmpty()) {
        resultado.error = QStringLiteral("el programa ya no está en la carpeta");
        return resultado;
    }
    resultado.actualizado = encontrado;
    resultado.sinCambio = buscaarchivos(carpeta_, programa_.archivo);
    resultado.sinCambio.removeAll(encontrado);
    // Until the old program is set aside, a failure changes nothing.
    if (!quitaDesempacados(resultado.error) || !apartaPrograma(encontrado, resultado.error))
        return resultado;
    if (!desempaca(resultado.error) || !colocaNuevo(resultado.error)) {
        restaura(encontrado, resultado);
        return resultado;
    }
    QFile::remove(respaldo_);
    resultado.instalado = true;
    return resultado;
}

bool Instalacion::quitaDesempacados(QString& error) const
{
    // Links and other odd entries too: the package must write a new file,
    // never through something planted at the name.
    const QStringList entradas = QDir(carpeta_).entryList(QDir::Files | QDir::System);
    for (const QString& viejo : entradas) {
        if (viejo.compare(programa_.desempacado, Qt::CaseInsensitive) != 0)
            continue;
        if (!QFile::remove(ruta(viejo))) {
            error = QStringLiteral("no se pudo borrar el archivo %1 que quedó de una actualización "
                                   "anterior")
                        .arg(viejo);
            return false;
        }
    }
    return true;
}

bool Instalacion::apartaPrograma(const QString& encontrado, QString& error)
{
    const QString programa = ruta(encontrado);
    while (platform::isFileInUse(programa))
        enUso_();
    respaldo_ = ruta(nombreRespaldo(encontrado));
    if (QFile::exists(respaldo_) && !QFile::remove(respaldo_)) {
        error = QStringLiteral("no se pudo borrar la copia anterior %1").arg(nombreRespaldo(encontrado));
        return false;
    }
    QFile archivo(programa);
    if (!archivo.rename(respaldo_)) {
        error = QStringLiteral("no se pudo apartar el programa: %1").arg(archivo.errorString());
        return false;
    }
    return true;
}

bool Instalacion::desempaca(QString& error)
{
    // Only the file the download made is run or changed, never what a
    // link at its name points to.
    if (!esArchivoComun(ruta(programa_.paquete))) {
        error = QStringLiteral("el paquete %1 no es un archivo común").arg(programa_.paquete);
        return false;
    }
    QFile paquete(ruta(programa_.paquete));
    if (!paquete.setPermissions(paquete.permissions() | QFileDevice::ExeOwner | QFileDevice::ReadOwner)) {
        error = QStringLiteral("no se pudo preparar el paquete %1: %2")
                    .arg(programa_.paquete, paquete.errorString());
        return false;
    }
    const platform::CommandOutcome fin = ejecutaDesempaque(programa_.comando, carpeta_, esperaMs_);
    if (!fin.succeeded()) {
        error = QStringLiteral("el paquete %1 %2").arg(programa_.paquete, fin.error);
        return false;
    }
    if (buscaarchivo(carpeta_, programa_.desempacado).isEmpty()) {
        error = QStringLiteral("el paquete %1 no dejó el archivo %2")
                    .arg(programa_.paquete, programa_.desempacado);
        return false;
    }
    return true;
}

bool Instalacion::colocaNuevo(QString& error)
{
    QFile nuevo(ruta(buscaarchivo(carpeta_, programa_.desempacado)));
    if (!nuevo.rename(ruta(programa_.archivo))) {
        error = QStringLiteral("no se pudo dar al archivo %1 el nombre del programa: %2")
                    .arg(programa_.desempacado, nuevo.errorString());
        return false;
    }
    nuevoColocado_ = true;
    QFile paquete(ruta(programa_.paquete));
    if (!paquete.remove()) {
        error = QStringLiteral("no se pudo borrar el paquete %1: %2")
                    .arg(programa_.paquete, paquete.errorString());
        return false;
    }
    return true;
}

void Instalacion::restaura(const QString& encontrado, Resultado& resultado)
{
    // What the package left is not trusted, nor anything it put in the old
    // program's place.
    if (nuevoColocado_)
        QFile::remove(ruta(programa_.archivo));
    for (const QString& desempacado : buscaarchivos(carpeta_, programa_.desempacado))
        QFile::remove(ruta(desempacado));
    QFile::remove(ruta(encontrado));
    QFile respaldo(respaldo_);
    if (!respaldo.rename(ruta(encontrado))) {
        resultado.restaurado = false;
        resultado.respaldo = respaldo_;
    }
}

Instalacion::Recuperacion Instalacion::recupera(const QString& carpeta)
{
    Recuperacion recuperacion;
    const QDir dir(carpeta);
    for (const Programa& p : tablaprogramas()) {
        for (const QString& respaldo : buscaarchivos(carpeta, nombreRespaldo(p.archivo))) {
            const QString nombre = respaldo.left(respaldo.size() - nombreRespaldo(QString()).size());
            if (hayAlgo(dir.filePath(nombre)) || hayAlgo(dir.filePath(p.archivo)))
                continue;
            QFile archivo(dir.filePath(respaldo));
            if (!archivo.rename(dir.filePath(nombre))) {
                recuperacion.error = QStringLiteral("no se pudo devolver %1 a su nombre %2: %3")
                                         .arg(respaldo, nombre, archivo.errorString());
                return recuperacion;
            }
            recuperacion.devueltos << nombre;
        }
    }
    return recuperacion;
}

} // namespace updater
