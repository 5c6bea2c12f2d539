#include "core/filtros.h"
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
