// The command interpreter (its folder, its outcome, the time limit that stops
// a command with what it started) and the in-use check of a file.

#include "platform/processes.h"
#include "qtprint.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

using platform::isFileInUse;
using platform::runHiddenCommand;

namespace {

QByteArray lee(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
}

// True while a process of that id exists and has not ended.
bool vive(const QByteArray& pid)
{
    const QByteArray estado = lee(QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(pid)));
    // "pid (name) S ...": Z is a process that ended and waits to be reaped.
    const qsizetype cierre = estado.lastIndexOf(')');
    return cierre > 0 && estado.mid(cierre + 2, 1) != "Z";
}

TEST(ProcessesTest, ACommandRunsInItsFolderAndItsOutcomeIsTold)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Caso {
        const char* orden;
        bool exito;
        int codigo;
        const char* error;
    };
    const Caso casos[] = {
        {"pwd > donde.txt", true, 0, ""},
        {"exit 3", false, 3, "terminó con el código 3"},
        {"orden-que-no-existe-en-ninguna-parte", false, 127, "terminó con el código 127"},
        {"kill -9 $$", false, -1, "terminó de forma anormal"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.orden);
        const platform::CommandOutcome r = runHiddenCommand(QString::fromLatin1(c.orden), dir.path(), 30000);
        EXPECT_TRUE(r.started);
        EXPECT_TRUE(r.finished);
        EXPECT_EQ(r.succeeded(), c.exito);
        if (r.normalExit) {
            EXPECT_EQ(r.exitCode, c.codigo);
        }
        EXPECT_EQ(r.error, QString::fromUtf8(c.error));
    }
    EXPECT_EQ(lee(dir.filePath(QStringLiteral("donde.txt"))), QFile::encodeName(dir.path()));
}

TEST(ProcessesTest, ACommandPastItsLimitIsStoppedWithWhatItStarted)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const platform::CommandOutcome r = runHiddenCommand(
        QStringLiteral("sleep 300 & echo $! > hijo.pid; sleep 300"), dir.path(), 1000);

    EXPECT_TRUE(r.started);
    EXPECT_FALSE(r.finished);
    EXPECT_FALSE(r.succeeded());
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("no terminó en"))) << r.error.toStdString();
    const QByteArray hijo = lee(dir.filePath(QStringLiteral("hijo.pid")));
    ASSERT_FALSE(hijo.isEmpty());
    // The child is gone too (at most waiting to be reaped by whoever adopted it).
    for (int i = 0; i < 100 && vive(hijo); ++i)
        QThread::msleep(20);
    EXPECT_FALSE(vive(hijo));
}

TEST(ProcessesTest, AFileIsInUseWhileAProcessRunsItOrHoldsItOpen)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString programa = dir.filePath(QStringLiteral("Quorvelin Taquilla.exe"));
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), programa));
    QFile(programa).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString otroNombre = dir.filePath(QStringLiteral("enlace.exe"));
    ASSERT_TRUE(QFile::link(programa, otroNombre));
    const QString suelto = dir.filePath(QStringLiteral("suelto.txt"));
    QFile abierto(suelto);
    ASSERT_TRUE(abierto.open(QIODevice::WriteOnly));

    EXPECT_FALSE(isFileInUse(programa));
    EXPECT_FALSE(isFileInUse(dir.filePath(QStringLiteral("no-existe.exe"))));
    EXPECT_TRUE(isFileInUse(suelto)); // this process holds it open
    abierto.close();
    EXPECT_FALSE(isFileInUse(suelto));

    QProcess corriendo;
    corriendo.start(programa, {QStringLiteral("300")});
    ASSERT_TRUE(corriendo.waitForStarted());
    EXPECT_TRUE(isFileInUse(programa));
    EXPECT_TRUE(isFileInUse(otroNombre));
    corriendo.kill();
    corriendo.waitForFinished();
    EXPECT_FALSE(isFileInUse(programa));
}

} // namespace
