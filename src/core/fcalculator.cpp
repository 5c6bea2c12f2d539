#include "core/fcalculator.h"

#include "core/filtros.h"
#include "platform/regional.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

namespace core {

namespace {

// The keys, how each shows and its class, position by position. Enter (a
// carriage return) is the last key.
const QString Teclas = QStringLiteral("0123456789,.+-*/H^R[=CMXP\r");
const QString Muestra = QStringLiteral("0123456789,.+-×÷^^[[=CMXP=");
const QString Clases = QStringLiteral("00000000000011111111234562");

// Rows: states 1 to 9; columns: key classes 0 to 6. Each entry is the action
// code times 100 plus the next state.
constexpr std::array<std::array<int, 7>, 9> TablaEstados = {{
    {10402, 10503, 10001, 10101, 11008, 10001, 10001},
    {10302, 10503, 10002, 10201, 10002, 10002, 11502},
    {10404, 10003, 11605, 10906, 11804, 10003, 10003},
    {10304, 10803, 10605, 10207, 10004, 11704, 11504},
    {11902, 10703, 10005, 10101, 11008, 11705, 10005},
    {10006, 10503, 10006, 10101, 10006, 10006, 10006},
    {10404, 10007, 10007, 10101, 10007, 10007, 11504},
    {10008, 11205, 11109, 11305, 12005, 11409, 11505},
    {10009, 10507, 10009, 10101, 11008, 10009, 10009},
}};

const QString Coma = QStringLiteral(",");
const QString Menos = QStringLiteral("-");
const QString PrefijoError = QStringLiteral("Error ");

// The run-time error numbers an operation shows.
constexpr int ErrorArgumento = 5; // no real value
constexpr int ErrorDesborde = 6;
constexpr int ErrorDivisionCero = 11;

bool esError(const MaquinaCalculadora::Registro& r)
{
    return r.digitos.startsWith(PrefijoError);
}

bool esEntero(double v)
{
    return std::isfinite(v) && v == std::trunc(v);
}

// The value of a register that holds a number; empty digits, a lone "," or
// a lone sign count as 0.
double valor(const MaquinaCalculadora::Registro& r)
{
    double v = 0;
    if (!MaquinaCalculadora::leeNumero(r.digitos, &v))
        v = 0;
    return r.signo == Menos ? -v : v;
}

// x op y, or the error number of a failed operation.
struct Calculo {
    double valor = 0;
    int error = 0;
};

Calculo calcula(double x, QChar op, double y)
{
    Calculo c;
    switch (op.unicode()) {
    case u'+': c.valor = x + y; break;
    case u'-': c.valor = x - y; break;
    case u'×': c.valor = x * y; break;
    case u'÷':
        if (y == 0)
            return {0, x == 0 ? ErrorDesborde : ErrorDivisionCero};
        c.valor = x / y;
        break;
    case u'^':
        if (x < 0 && !esEntero(y))
            return {0, ErrorArgumento};
        if (x == 0 && y < 0)
            return {0, ErrorDivisionCero};
        c.valor = std::pow(x, y);
        break;
    case u'[': {
        if (x == 0)
            return {0, ErrorDivisionCero};
        const double exponente = 1 / x;
        if (y < 0 && !esEntero(exponente))
            return {0, ErrorArgumento};
        if (y == 0 && exponente < 0)
            return {0, ErrorDivisionCero};
        c.valor = std::pow(y, exponente);
        break;
    }
    default: return {0, ErrorArgumento}; // no operation pending: nothing to combine
    }
    if (std::isnan(c.valor))
        return {0, ErrorArgumento};
    if (std::isinf(c.valor))
        return {0, ErrorDesborde};
    return c;
}

} // namespace

MaquinaCalculadora::MaquinaCalculadora() : tabla_(TablaEstados) {}

bool MaquinaCalculadora::leeNumero(const QString& texto, double* valor)
{
    QString t = texto;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.isEmpty() || t.contains(QLatin1Char(' ')) || t.startsWith(QLatin1Char('+')) ||
        t.startsWith(QLatin1Char('-')))
        return false;
    if (t.startsWith(QLatin1Char('.')))
        t.prepend(QLatin1Char('0'));
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (ok && valor)
        *valor = v;
    return ok;
}

void MaquinaCalculadora::pita()
{
    if (pitido_)
        pitido_();
}

bool MaquinaCalculadora::tecla(QChar caracter)
{
    if (caracter == QLatin1Char('.'))
        caracter = QLatin1Char(',');
    const qsizetype posicion = Teclas.indexOf(caracter.toUpper());
    if (posicion < 0) {
        pita();
        return false;
    }
    const QChar clave = Muestra.at(posicion);
    const int clase = Clases.at(posicion).digitValue();
    const int entrada = tabla_[static_cast<size_t>(estado_ - 1)][static_cast<size_t>(clase)];
    ejecuta(entrada / 100, clave);
    estado_ = entrada % 100;
    return true;
}

void MaquinaCalculadora::limpiaOperacion()
{
    limpia(SegundoOperando);
    limpia(Resultado);
    operacion_.clear();
    igual_.clear();
}

void MaquinaCalculadora::agrega(int i, QChar clave)
{
    Registro& r = registros_[static_cast<size_t>(i)];
    if (esError(r) || (clave == QLatin1Char(',') && r.decimal == Coma) || r.digitos.size() >= MaxCaracteres) {
        pita();
        return;
    }
    r.digitos += clave;
    if (clave == QLatin1Char(','))
        r.decimal = Coma;
}

void MaquinaCalculadora::cambiaSigno(int i)
{
    Registro& r = registros_[static_cast<size_t>(i)];
    if (esError(r)) {
        pita();
        return;
    }
    r.signo = r.signo.isEmpty() ? Menos : QString();
}

void MaquinaCalculadora::combina(int destino, int x, QChar op, int y)
{
    const Registro& rx = registros_[static_cast<size_t>(x)];
    const Registro& ry = registros_[static_cast<size_t>(y)];
    Registro& r = registros_[static_cast<size_t>(destino)];
    const Registro* conError = esError(rx) ? &rx : esError(ry) ? &ry : nullptr;
    if (conError) {
        const QString digitos = conError->digitos;
        r.digitos = digitos;
        r.signo.clear();
        return;
    }
    const Calculo c = calcula(valor(rx), op, valor(ry));
    if (c.error) {
        r.digitos = PrefijoError + QString::number(c.error);
        r.signo.clear();
        return;
    }
    r.signo = c.valor < 0 ? Menos : QString();
    r.digitos = platform::regional::numberText(std::fabs(c.valor));
}

void MaquinaCalculadora::ejecuta(int accion, QChar clave)
{
    const QChar op = operacion_.isEmpty() ? QChar() : operacion_.at(0);
    switch (accion) {
    case 100: pita(); break;
    case 101:
        limpia(PrimerOperando);
        limpiaOperacion();
        actual_ = PrimerOperando;
        break;
    case 102: limpia(actual_); break;
    case 103: agrega(actual_, clave); break;
    case 104:
        limpia(actual_);
        agrega(actual_, clave);
        break;
    case 105:
        operacion_ = clave;
        actual_ = SegundoOperando;
        break;
    case 106:
        igual_ = QStringLiteral("=");
        combina(Resultado, PrimerOperando, op, SegundoOperando);
        break;
    case 107:
        registros_[PrimerOperando] = registros_[Resultado];
        limpiaOperacion();
        ejecuta(105, clave);
        break;
    case 108:
        ejecuta(106, clave);
        ejecuta(107, clave);
        break;
    case 109: operacion_.clear(); break;
    case 110: actual_ = Memoria; break;
    case 111:
        registros_[PrimerOperando] = registros_[Memoria];
        limpiaOperacion();
        break;
    case 112: combina(Memoria, Memoria, clave, Resultado); break;
    case 113: limpia(Memoria); break;
    case 114:
        std::swap(registros_[PrimerOperando], registros_[Memoria]);
        limpiaOperacion();
        break;
    case 115: cambiaSigno(actual_); break;
    case 116:
        registros_[SegundoOperando] = registros_[PrimerOperando];
        ejecuta(106, clave);
        break;
    case 117: std::swap(registros_[PrimerOperando], registros_[SegundoOperando]); break;
    case 118: registros_[SegundoOperando] = registros_[Memoria]; break;
    case 119:
        ejecuta(101, clave);
        agrega(PrimerOperando, clave);
        break;
    case 120: actual_ = PrimerOperando; break;
    default: pita(); break;
    }
}

// --- The window.

namespace {

const std::array<fCalculator::Boton, fCalculator::Botones> TablaBotones = {{
    {"0", "0", "Key 0"},  {"1", "1", "Key 1"}, {"2", "2", "Key 2"},          {"3", "3", "Key 3"},
    {"4", "4", "Key 4"},  {"5", "5", "Key 5"}, {"6", "6", "Key 6"},          {"7", "7", "Key 7"},
    {"8", "8", "Key 8"},  {"9", "9", "Key 9"}, {"+", "+", "Key +"},          {"-", "-", "Key -"},
    {"×", "*", "Key *"},  {"÷", "/", "Key /"}, {"R", "R", "Key R"},          {"M", "M", "Key M"},
    {"Ex", "X", "Key X"}, {"C", "C", "Key C"}, {"=", "=", "Enter or Key ="}, {"Salir", "OFF", "Quit"},
    {"^", "^", "Key ^"},  {"±", "P", "Key P"},
}};

// Where each button sits: row and column of the key pad.
struct Lugar {
    int fila;
    int columna;
};
constexpr std::array<Lugar, fCalculator::Botones> Lugares = {{
    {4, 0}, {3, 0}, {3, 1}, {3, 2}, {2, 0}, {2, 1}, {2, 2}, {1, 0}, {1, 1}, {1, 2}, {3, 3},
    {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 0}, {0, 1}, {4, 1}, {4, 2}, {5, 0}, {4, 3}, {5, 1},
}};

// The display pattern of "Bs." and "BsF.".
const QString PatronBs = QStringLiteral("###,###,###0.00");

const char* const AyudasRegistro[] = {"First Operand", "Second Operand", "Result", "Memory"};

QLabel* etiqueta(const QString& nombre, const QString& ayuda, Qt::Alignment alineacion)
{
    auto* l = new QLabel;
    l->setObjectName(nombre);
    l->setToolTip(ayuda);
    l->setAlignment(alineacion | Qt::AlignVCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumHeight(22);
    return l;
}

} // namespace

const std::array<fCalculator::Boton, fCalculator::Botones>& fCalculator::botones()
{
    return TablaBotones;
}

fCalculator::fCalculator()
    : lblOper(etiqueta(QStringLiteral("lblOper"), QStringLiteral("Operation"), Qt::AlignHCenter))
    , lblEqual(etiqueta(QStringLiteral("lblEqual"), QString(), Qt::AlignHCenter))
    , pic(new QFrame)
    , Command1(new QPushButton(QStringLiteral("Bs.")))
    , Command2(new QPushButton(QStringLiteral("BsF.")))
{
    setWindowTitle(QStringLiteral("Calculadora"));
    setFrame({.fixedBorder = true, .maxButton = false});
    maquina_.setPitido([] { QApplication::beep(); });

    auto* pantalla = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        lblVZ[static_cast<size_t>(i)] = etiqueta(QStringLiteral("lblVZ_%1").arg(i), QStringLiteral("Sign"),
                                                 Qt::AlignHCenter);
        lblReg[static_cast<size_t>(i)] = etiqueta(QStringLiteral("lblReg_%1").arg(i),
                                                  QString::fromLatin1(AyudasRegistro[i]), Qt::AlignRight);
        lblVZ[static_cast<size_t>(i)]->setFixedWidth(22);
        pantalla->addWidget(lblVZ[static_cast<size_t>(i)], i, 0);
        pantalla->addWidget(lblReg[static_cast<size_t>(i)], i, 1);
    }
    lblOper->setFixedWidth(22);
    lblEqual->setFixedWidth(22);
    pantalla->addWidget(lblOper, 1, 2);
    pantalla->addWidget(lblEqual, 2, 2);
    pantalla->setColumnStretch(1, 1);

    pic->setObjectName(QStringLiteral("pic"));
    pic->setFocusPolicy(Qt::StrongFocus);
    pic->setFixedHeight(4);

    auto* teclado = new QGridLayout;
    for (int i = 0; i < Botones; ++i) {
        const Boton& b = TablaBotones[static_cast<size_t>(i)];
        auto* boton = new QPushButton(QString::fromUtf8(b.caption));
        boton->setObjectName(QStringLiteral("btButton_%1").arg(i));
        boton->setToolTip(QString::fromLatin1(b.tooltip));
        boton->setFocusPolicy(Qt::TabFocus);
        connect(boton, &QPushButton::clicked, this, [this, i] { pulsa(i); });
        const Lugar l = Lugares[static_cast<size_t>(i)];
        teclado->addWidget(boton, l.fila, l.columna);
        btButton[static_cast<size_t>(i)] = boton;
    }
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command1, &QPushButton::clicked, this, &fCalculator::convierteBs);
    connect(Command2, &QPushButton::clicked, this, &fCalculator::convierteBsF);
    teclado->addWidget(Command1, 5, 2);
    teclado->addWidget(Command2, 5, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pantalla);
    layout->addWidget(pic);
    layout->addLayout(teclado);
    pic->setFocus();
}

void fCalculator::teclea(QChar caracter)
{
    if (maquina_.tecla(caracter))
        dibuja();
}

void fCalculator::pulsa(int indice)
{
    const QString tag = QString::fromLatin1(TablaBotones[static_cast<size_t>(indice)].tag);
    if (tag == QStringLiteral("OFF")) {
        close();
        return;
    }
    pic->setFocus();
    teclea(tag.at(0));
}

void fCalculator::dibuja()
{
    for (int i = 0; i < 4; ++i) {
        const auto& r = maquina_.registro(i);
        lblReg[static_cast<size_t>(i)]->setText(r.digitos);
        lblVZ[static_cast<size_t>(i)]->setText(r.signo);
    }
    lblOper->setText(maquina_.operacion());
    lblEqual->setText(maquina_.igual());
}

void fCalculator::convierte(bool multiplica)
{
    namespace regional = platform::regional;
    for (QLabel* etiqueta : lblReg) {
        const QString texto = etiqueta->text();
        if (texto.isEmpty())
            continue;
        const std::optional<platform::Decimal> numero = regional::parseDecimal(texto);
        if (!numero)
            continue; // an error shown, or a lone ","
        try {
            // "Bs." multiplies in decimal arithmetic, "BsF." divides the double.
            etiqueta->setText(multiplica ? regional::format(*numero * platform::Decimal(1000), PatronBs)
                                         : regional::format(numero->toDouble() / 1000, PatronBs));
        } catch (const std::exception&) {
            QApplication::beep(); // beyond what a decimal holds: left as shown
        }
    }
}

void fCalculator::convierteBs()
{
    convierte(true);
}

void fCalculator::convierteBsF()
{
    convierte(false);
}

bool fCalculator::onKeyPreview(QKeyEvent* evento)
{
    const int codigo = codigotecla(*evento);
    if (codigo == TeclaEsc) {
        close();
        return true;
    }
    if (codigo < 0 || evento->text().isEmpty())
        return false; // keys that type nothing (arrows, Tab) move as usual
    teclea(evento->text().at(0));
    return true;
}

} // namespace core
