#pragma once
#include <QString>

namespace platform {

// The folder where DUROZ.INI, server.txt, 0001.html and duroz.chm live: the
// executable's folder, unless the environment variable DUROZ_HOME names
// another (the run script and the tests use it).
QString programFolder();

// A file of the program folder.
QString programFile(const QString& name);

} // namespace platform
