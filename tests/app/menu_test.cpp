// Every entry of the main menu whose window is built opens it, through the
// registration the program starts with (app::registerAllWindows): a window
// that is built but not registered, or registered under another name, fails
// here.
#include "app/registerallwindows.h"
#include "core/sesion.h"
#include "platform/ui/windowregistry.h"
#include "platform/ui/window.h"
#include "sessiontest.h"
#include "recorridomenu.h"
#include "ventanasprueba.h"
#include "serverscripts.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QSet>
#include <gtest/gtest.h>

namespace {

using platform::ui::windowRegistry;

// The windows of the subsystems built so far that the menu opens.
const QStringList VentanasConstruidas = {
    QStringLiteral("Form5"),        QStringLiteral("Form6"),          QStringLiteral("Form23"),
    QStringLiteral("Form14"),       QStringLiteral("Form33"),         QStringLiteral("caducados"),
    QStringLiteral("Form25"),       QStringLiteral("Form48"),         QStringLiteral("registroserial"),
    QStringLiteral("Form4"),        QStringLiteral("Form32"),         QStringLiteral("mastercuenta"),
    QStringLiteral("mastergastos"), QStringLiteral("rptgastojugada"), QStringLiteral("rptcuenta")};

class MenuTest : public testsupport::SessionTest {
protected:
    // Windows that list the sellers (or the lotteries) refuse to open on a
    // house without any; the serial registry tells an empty registry.
    void siembra(testsupport::TestDatabase& db) override
    {
        db.exec(QStringLiteral(
            "INSERT INTO vendedor (codvendedor, nombre_vend) VALUES ('00001', 'AGENCIA UNO')"));
        db.exec(QStringLiteral("INSERT INTO loterias (cod_lot, desc_lot) VALUES ('001', 'LOTERIA UNO')"));
        db.exec(QStringLiteral("INSERT INTO seriales (serial, codvendedor) VALUES ('QV-1', '00001')"));
    }

    void SetUp() override
    {
        SessionTest::SetUp();
        if (HasFatalFailure())
            return;
        ventanasprueba::limpiaVentanas();
        app::registerAllWindows(windowRegistry());
        core::sesion().permisoactual = recorridomenu::todosLosPermisos();
    }

    void TearDown() override
    {
        ventanasprueba::limpiaVentanas();
        SessionTest::TearDown();
    }
};

// The main menu over the demo data (server/load --demo): every entry opens
// its window, and every report window's "Generar" writes its page, one run
// for each report it chooses among, and shows it in the viewer.
class MenuDemoTest : public MenuTest {
protected:
    void siembra(testsupport::TestDatabase& db) override
    {
        QString salida;
        ASSERT_EQ(serverscripts::run(QStringLiteral("server/load"), {db.name(), QStringLiteral("--demo")},
                                     false, &salida),
                  0)
            << salida.toStdString();
    }

    void SetUp() override
    {
        ASSERT_TRUE(carpeta_.isValid());
        qputenv("DUROZ_HOME", carpeta_.path().toUtf8());
        MenuTest::SetUp();
    }

    void TearDown() override
    {
        MenuTest::TearDown();
        qunsetenv("DUROZ_HOME");
    }

    QTemporaryDir carpeta_;
};

} // namespace

TEST_F(MenuDemoTest, EveryEntryOpensItsWindowAndEveryReportShowsItsPage)
{
    QStringList abiertas;
    recorridomenu::todosLosInformes(*db_, *rec_, 3, &abiertas);
    for (const QString& ventana : VentanasConstruidas)
        EXPECT_TRUE(abiertas.contains(ventana)) << ventana.toStdString() << " is not reached from the menu";
}

TEST_F(MenuTest, EveryEntryOfABuiltWindowOpensIt)
{
    const QStringList abiertas = recorridomenu::recorreMenu(*rec_);
    for (const QString& ventana : VentanasConstruidas)
        EXPECT_TRUE(abiertas.contains(ventana)) << ventana.toStdString() << " is not reached from the menu";
}

TEST(RegistroTest, TheProgramRegistersTheLoginTheMenuAndTheViewer)
{
    platform::ui::WindowRegistry registro;
    app::registerAllWindows(registro);
    for (const char* nombre : {"Form21", "Form1", "Form15", "Form39", "Form24", "Form5", "Form6", "Form23",
                               "Form14", "Form33", "caducados", "MDIForm1", "Form25"})
        EXPECT_TRUE(registro.isRegistered(QString::fromLatin1(nombre))) << nombre;
}
