// The real updater started offscreen, as a sale point starts it: it opens
// its window and nothing else happens until a button is pressed.
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PelvantoTest, StartsOffscreenToItsWindow)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("DUROZ_HOME"), home.path());
    env.insert(QStringLiteral("DUROZ_SMOKE_CHECK"), QStringLiteral("1"));

    QProcess programa;
    programa.setProcessEnvironment(env);
    programa.start(QStringLiteral(PELVANTO_PROGRAM), {QStringLiteral("/1")});
    ASSERT_TRUE(programa.waitForStarted()) << programa.errorString().toStdString();
    // A bound against a hang, not a measure.
    ASSERT_TRUE(programa.waitForFinished(120000)) << "the program did not end";

    const QString salida = QString::fromLocal8Bit(programa.readAllStandardOutput());
    const QString errores = QString::fromLocal8Bit(programa.readAllStandardError());
    EXPECT_EQ(programa.exitCode(), 0) << errores.toStdString();
    EXPECT_EQ(salida.trimmed(), QStringLiteral("Form1: Actualización de Quorvelin"))
        << salida.toStdString() << errores.toStdString();
    EXPECT_TRUE(QDir(home.path()).isEmpty());
}
