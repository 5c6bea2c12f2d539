#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

QString programFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("DUROZ_HOME");
    if (!fromEnvironment.isEmpty())
        return QDir(fromEnvironment).absolutePath();
    return QCoreApplication::applicationDirPath();
}

QString programFile(const QString& name)
{
    return QDir(programFolder()).filePath(name);
}

} // namespace platform
