// The real program started offscreen, as an operator starts it: it must reach
// its login window without any database (DUROZ_PUERTO points nowhere).
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramaTest, StartsOffscreenToItsLoginWindowWithoutADatabase)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("DUROZ_HOME"), home.path());
    env.insert(QStringLiteral("DUROZ_PUERTO"), QStringLiteral("1"));
    env.insert(QStringLiteral("DUROZ_SMOKE_CHECK"), QStringLiteral("1"));

    QProcess programa;
    programa.setProcessEnvironment(env);
    programa.start(QStringLiteral(DUROZ_PROGRAM), {});
    ASSERT_TRUE(programa.waitForStarted()) << programa.errorString().toStdString();
    // A bound against a hang, not a measure: the start takes well under a second.
    ASSERT_TRUE(programa.waitForFinished(120000)) << "the program did not end";

    const QString salida = QString::fromLocal8Bit(programa.readAllStandardOutput());
    const QString errores = QString::fromLocal8Bit(programa.readAllStandardError());
    EXPECT_EQ(programa.exitStatus(), QProcess::NormalExit) << errores.toStdString();
    EXPECT_EQ(programa.exitCode(), 0) << errores.toStdString();
    EXPECT_EQ(salida.trimmed(), QStringLiteral("Form21: Bienvenido a Quorvelin On Line Back Office"))
        << salida.toStdString() << errores.toStdString();
}
