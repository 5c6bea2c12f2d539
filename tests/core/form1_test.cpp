// The main menu: every entry with its caption, its permission check and
// the window it asks for; the function keys; the lookup lists it loads;
// closing it ends the program.

#include "core/form1.h"
#include "core/registerwindows.h"
#include "core/sesion.h"
#include "core/validapermiso.h"
#include "messagerecorder.h"
#include "sessiontest.h"
#include "testdb.h"
#include "ventanasprueba.h"

#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <gtest/gtest.h>

using core::Form1;
using platform::ui::windowRegistry;
using testsupport::MessageRecorder;
using testsupport::TestDatabase;
using ventanasprueba::Sonda;

namespace {

const QString Denegado = QStringLiteral("Permiso de acceso denegado");
const QString TodosLosCodigos = QStringLiteral(
    "01-02-03-04-05-06-07-08-09-10-11-12-13-14-15-16-17-18-19-20-21-22-23-24-25-26-27-28-29-30-31-");

// What each entry does, as the operator sees it: a window by its name, or a
// notice.
struct Caso {
    const char* control;
    const char* caption;
    bool verifica;
    const char* ventana; // null: a notice
    const char* aviso;
};

const Caso Casos[] = {
    {"Command10", "01 .- Jugadas Especiales", true, "form2", nullptr},
    {"XPButton7", "02 .- Impuestos", false, nullptr, "Opción en desarrollo"},
    {"Command13", "03 .- Vendedores", true, "Form3", nullptr},
    {"Command11", "04 .- Detalles de Jugadas", true, "Form6", nullptr},
    {"XPButton9", "05 .- Seriales Taquilla", true, "registroserial", nullptr},
    {"Command14", "06 .- Usuarios", true, "Form4", nullptr},
    {"Command12", "07 .- Loterias", true, "Form5", nullptr},
    {"XPButton10", "08 .- Ajustar Parametros", true, "Form48", nullptr},
    {"XPButton2", "09 .- Operadores Duroz", true, "Form32", nullptr},
    {"XPButton5", "10 .- Alcaldias", true, "masteralcaldia", nullptr},
    {"XPButton4", "11 .- Regiones", true, "mastergobernacion", nullptr},
    {"XPButton17", "12 .- Parametros Globales", true, "Form43", nullptr},
    {"XPButton20", "13 .- Cuentas Bancarias", true, "mastercuenta", nullptr},
    {"Command1", "13 .- Bloqueo de Números", true, "Form14", nullptr},
    {"Command28", "14 . - Premiación", true, "Form38", nullptr},
    {"XPButton18", "15.- Verficar y Pagar Ticket", false, "pagaticket", nullptr},
    {"XPButton8", "15 .- Correo Electrónico", true, nullptr, "Esta opción no está disponible"},
    {"Command2", "16 .- Line Up", true, "Form51", nullptr},
    {"XPButton11", "17 . - Procesar Resultados", true, "Form37", nullptr},
    {"Command5", "18 .- Monitoreo", true, "Form33", nullptr},
    {"XPButton21", "18 .- Egresos Diarios Por Vendedor", false, "mastergastos", nullptr},
    {"Command19", "19.- Punto de Venta", true, "Form23", nullptr},
    {"XPButton6", "20 .- Monitor Fiscal - SENIAT", false, nullptr, "Esta opción esta en desarrollo"},
    {"XPButton19", "20 .- Grafico Resumen por Meses", false, "Form29", nullptr},
    {"Command20", "21 .- Resultados de Vendedores", true, "Form25", nullptr},
    {"XPButton15", "22 .- Reporte de Listas", true, "Form40", nullptr},
    {"XPButton3", "23 .- Line Up", true, "Form42", nullptr},
    {"XPButton16", "24 .- Movimientos Administrativos", true, "Form41", nullptr},
    {"XPButton22", "25 .- Reporte de Consolidación Jugada/Gastos", true, "rptgastojugada", nullptr},
    {"XPButton23", "26 .- Reporte de Estado de Cuentas Bancarias", true, "rptcuenta", nullptr},
    {"XPButton26", "27 .- Reporte de Premiacion por número", true, "rpn", nullptr},
    {"XPButton27", "28 .- Reporte de Conexiones Activas", true, "Form49", nullptr},
    {"XPButton28", "29 .- Historico de Tickets Caducados", true, "caducados", nullptr},
    {"XPButton29", "30 .- Procesar Impuestos", false, "Form30", nullptr},
    {"XPButton31", "31 .- Reporte Fiscal", false, "reporfiscal", nullptr},
    {"XPButton24", "F5 - Calculadora", false, "fCalculator", nullptr},
    {"XPButton25", "F8 - Calendario Servidor", false, "calendario", nullptr},
    {"Mensajerias", "F10 - Mensajeria", false, "Form18", nullptr},
};

QStringList nombresDeVentanas()
{
    QStringList nombres;
    for (const Caso& c : Casos) {
        if (c.ventana)
            nombres << QString::fromUtf8(c.ventana);
    }
    return nombres;
}

// Receives the help file's URL in place of the desktop.
class Escritorio : public QObject {
    Q_OBJECT
public:
    QList<QUrl> abiertas;
public slots:
    void abre(const QUrl& url) { abiertas << url; }
};

class Form1Test : public testsupport::SessionTest {
protected:
    void siembra(TestDatabase& db) override
    {
        db.exec(QStringLiteral(
            "INSERT INTO loterias (cod_lot, desc_lot) VALUES ('001', 'ZULIA A'), ('002', 'ZULIA B');"
            "INSERT INTO jugadas (especial, desc_espec) VALUES ('ZO', 'Zodiacal');"
            "INSERT INTO jugadeta (especial, jugada, desc_jugada) VALUES ('ZO', '01', 'ARIES');"
            "INSERT INTO vendedor (codvendedor, nombre_vend) VALUES ('00001', 'UNO')"));
    }

    void SetUp() override
    {
        SessionTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(home_.isValid());
        qputenv("DUROZ_HOME", home_.path().toUtf8());
        ventanasprueba::limpiaVentanas();
        core::registerWindows(windowRegistry());
    }

    void TearDown() override
    {
        ventanasprueba::limpiaVentanas();
        SessionTest::TearDown();
    }

    // The menu as the login leaves it, with `permisos` and the windows of
    // `registradas` built.
    Form1* abreMenu(const QString& permisos, const QStringList& registradas = nombresDeVentanas())
    {
        core::sesion().permisoactual = permisos;
        ventanasprueba::registraSondas(windowRegistry(), registradas);
        Form1* menu = windowRegistry().get<Form1>(QStringLiteral("Form1"));
        menu->showModeless();
        return menu;
    }

    QTemporaryDir home_;
};

} // namespace

TEST(ValidapermisoTest, TheCaptionsFirstTwoCharactersAnywhereInThePermissions)
{
    struct C {
        const char* caption;
        const char* permisos;
        bool concede;
    };
    const C casos[] = {
        {"01 .- Jugadas Especiales", "01-05-12-", true},
        {"05 .- Seriales Taquilla", "01-05-12-", true},
        {"12 .- Parametros Globales", "01-05-12-", true},
        {"02 .- Impuestos", "01-05-12-", false},
        {"10 .- Alcaldias", "01-05-12-", false},
        {"15.- Verficar y Pagar Ticket", "15-", true},
        {"01 .- Jugadas Especiales", "", false},
        {"F1", "01-F1-", true},
        {"f1", "01-F1-", false}, // case counts
    };
    for (const C& c : casos)
        EXPECT_EQ(core::validapermiso(QString::fromUtf8(c.caption), QString::fromUtf8(c.permisos)), c.concede)
            << c.caption << " with " << c.permisos;
}

TEST_F(Form1Test, EveryEntryHasItsCaptionItsCheckAndItsWindow)
{
    for (const bool permitido : {true, false}) {
        Form1* menu = abreMenu(permitido ? TodosLosCodigos : QString());
        for (const Caso& c : Casos) {
            SCOPED_TRACE(std::string(c.control) + (permitido ? " permitted" : " with no permissions"));
            QPushButton* boton = menu->boton(QString::fromLatin1(c.control));
            ASSERT_NE(boton, nullptr);
            EXPECT_EQ(boton->text(), QString::fromUtf8(c.caption));
            rec_->clear();
            Sonda::creadas().clear();

            boton->click();

            const bool abre = permitido || !c.verifica;
            QStringList esperadas;
            if (abre && c.ventana)
                esperadas << QString::fromUtf8(c.ventana);
            EXPECT_EQ(Sonda::creadas(), esperadas);
            if (esperadas.size() == 1) {
                EXPECT_TRUE(windowRegistry().find(esperadas[0])->isVisible());
                windowRegistry().find(esperadas[0])->close();
            }
            QStringList avisos;
            if (!abre)
                avisos << Denegado;
            else if (c.aviso)
                avisos << QString::fromUtf8(c.aviso);
            EXPECT_EQ(rec_->prompts(), avisos);
            for (const auto& caja : rec_->boxes())
                EXPECT_EQ(caja.style,
                          caja.prompt == Denegado ? platform::msg::Critical : platform::msg::Information);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ventanasprueba::limpiaVentanas();
        core::registerWindows(windowRegistry());
    }
}

TEST_F(Form1Test, SharedCodesAreCheckedOnlyWhereTheirEntryChecks)
{
    Form1* menu = abreMenu(QStringLiteral("13-"));
    for (const char* control : {"XPButton20", "Command1"}) { // both "13" entries
        menu->boton(QString::fromLatin1(control))->click();
    }
    EXPECT_EQ(Sonda::creadas(), QStringList({QStringLiteral("mastercuenta"), QStringLiteral("Form14")}));
    EXPECT_TRUE(rec_->boxes().isEmpty());

    // Of the two "15" and the two "18", one of each checks; neither "20" does.
    Sonda::creadas().clear();
    for (const char* control :
         {"XPButton18", "XPButton8", "Command5", "XPButton21", "XPButton6", "XPButton19"})
        menu->boton(QString::fromLatin1(control))->click();
    EXPECT_EQ(Sonda::creadas(), QStringList({QStringLiteral("pagaticket"), QStringLiteral("mastergastos"),
                                             QStringLiteral("Form29")}));
    EXPECT_EQ(rec_->prompts(),
              QStringList({Denegado, Denegado, QStringLiteral("Esta opción esta en desarrollo")}));
}

TEST_F(Form1Test, APermissionStringGrantsExactlyItsCodes)
{
    Form1* menu = abreMenu(QStringLiteral("01-05-12-"));
    QStringList concedidas;
    for (const Caso& c : Casos) {
        rec_->clear();
        menu->boton(QString::fromLatin1(c.control))->click();
        if (c.verifica && !rec_->prompts().contains(Denegado))
            concedidas << QString::fromLatin1(c.caption).left(2);
    }
    EXPECT_EQ(concedidas, QStringList({QStringLiteral("01"), QStringLiteral("05"), QStringLiteral("12")}));
}

TEST_F(Form1Test, TheLineUpLabelShowsBeforeTheCheckAndStaysWhenDenied)
{
    Form1* menu = abreMenu(QStringLiteral("23-"));
    EXPECT_TRUE(menu->Label1->isHidden());
    menu->boton(QStringLiteral("Command2"))->click();
    EXPECT_TRUE(menu->Label1->isVisible());
    EXPECT_EQ(menu->Label1->text(), QStringLiteral("Espere por Favor, Procesando LINEUP..."));
    EXPECT_EQ(rec_->prompts(), QStringList{Denegado});
    EXPECT_TRUE(Sonda::creadas().isEmpty());

    // The other line-up entry leaves the label alone.
    menu->Label1->hide();
    menu->boton(QStringLiteral("XPButton3"))->click();
    EXPECT_TRUE(menu->Label1->isHidden());

    // Permitted: the label is up when the line-up window opens (it hides it).
    core::sesion().permisoactual = QStringLiteral("16-");
    menu->boton(QStringLiteral("Command2"))->click();
    EXPECT_TRUE(menu->Label1->isVisible());
    EXPECT_EQ(Sonda::creadas(), QStringList({QStringLiteral("Form42"), QStringLiteral("Form51")}));
}

TEST_F(Form1Test, AnEntryWhoseWindowIsNotBuiltYetShowsANoticeAndLeavesNoLabelUp)
{
    Form1* menu = abreMenu(TodosLosCodigos, {});
    const int ventanas = QApplication::topLevelWidgets().size();
    for (const char* control : {"Command12", "Command2"}) { // "07 .- Loterias", "16 .- Line Up"
        SCOPED_TRACE(control);
        rec_->clear();
        menu->boton(QString::fromLatin1(control))->click();
        ASSERT_EQ(rec_->boxes().size(), 1);
        EXPECT_EQ(rec_->boxes()[0].prompt, QStringLiteral("Opción en desarrollo"));
        EXPECT_EQ(rec_->boxes()[0].style, platform::msg::Information);
        EXPECT_EQ(rec_->boxes()[0].title, QStringLiteral("Atención!"));
        EXPECT_TRUE(menu->Label1->isHidden());
        EXPECT_EQ(QApplication::topLevelWidgets().size(), ventanas);
        EXPECT_TRUE(menu->isVisible());
    }
}

TEST_F(Form1Test, FramesShowOneAtATime)
{
    Form1* menu = abreMenu(TodosLosCodigos);
    const auto visibles = [menu] {
        QList<int> v;
        for (int i = 1; i <= 4; ++i) {
            if (menu->marco(i)->isVisible())
                v << i;
        }
        return v;
    };
    EXPECT_EQ(visibles(), QList<int>{1});
    const char* botones[] = {"XPButton13", "XPButton14", "XPButton30", "XPButton12"};
    const QList<int> esperado[] = {{2}, {3}, {4}, {1}};
    for (int i = 0; i < 4; ++i) {
        menu->boton(QString::fromLatin1(botones[i]))->click();
        EXPECT_EQ(visibles(), esperado[i]) << botones[i];
    }
    EXPECT_EQ(menu->marco(4)->title(), QStringLiteral("Módulo Fiscal"));
}

TEST_F(Form1Test, FunctionKeysOpenTheDeskToolsWhateverTheFocusAndModifiers)
{
    Form1* menu = abreMenu(QString());
    menu->boton(QStringLiteral("Command12"))->setFocus();
    QTest::keyClick(menu->windowHandle(), Qt::Key_F5);
    QTest::keyClick(menu->windowHandle(), Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(Sonda::creadas(), QStringList{QStringLiteral("fCalculator")}); // one calculator
    EXPECT_TRUE(windowRegistry().find(QStringLiteral("fCalculator"))->isVisible());

    QTest::keyClick(windowRegistry().find(QStringLiteral("fCalculator"))->windowHandle(), Qt::Key_F8);
    EXPECT_EQ(Sonda::creadas().size(), 1); // keys of the menu, not of the calculator
    menu->showModeless();
    QTest::keyClick(menu->windowHandle(), Qt::Key_F8, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(menu->windowHandle(), Qt::Key_F10);
    EXPECT_EQ(Sonda::creadas(), QStringList({QStringLiteral("fCalculator"), QStringLiteral("calendario"),
                                             QStringLiteral("Form18")}));
    EXPECT_TRUE(rec_->boxes().isEmpty());
}

TEST_F(Form1Test, F1OpensTheHelpFileOnlyWhenItExists)
{
    Escritorio escritorio;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &escritorio, "abre");
    Form1* menu = abreMenu(QString());

    QTest::keyClick(menu->windowHandle(), Qt::Key_F1);
    EXPECT_TRUE(escritorio.abiertas.isEmpty());

    QFile ayuda(home_.filePath(QStringLiteral("duroz.chm")));
    ASSERT_TRUE(ayuda.open(QIODevice::WriteOnly));
    ayuda.close();
    QTest::keyClick(menu->windowHandle(), Qt::Key_F1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(escritorio.abiertas, QList<QUrl>{QUrl::fromLocalFile(ayuda.fileName())});
    EXPECT_TRUE(rec_->boxes().isEmpty());
}

TEST_F(Form1Test, ItsLoadFillsTheThreeLookupLists)
{
    abreMenu(QString());
    const core::Sesion& s = core::sesion();
    EXPECT_EQ(s.rsloterias.recordCount(), 2);
    EXPECT_EQ(s.rsjugadas.recordCount(), 1);
    EXPECT_EQ(s.rsvendedores.recordCount(), 1);
}

TEST_F(Form1Test, ClosingTheMenuOrSalirEndsTheProgram)
{
    Form1* menu = abreMenu(QString());
    EXPECT_THROW(menu->close(), platform::ProgramEnded);
    EXPECT_EQ(rec_->programEnds(), 1);
    EXPECT_THROW(menu->boton(QStringLiteral("XPButton1"))->click(), platform::ProgramEnded);
    EXPECT_EQ(rec_->programEnds(), 2);
    EXPECT_TRUE(rec_->boxes().isEmpty());
}

#include "form1_test.moc"
