// The desk calculator: key sequences typed into the window and what its
// registers show; the buttons, the display conversions and the closing.

#include "core/fcalculator.h"
#include "platform/ui/windowregistry.h"
#include "core/registerwindows.h"
#include "qtprint.h"
#include "ventanasprueba.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

using core::fCalculator;
using platform::ui::windowRegistry;

namespace {

// What the window shows after a sequence of typed characters: each register
// as its sign and digits, the operation and the equal mark, and the beeps.
struct Pantalla {
    QString primero, segundo, resultado, memoria, operacion, igual;
    int pitidos = 0;
    bool operator==(const Pantalla&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Pantalla& p)
{
    return os << "[" << p.primero.toStdString() << " | " << p.segundo.toStdString() << " | "
              << p.resultado.toStdString() << " | M " << p.memoria.toStdString() << " | op "
              << p.operacion.toStdString() << " " << p.igual.toStdString() << " | beeps " << p.pitidos << "]";
}

class Calculadora {
public:
    Calculadora()
    {
        ventanasprueba::limpiaVentanas();
        core::registerWindows(windowRegistry());
        ventana = windowRegistry().get<fCalculator>(QStringLiteral("fCalculator"));
        ventana->setPitido([this] { ++pitidos; });
        ventana->showModeless();
    }
    ~Calculadora() { ventanasprueba::limpiaVentanas(); }

    // Types each character as a key of the keyboard; "\r" is Enter, "\b"
    // Backspace.
    void teclea(const QString& secuencia) const
    {
        for (const QChar c : secuencia) {
            if (c == QLatin1Char('\r'))
                QTest::keyClick(ventana->windowHandle(), Qt::Key_Return);
            else if (c == QLatin1Char('\b'))
                QTest::keyClick(ventana->windowHandle(), Qt::Key_Backspace);
            else
                QTest::keyClick(ventana->windowHandle(), c.toLatin1());
        }
    }

    QString registro(int i) const
    {
        return ventana->lblVZ[static_cast<size_t>(i)]->text() +
               ventana->lblReg[static_cast<size_t>(i)]->text();
    }

    Pantalla pantalla() const
    {
        return {registro(0),
                registro(1),
                registro(2),
                registro(3),
                ventana->lblOper->text(),
                ventana->lblEqual->text(),
                pitidos};
    }

    fCalculator* ventana = nullptr;
    int pitidos = 0;
};

struct Caso {
    const char* teclas;
    Pantalla pantalla;
};

QString u(const char* texto)
{
    return QString::fromUtf8(texto);
}

Pantalla P(const char* r0, const char* r1, const char* r2, const char* r3, const char* op, const char* igual,
           int pitidos = 0)
{
    return {u(r0), u(r1), u(r2), u(r3), u(op), u(igual), pitidos};
}

} // namespace

TEST(FCalculatorTest, KeySequencesShowTheirRegisters)
{
    const Caso casos[] = {
        // "=" right after an operation takes the first operand as the second.
        {"5+=", P("5", "5", "10", "", "+", "=")},
        {"2[9=", P("2", "9", "3", "", "[", "=")},
        {"2r9=", P("2", "9", "3", "", "[", "=")},
        {"2^10=", P("2", "10", "1024", "", "^", "=")},
        {"2h10=", P("2", "10", "1024", "", "^", "=")},
        {"9-12=", P("9", "12", "-3", "", "-", "=")},
        {"6*7\r", P("6", "7", "42", "", "×", "=")},
        {"1/4=", P("1", "4", "0,25", "", "÷", "=")},
        {"0,1+0,2=", P("0,1", "0,2", "0,3", "", "+", "=")},
        {"1000000*1000000000=", P("1000000", "1000000000", "1E+15", "", "×", "=")},
        {"1.5", P("1,5", "", "", "", "", "")},
        // The entry rule: fourteen characters, one ",".
        {"123456789012345", P("12345678901234", "", "", "", "", "", 1)},
        {"1,2,3", P("1,23", "", "", "", "", "", 1)},
        {",5+1=", P(",5", "1", "1,5", "", "+", "=")},
        {"007", P("007", "", "", "", "", "")},
        // A chained operation.
        {"5+3+", P("8", "", "", "", "+", "")},
        {"5+3=*2=", P("8", "2", "16", "", "×", "=")},
        {"5+3=4", P("4", "", "", "", "", "")},
        // Sign changes.
        {"8p", P("-8", "", "", "", "", "")},
        {"8pp", P("8", "", "", "", "", "")},
        {"5-8p=", P("5", "-8", "13", "", "-", "=")},
        // "C" and the exchange.
        {"12C", P("", "", "", "", "", "")},
        {"5+3C", P("5", "", "", "", "+", "")},
        {"5+C", P("5", "", "", "", "", "")},
        {"5+C+2=", P("5", "2", "7", "", "+", "=")},
        {"5+3X", P("3", "5", "", "", "+", "")},
        {"5+3=x", P("3", "5", "8", "", "+", "=")},
        // The memory.
        {"7+=M+", P("7", "7", "14", "14", "+", "=")},
        {"7+=M+2*3=M+", P("2", "3", "6", "20", "×", "=")},
        {"7+=M+2*3=M=", P("14", "", "", "14", "", "")},
        {"7+=M+2*3=MX", P("14", "", "", "2", "", "")},
        {"7+=M+MC", P("7", "7", "14", "", "+", "=")},
        {"7+=M+MM", P("7", "7", "14", "14", "+", "=")},
        {"7+=M+5+M=", P("5", "14", "19", "14", "+", "=")},
        {"7+=M+MP", P("7", "7", "14", "-14", "+", "=")},
        {"7+=M*", P("7", "7", "14", "0", "+", "=")}, // an empty memory counts as 0
        // Keys that are not the calculator's, and keys the state refuses.
        {"5A\b", P("5", "", "", "", "", "", 2)},
        {"=", P("", "", "", "", "", "", 1)},
        {"7+=M5", P("7", "7", "14", "", "+", "=", 1)},
        {"5M", P("5", "", "", "", "", "", 1)},
        // Failed operations.
        {"7/0=", P("7", "0", "Error 11", "", "÷", "=")},
        {"0/0=", P("0", "0", "Error 6", "", "÷", "=")},
        {"0[5=", P("0", "5", "Error 11", "", "[", "=")},
        {"8p^0,5=", P("-8", "0,5", "Error 5", "", "^", "=")},
        {"2[8p=", P("2", "-8", "Error 5", "", "[", "=")},
        {"0^1p=", P("0", "-1", "Error 11", "", "^", "=")},
        {"9^999=", P("9", "999", "Error 6", "", "^", "=")},
        // An error goes on into what is computed from it, and takes no keys.
        {"7/0=+5=", P("Error 11", "5", "Error 11", "", "+", "=")},
        {"7/0=M+", P("7", "0", "Error 11", "Error 11", "÷", "=")},
        {"7/0=M+5+MP3=", P("5", "Error 11", "Error 11", "Error 11", "+", "=", 2)},
        {"7/0=5", P("5", "", "", "", "", "")},
        // Operands that hold no number count as 0.
        {"+=", P("", "", "0", "", "+", "=")},
        {",+2=", P(",", "2", "2", "", "+", "=")},
        {"5+3CP=", P("5", "-", "5", "", "+", "=")},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.teclas);
        Calculadora calc;
        calc.teclea(u(caso.teclas));
        EXPECT_EQ(calc.pantalla(), caso.pantalla);
    }
}

TEST(FCalculatorTest, EachOpeningStartsClear)
{
    {
        Calculadora calc;
        calc.teclea(QStringLiteral("7+=M+5"));
    }
    Calculadora otra;
    EXPECT_EQ(otra.pantalla(), P("", "", "", "", "", ""));
    EXPECT_EQ(otra.ventana->maquina().estado(), 1);
    otra.teclea(QStringLiteral("="));
    EXPECT_EQ(otra.pantalla(), P("", "", "", "", "", "", 1));
    otra.teclea(QStringLiteral("+="));
    EXPECT_EQ(otra.pantalla(), P("", "", "0", "", "+", "=", 1));
}

TEST(FCalculatorTest, ButtonsTypeTheirTagAndGiveTheFocusBack)
{
    Calculadora calc;
    const auto& botones = fCalculator::botones();
    const char* captions[] = {"0", "1", "2", "3", "4", "5",  "6", "7", "8",     "9", "+",
                              "-", "×", "÷", "R", "M", "Ex", "C", "=", "Salir", "^", "±"};
    for (int i = 0; i < fCalculator::Botones; ++i) {
        EXPECT_EQ(calc.ventana->btButton[static_cast<size_t>(i)]->text(), u(captions[i])) << i;
        EXPECT_EQ(u(botones[static_cast<size_t>(i)].caption), u(captions[i])) << i;
    }
    EXPECT_EQ(calc.ventana->btButton[18]->toolTip(), QStringLiteral("Enter or Key ="));
    EXPECT_EQ(calc.ventana->lblReg[3]->toolTip(), QStringLiteral("Memory"));

    // 9 - 12 ± = by clicks: the sign acts on the entry being typed.
    for (int i : {9, 11, 1, 2, 21, 18})
        calc.ventana->btButton[static_cast<size_t>(i)]->click();
    EXPECT_EQ(calc.pantalla(), P("9", "-12", "21", "", "-", "="));
    EXPECT_EQ(calc.ventana->focusWidget(), calc.ventana->pic);
    calc.ventana->btButton[16]->click(); // "Ex"
    EXPECT_EQ(calc.pantalla(), P("-12", "9", "21", "", "-", "="));
}

TEST(FCalculatorTest, BsAndBsFConvertOnlyWhatTheLabelsShow)
{
    Calculadora calc;
    calc.teclea(QStringLiteral("1,5"));
    calc.ventana->Command1->click();
    EXPECT_EQ(calc.ventana->lblReg[0]->text(), QStringLiteral("1.500,00"));
    EXPECT_EQ(calc.ventana->maquina().registro(0).digitos, QStringLiteral("1,5"));
    calc.ventana->Command1->click(); // twice converts twice
    EXPECT_EQ(calc.ventana->lblReg[0]->text(), QStringLiteral("1.500.000,00"));
    calc.teclea(QStringLiteral("2")); // the next key shows the register again
    EXPECT_EQ(calc.ventana->lblReg[0]->text(), QStringLiteral("1,52"));

    struct C {
        const char* teclas;
        bool bs;
        const char* r0;
        const char* r2;
    };
    const C casos[] = {
        {"5", false, "0,01", ""}, // 0.005: halves go away from zero
        {"4", false, "0,00", ""}, // 0.004
        {"1234567", false, "1.234,57", ""},
        {"7/0=", true, "7.000,00", "Error 11"},  // an error is left as it is
        {"9-12=", true, "9.000,00", "3.000,00"}, // the sign stays beside it
    };
    for (const C& c : casos) {
        SCOPED_TRACE(c.teclas);
        Calculadora otra;
        otra.teclea(u(c.teclas));
        (c.bs ? otra.ventana->Command1 : otra.ventana->Command2)->click();
        EXPECT_EQ(otra.ventana->lblReg[0]->text(), u(c.r0));
        EXPECT_EQ(otra.ventana->lblReg[2]->text(), u(c.r2));
        EXPECT_TRUE(otra.ventana->lblReg[3]->text().isEmpty());
    }
}

TEST(FCalculatorTest, EscAndSalirClose)
{
    {
        Calculadora calc;
        QTest::keyClick(calc.ventana->windowHandle(), Qt::Key_Escape);
        EXPECT_TRUE(calc.ventana->isUnloaded());
    }
    Calculadora calc;
    calc.ventana->btButton[19]->click();
    EXPECT_TRUE(calc.ventana->isUnloaded());
    EXPECT_EQ(calc.pitidos, 0);
}
