#pragma once
// The server list of the login window: the file server.txt of the program
// folder, and its download from the maker's HTTP site.

#include "platform/net/filedownload.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace core {

// The fields of a server list, in file order. Fields end at a line end or a
// comma; blanks before a field are skipped, and so are those after a field
// without quotes; a field in double quotes loses them (and keeps what is
// inside, commas included). A blank line holds no field. The text is in the
// workstation's ANSI code page.
QStringList camposlistaservidores(const QByteArray& contenido);

// The fields of the file; none when it does not exist.
QStringList leelistaservidores(const QString& archivo);

// Where the list is downloaded from: the path /update/server.txt on the
// site that the environment variable DUROZ_SERVIDOR_ACTUALIZACION names
// ("http://host:port" or just "host"), or on "http://127.0.0.1" when unset.
// The update site (DUROZ_SERVIDOR_ACTUALIZACION: host, host:port or URL)
// joined with a path on it.
QUrl urlsitioactualizacion(const QString& ruta);
QUrl urllistaservidores();

// One download of the list into a file (the old list stays when it fails).
using DescargaServidores = platform::net::FileDownload;

} // namespace core
