// Every entry of the main menu whose window is built opens it, through the
// registration the program starts with (app::registerAllWindows): a window
// that is built but not registered, or registered under another name, fails
// here.
#include "app/registerallwindows.h"
#include "core/form1.h"
#include "core/sesion.h"
#include "platform/ui/windowregistry.h"
#include "platform/ui/window.h"
#include "sessiontest.h"
#include "ventanasprueba.h"

#include <QPushButton>
#include <QSet>
#include <gtest/gtest.h>

namespace {

using core::Form1;
using platform::ui::windowRegistry;

// The windows of the subsystems built so far that the menu opens.
const QStringList VentanasConstruidas = {
    QStringLiteral("Form5"),        QStringLiteral("Form6"),          QStringLiteral("Form23"),
    QStringLiteral("Form14"),       QStringLiteral("Form33"),         QStringLiteral("caducados"),
    QStringLiteral("Form25"),       QStringLiteral("Form48"),         QStringLiteral("registroserial"),
    QStringLiteral("Form4"),        QStringLiteral("Form32"),         QStringLiteral("mastercuenta"),
    QStringLiteral("mastergastos"), QStringLiteral("rptgastojugada"), QStringLiteral("rptcuenta")};

// Grants every entry: validapermiso looks for the caption's first two
// characters.
QString todosLosPermisos()
{
    QStringList codigos;
    for (const Form1::Entrada& e : Form1::entradas())
        codigos << QString::fromUtf8(e.caption).left(2);
    return codigos.join(QLatin1Char('-')) + QLatin1Char('-');
}

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
        core::sesion().permisoactual = todosLosPermisos();
    }

    void TearDown() override
    {
        ventanasprueba::limpiaVentanas();
        SessionTest::TearDown();
    }
};

} // namespace

TEST_F(MenuTest, EveryEntryOfABuiltWindowOpensIt)
{
    Form1* menu = windowRegistry().get<Form1>(QStringLiteral("Form1"));
    ASSERT_NE(menu, nullptr);
    menu->showModeless();

    QStringList abiertas;
    for (const Form1::Entrada& e : Form1::entradas()) {
        const QString ventana = QString::fromUtf8(e.destino);
        if (e.accion != Form1::Accion::Ventana || !windowRegistry().isRegistered(ventana))
            continue;
        SCOPED_TRACE(e.control);
        rec_->clear();
        QPushButton* boton = menu->boton(QString::fromLatin1(e.control));
        ASSERT_NE(boton, nullptr);

        boton->click();
        platform::ui::doEvents();

        platform::ui::Window* abierta = windowRegistry().find(ventana);
        ASSERT_NE(abierta, nullptr) << ventana.toStdString() << " was not created";
        EXPECT_TRUE(abierta->isVisible()) << ventana.toStdString();
        EXPECT_EQ(rec_->prompts(), QStringList()) << ventana.toStdString();
        abiertas << ventana;
        abierta->close();
        platform::ui::doEvents();
    }
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
