#include "platform/processes.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <csignal>
#include <optional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace platform {

namespace {

struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileId&) const = default;
};

// The file a path names (links followed); nullopt when there is none.
std::optional<FileId> fileId(const QByteArray& path)
{
    struct stat st {};
    if (::stat(path.constData(), &st) != 0)
        return std::nullopt;
    return FileId{st.st_dev, st.st_ino};
}

// A line of /proc/PID/maps: "address perms offset major:minor inode path".
bool mapsLineNames(const QByteArray& line, const FileId& file)
{
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() < 6)
        return false;
    bool ok = false;
    if (fields[4].toULongLong(&ok) != file.inode || !ok)
        return false;
    const QList<QByteArray> device = fields[3].split(':');
    if (device.size() == 2 &&
        ::makedev(device[0].toUInt(nullptr, 16), device[1].toUInt(nullptr, 16)) == file.device)
        return true;
    // Layered file systems show the lower layer's device here: the path
    // decides.
    const QByteArray path = line.mid(line.indexOf('/'));
    return line.contains('/') && fileId(path) == file;
}

bool processMaps(const QString& processDir, const FileId& file)
{
    QFile maps(processDir + QStringLiteral("/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    while (!maps.atEnd())
        if (mapsLineNames(maps.readLine().trimmed(), file))
            return true;
    return false;
}

bool processHolds(const QString& processDir, const FileId& file)
{
    if (fileId(QFile::encodeName(processDir + QStringLiteral("/exe"))) == file)
        return true;
    if (processMaps(processDir, file))
        return true;
    const QDir fds(processDir + QStringLiteral("/fd"));
    const QStringList entries = fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& fd : entries)
        if (fileId(QFile::encodeName(fds.filePath(fd))) == file)
            return true;
    return false;
}

bool isNumber(const QString& text)
{
    bool ok = false;
    text.toLongLong(&ok);
    return ok;
}

} // namespace

CommandOutcome runHiddenCommand(const QString& command, const QString& folder, int timeLimitMs)
{
    CommandOutcome outcome;
    QProcess process;
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments({QStringLiteral("-c"), command});
    process.setWorkingDirectory(folder);
    // No window and nothing to talk to: what the command writes goes nowhere.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    // A group of its own, so that it can be stopped with what it started.
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    process.start();
    if (!process.waitForStarted()) {
        outcome.error = process.errorString();
        return outcome;
    }
    outcome.started = true;
    const qint64 group = process.processId();
    if (!process.waitForFinished(timeLimitMs)) {
        ::kill(pid_t(-group), SIGKILL);
        process.waitForFinished(-1);
        outcome.error = QStringLiteral("no terminó en %1 segundos").arg(timeLimitMs / 1000.0);
        return outcome;
    }
    outcome.finished = true;
    outcome.normalExit = process.exitStatus() == QProcess::NormalExit;
    outcome.exitCode = process.exitCode();
    if (!outcome.normalExit)
        outcome.error = QStringLiteral("terminó de forma anormal");
    else if (outcome.exitCode != 0)
        outcome.error = QStringLiteral("terminó con el código %1").arg(outcome.exitCode);
    return outcome;
}

bool isFileInUse(const QString& path)
{
    const auto file = fileId(QFile::encodeName(path));
    if (!file)
        return false;
    const QDir proc(QStringLiteral("/proc"));
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (isNumber(entry) && processHolds(proc.filePath(entry), *file))
            return true;
    return false;
}

} // namespace platform
