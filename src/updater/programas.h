#pragma once
// The programs the updater keeps up to date, in the order every run walks
// them, and the look-up of a file of the program folder by name.

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace updater {

struct Programa {
    QString archivo;     // the program file: "Quorvelin Taquilla.exe"
    QString rutapaquete; // the package's path on the update site
    QString paquete;     // the package file it is downloaded into
    QString comando;     // what the command interpreter runs to unpack it
    QString desempacado; // the file the package leaves: the new program
};

// Point of sale, query program, back office; in this order.
const QList<Programa>& tablaprogramas();

// The names of the ordinary files of `carpeta` (no folders, no hidden
// files) whose name is `nombre` without regard to letter case, as the
// workstations' file system matched them; sorted, empty when none.
QStringList buscaarchivos(const QString& carpeta, const QString& nombre);
// The first of them; empty when none.
QString buscaarchivo(const QString& carpeta, const QString& nombre);
// The one of them an update replaces: the one spelled exactly `nombre` when
// there is one (the new program takes that name, which must be free), else
// the first; empty when none.
QString archivoaactualizar(const QString& carpeta, const QString& nombre);

// The rows of the table whose program file is in `carpeta`.
QList<Programa> programaspresentes(const QString& carpeta);

// The package's address: the path on the update site that the environment
// variable DUROZ_SERVIDOR_ACTUALIZACION names ("host", "host:port" or a
// URL), "http://127.0.0.1" when unset; the same site the back office
// downloads its server list from.
QUrl urlpaquete(const Programa& programa);

} // namespace updater
