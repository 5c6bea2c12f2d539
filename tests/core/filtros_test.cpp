#include "core/filtros.h"
#include "messagerecorder.h"
#include "pegado.h"
#include "qtprint.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using namespace core;

namespace {

// One key typed into a box that starts with `antes`, selected whole or not.
struct CasoTecla {
    const char* antes;
    bool seleccionado;
    Qt::Key tecla;
    const char* despues;
};

enum class Filtro { Decimal, Entero };

QString escribe(Filtro filtro, const CasoTecla& caso)
{
    QLineEdit caja;
    filtro == Filtro::Decimal ? conectafiltrodecimal(&caja) : conectafiltroentero(&caja);
    caja.setText(QString::fromUtf8(caso.antes));
    if (caso.seleccionado)
        caja.selectAll();
    else
        caja.end(false);
    QTest::keyClick(&caja, caso.tecla);
    return caja.text();
}

} // namespace

class FiltroDecimalTest : public ::testing::TestWithParam<CasoTecla> {};
class FiltroEnteroTest : public ::testing::TestWithParam<CasoTecla> {};

TEST_P(FiltroDecimalTest, TakesDigitsOnePointBackspaceAndEnter)
{
    EXPECT_EQ(escribe(Filtro::Decimal, GetParam()), QString::fromUtf8(GetParam().despues))
        << "antes " << GetParam().antes << " tecla " << GetParam().tecla;
}

TEST_P(FiltroEnteroTest, TakesDigitsBackspaceAndEnter)
{
    EXPECT_EQ(escribe(Filtro::Entero, GetParam()), QString::fromUtf8(GetParam().despues))
        << "antes " << GetParam().antes << " tecla " << GetParam().tecla;
}

INSTANTIATE_TEST_SUITE_P(
    Teclas, FiltroDecimalTest,
    ::testing::Values(CasoTecla{"", false, Qt::Key_1, "1"}, CasoTecla{"1", false, Qt::Key_Period, "1."},
                      CasoTecla{"1.", false, Qt::Key_5, "1.5"},
                      CasoTecla{"1.5", false, Qt::Key_Period, "1.5"},  // a second point
                      CasoTecla{"12.5", true, Qt::Key_Period, "12.5"}, // the selection counts
                      CasoTecla{"12.5", true, Qt::Key_7, "7"}, CasoTecla{"12", false, Qt::Key_Comma, "12"},
                      CasoTecla{"12,5", false, Qt::Key_Comma, "12,5"},
                      CasoTecla{"12,5", false, Qt::Key_Backspace, "12,"},
                      CasoTecla{"12", false, Qt::Key_Minus, "12"}, CasoTecla{"12", false, Qt::Key_Plus, "12"},
                      CasoTecla{"12", false, Qt::Key_A, "12"}, CasoTecla{"12", false, Qt::Key_Space, "12"},
                      CasoTecla{"12", false, Qt::Key_Return, "12"}));

INSTANTIATE_TEST_SUITE_P(
    Teclas, FiltroEnteroTest,
    ::testing::Values(CasoTecla{"", false, Qt::Key_5, "5"}, CasoTecla{"5", false, Qt::Key_Period, "5"},
                      CasoTecla{"5", false, Qt::Key_Comma, "5"}, CasoTecla{"5", false, Qt::Key_Minus, "5"},
                      CasoTecla{"5", false, Qt::Key_E, "5"}, CasoTecla{"58", false, Qt::Key_Backspace, "5"},
                      CasoTecla{"5", false, Qt::Key_Return, "5"}));

TEST(FiltrosTest, ControlCharactersOtherThanBackspaceAndEnterAreDropped)
{
    for (int tecla : {1, 3, 9, 22, TeclaEsc, 127}) {
        EXPECT_EQ(filtrodecimal(QString(), tecla), 0) << tecla;
        EXPECT_EQ(filtroentero(tecla), 0) << tecla;
    }
    EXPECT_EQ(filtrodecimal(QStringLiteral("1,5"), TeclaBackspace), TeclaBackspace);
    EXPECT_EQ(filtroentero(TeclaEnter), TeclaEnter);
}

TEST(FiltrosTest, TextSetByTheWindowIsNotFiltered)
{
    QLineEdit caja;
    conectafiltroentero(&caja);
    caja.setText(QStringLiteral("2,5x"));
    EXPECT_EQ(caja.text(), QStringLiteral("2,5x"));
}

TEST(FiltrosTest, SeleccionatodoSelectsTheWholeTextOnFocus)
{
    QWidget ventana;
    auto* layout = new QVBoxLayout(&ventana);
    auto* primera = new QLineEdit;
    auto* llena = new QLineEdit(QStringLiteral("12.5"));
    auto* vacia = new QLineEdit;
    for (QLineEdit* caja : {primera, llena, vacia})
        layout->addWidget(caja);
    conectaseleccionatodo(llena);
    conectaseleccionatodo(vacia);
    ventana.show();
    QApplication::setActiveWindow(&ventana);

    llena->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(llena->selectedText(), QStringLiteral("12.5"));
    vacia->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(vacia->selectedText().isEmpty());
    EXPECT_EQ(vacia->selectionStart(), -1);
}

TEST(FiltrosTest, TeclasventanaClosesOnEscAndRunsTheMainActionOnEnter)
{
    int cierres = 0;
    int acciones = 0;
    const auto cerrar = [&] { ++cierres; };
    const auto grabar = [&] { ++acciones; };
    struct Caso {
        Qt::Key tecla;
        int cierres;
        int acciones;
    };
    const Caso casos[] = {{Qt::Key_Escape, 1, 0},
                          {Qt::Key_Return, 1, 1},
                          {Qt::Key_Enter, 1, 2},
                          {Qt::Key_A, 1, 2},
                          {Qt::Key_F5, 1, 2}};
    for (const Caso& caso : casos) {
        QKeyEvent evento(QEvent::KeyPress, caso.tecla, Qt::NoModifier,
                         caso.tecla == Qt::Key_A ? QStringLiteral("a") : QString());
        EXPECT_FALSE(teclasventana(evento, cerrar, grabar)) << "the key goes on to the control";
        EXPECT_EQ(cierres, caso.cierres) << caso.tecla;
        EXPECT_EQ(acciones, caso.acciones) << caso.tecla;
    }
    // A window without a main action: Enter does nothing.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    teclasventana(enter, cerrar);
    EXPECT_EQ(acciones, 2);
}

struct CasoImporte {
    const char* texto;
    int precision;
    int escala;
    bool cabe;
};

class CabeImporteTest : public ::testing::TestWithParam<CasoImporte> {};

TEST_P(CabeImporteTest, WholeDigitsAndDecimalsWithinThePrecisionAndScale)
{
    EXPECT_EQ(cabeImporte(QString::fromUtf8(GetParam().texto), GetParam().precision, GetParam().escala),
              GetParam().cabe)
        << GetParam().texto << " " << GetParam().precision << "," << GetParam().escala;
}

INSTANTIATE_TEST_SUITE_P(
    Importes, CabeImporteTest,
    ::testing::Values(CasoImporte{"999999", 9, 3, true}, CasoImporte{"9999999", 9, 3, false},
                      CasoImporte{"999999.999", 9, 3, true}, CasoImporte{"1.2345", 9, 3, false},
                      CasoImporte{"0000001", 9, 3, true}, // leading zeros take no room
                      CasoImporte{"12,5", 9, 3, true}, CasoImporte{".5", 9, 3, true},
                      CasoImporte{"", 9, 3, true}, CasoImporte{"1.2.3", 9, 3, false},
                      CasoImporte{"-1", 9, 3, false}, CasoImporte{"123456789012345", 18, 3, true},
                      CasoImporte{"1234567890123456", 18, 3, false}, CasoImporte{"1.5", 9, 0, false}));

// Typing 99999999999 into an amount box of a decimal 9,3 parameter stops at
// the six whole digits the parameter holds; a window's own text is not cut.
TEST(FiltrosTest, AnAmountBoxTakesNoMoreThanItsParameterHolds)
{
    QLineEdit caja;
    conectafiltrodecimal(&caja);
    conectaLimiteImporte(&caja, 9, 3);
    QTest::keyClicks(&caja, QStringLiteral("99999999999"));
    EXPECT_EQ(caja.text(), QStringLiteral("999999"));
    QTest::keyClicks(&caja, QStringLiteral(".12345"));
    EXPECT_EQ(caja.text(), QStringLiteral("999999.123"));
    QTest::keyClick(&caja, Qt::Key_Backspace);
    EXPECT_EQ(caja.text(), QStringLiteral("999999.12"));
    QTest::keyClick(&caja, Qt::Key_A);
    EXPECT_EQ(caja.text(), QStringLiteral("999999.12")) << "the decimal filter still holds";

    // Typing over a selection counts what it replaces as room.
    caja.selectAll();
    QTest::keyClick(&caja, Qt::Key_7);
    EXPECT_EQ(caja.text(), QStringLiteral("7"));

    caja.setText(QStringLiteral("12345678"));
    EXPECT_EQ(caja.text(), QStringLiteral("12345678"));
}

// The one length limit: typing stops at the limit, a selection counts as
// room, and a longer text the window puts in stays whole.
TEST(FiltrosTest, TheLengthLimitBindsOnlyWhatIsTyped)
{
    QLineEdit caja;
    conectaLimite(&caja, 2);
    conectaseleccionatodo(&caja);
    QTest::keyClicks(&caja, QStringLiteral("ABC"));
    EXPECT_EQ(caja.text(), QStringLiteral("AB"));
    QTest::keyClick(&caja, Qt::Key_Backspace);
    QTest::keyClicks(&caja, QStringLiteral("Z"));
    EXPECT_EQ(caja.text(), QStringLiteral("AZ"));
    caja.setSelection(1, 1);
    QTest::keyClicks(&caja, QStringLiteral("Q"));
    EXPECT_EQ(caja.text(), QStringLiteral("AQ"));
    caja.setText(QStringLiteral("LARGO"));
    EXPECT_EQ(caja.text(), QStringLiteral("LARGO"));
    QTest::keyClicks(&caja, QStringLiteral("X"));
    EXPECT_EQ(caja.text(), QStringLiteral("LARGO"));
}

namespace {

// A box of each kind the windows have, pasted into: `antes` selected whole
// when `seleccionado`, then `pegado`.
enum class Caja { Codigo, Nombre, ImporteComoTexto, Importe };

struct CasoPegado {
    Caja caja;
    const char* antes;
    bool seleccionado;
    const char* pegado;
    const char* despues;
    const char* mensaje; // "" when the paste goes in, or is refused without one
};

void prepara(QLineEdit& caja, Caja tipo)
{
    switch (tipo) {
    case Caja::Codigo:
        conectaseleccionatodo(&caja);
        conectaLimite(&caja, 3, QStringLiteral("Còdigo"));
        break;
    case Caja::Nombre: conectaLimite(&caja, 25, QStringLiteral("Nombre")); break;
    case Caja::ImporteComoTexto: // numeric(18,2) sent as a text of ten characters
        conectafiltrodecimal(&caja);
        conectaLimiteImporte(&caja, 18, 2);
        conectaLimite(&caja, 10, QStringLiteral("Comi. Jefe"));
        break;
    case Caja::Importe: // decimal(9,3), named by its caption
        caja.setAccessibleName(QStringLiteral("Limites Triples"));
        conectafiltrodecimal(&caja);
        conectaLimiteImporte(&caja, 9, 3);
        break;
    }
}

} // namespace

class PegadoTest : public ::testing::TestWithParam<CasoPegado> {};

// Whatever way a text is pasted, the box holds no more than its parameter:
// a paste that would not fit is refused whole, never cut, and the operator
// is told why; one that fits goes in as it is.
TEST_P(PegadoTest, APasteThatWouldNotFitIsRefusedWholeAndTold)
{
    const CasoPegado& caso = GetParam();
    for (testsupport::Pegado como : {testsupport::Pegado::Teclado, testsupport::Pegado::Menu}) {
        // Ctrl+V is a control character the decimal filter drops: an amount
        // box takes pastes from its menu only.
        if (como == testsupport::Pegado::Teclado &&
            (caso.caja == Caja::ImporteComoTexto || caso.caja == Caja::Importe))
            continue;
        testsupport::MessageRecorder mensajes;
        QWidget ventana;
        auto* caja = new QLineEdit(&ventana);
        prepara(*caja, caso.caja);
        caja->setText(QString::fromUtf8(caso.antes));
        ventana.show();
        caja->setFocus();
        if (caso.seleccionado)
            caja->selectAll();
        else
            caja->end(false);
        testsupport::pega(caja, QString::fromUtf8(caso.pegado), como);
        EXPECT_EQ(caja->text(), QString::fromUtf8(caso.despues)) << caso.pegado << " by " << nombre(como);
        const QString mensaje = QString::fromUtf8(caso.mensaje);
        EXPECT_EQ(mensajes.prompts(), mensaje.isEmpty() ? QStringList() : QStringList{mensaje})
            << caso.pegado << " by " << nombre(como);
        if (!mensaje.isEmpty()) {
            EXPECT_EQ(mensajes.boxes().value(0).style, platform::msg::Critical);
            EXPECT_EQ(mensajes.boxes().value(0).title, QStringLiteral("Atención!"));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cajas, PegadoTest,
    ::testing::Values(
        CasoPegado{Caja::Codigo, "", false, "0042", "", "El campo Còdigo no puede tener más de 3 caracteres"},
        CasoPegado{Caja::Codigo, "", false, "042", "042", ""},
        CasoPegado{Caja::Codigo, "12", false, "34", "12",
                   "El campo Còdigo no puede tener más de 3 caracteres"},
        CasoPegado{Caja::Codigo, "123", true, "456", "456", ""}, // the selection is replaced: room
        CasoPegado{Caja::Nombre, "", false, "VENDEDOR DE NOMBRE MUY LARGO", "",
                   "El campo Nombre no puede tener más de 25 caracteres"},
        CasoPegado{Caja::Nombre, "", false, "LOTERIA DEL ZULIA", "LOTERIA DEL ZULIA", ""},
        CasoPegado{Caja::ImporteComoTexto, "", false, "12345678901.5", "",
                   "El campo Comi. Jefe no puede tener más de 10 caracteres"},
        CasoPegado{Caja::ImporteComoTexto, "", false, "0000000001.50", "",
                   "El campo Comi. Jefe no puede tener más de 10 caracteres"},
        CasoPegado{Caja::ImporteComoTexto, "", false, "1234567.89", "1234567.89", ""},
        // An amount the parameter cannot hold is refused as a typed key is.
        CasoPegado{Caja::ImporteComoTexto, "", false, "12.345", "", ""},
        CasoPegado{Caja::ImporteComoTexto, "", false, "1O", "", ""},
        CasoPegado{Caja::Importe, "", false, "1234567", "", ""},
        CasoPegado{Caja::Importe, "", false, "1.2345", "", ""},
        CasoPegado{Caja::Importe, "5", false, "00.125", "500.125", ""}));

// A text the window itself puts in is never cut, however long; the save
// check finds it, names the box, gives it the focus and refuses; typing
// cannot make it longer.
TEST(FiltrosTest, TheSaveRefusesATextTheWindowPutInBeyondItsParameter)
{
    testsupport::MessageRecorder mensajes;
    QWidget ventana;
    auto* layout = new QVBoxLayout(&ventana);
    auto* codigo = new QLineEdit;
    auto* nombre = new QLineEdit;
    auto* libre = new QLineEdit;
    for (QLineEdit* caja : {codigo, nombre, libre})
        layout->addWidget(caja);
    conectaLimite(codigo, 2, QStringLiteral("Jugada"), 3);
    conectaLimite(nombre, 20, QStringLiteral("Nombre"), 25);
    ventana.show();
    QApplication::setActiveWindow(&ventana);
    libre->setText(QString(300, QLatin1Char('x')));

    codigo->setText(QStringLiteral("ABC")); // what the parameter holds
    nombre->setText(QString(25, QLatin1Char('N')));
    EXPECT_TRUE(cabenLimites(&ventana));
    EXPECT_TRUE(mensajes.boxes().isEmpty()) << mensajes.prompts().join(u'|').toStdString();

    nombre->setText(QString(26, QLatin1Char('N')));
    QCoreApplication::processEvents();
    EXPECT_EQ(nombre->text().size(), 26) << "the window's own text is not cut";
    EXPECT_TRUE(mensajes.boxes().isEmpty()) << "setting a text tells nothing";
    libre->setFocus();
    EXPECT_FALSE(cabenLimites(&ventana));
    EXPECT_EQ(mensajes.prompts(),
              QStringList{QStringLiteral("El campo Nombre no puede tener más de 25 caracteres")});
    EXPECT_EQ(QApplication::focusWidget(), nombre);

    nombre->end(false);
    QTest::keyClicks(nombre, QStringLiteral("Z"));
    EXPECT_EQ(nombre->text(), QString(26, QLatin1Char('N')));
    QTest::keyClick(nombre, Qt::Key_Backspace);
    EXPECT_EQ(nombre->text(), QString(25, QLatin1Char('N')));
    EXPECT_TRUE(cabenLimites(&ventana));
}
