#include "draws/form17.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/masteredita.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/db/command.h"
#include "platform/messages.h"
#include "platform/regional.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

namespace draws {

namespace db = platform::db;
namespace msg = platform::msg;
using platform::regional::toText;
using platform::vb::rtrim;
using platform::vb::trim;

namespace {

QLineEdit* caja(int ancho)
{
    auto* c = new QLineEdit;
    core::conectaLimite(c, ancho);
    c->setMaximumWidth(60);
    return c;
}

QComboBox* listaEditable()
{
    auto* lista = new QComboBox;
    lista->setEditable(true);
    lista->setInsertPolicy(QComboBox::NoInsert);
    lista->setMinimumWidth(220);
    return lista;
}

QString item(const QVariant& codigo, const QVariant& nombre)
{
    return toText(codigo) + QStringLiteral(" - ") + toText(nombre);
}

// The first triple's box: Backspace, the digits, and one "*".
bool dejaPasarTriple(const QString& texto, int tecla)
{
    if (tecla < 0 || tecla == core::TeclaBackspace || (tecla >= '0' && tecla <= '9'))
        return true;
    return tecla == '*' && !texto.contains(QLatin1Char('*'));
}

} // namespace

Form17::Form17()
    : Combo1(listaEditable())
    , eslafeCha(new QDateEdit)
    , Text2(caja(3))
    , Text3(caja(3))
    , Text4(caja(3))
    , Text5(caja(2))
    , Text6(caja(2))
    , Text7(caja(2))
    , Text1(caja(1))
    , Text13(caja(3))
    , Text12(caja(3))
    , Text11(caja(3))
    , Combo2(listaEditable())
    , Combo3(listaEditable())
    , Text8(caja(3))
    , Text10(caja(2))
    , List1(new QListWidget)
    , List2(new QListWidget)
    , Premiar(new QPushButton(QStringLiteral("Guardar Premios")))
    , Command1(new QPushButton(QStringLiteral("Regresar")))
{
    setWindowTitle(QStringLiteral("Quorvelin On Line - Modulo de Premiación de Loterias"));
    setFrame({.fixedBorder = true, .minButton = false, .maxButton = false, .centred = true});
    eslafeCha->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    eslafeCha->setDateRange(QDate(2004, 1, 1), QDate(9999, 12, 31));
    for (QLineEdit* c : {Text3, Text4, Text5, Text6, Text7, Text1, Text13, Text12, Text11, Text8, Text10})
        core::conectafiltroentero(c);
    Text2->installEventFilter(this);
    Combo2->installEventFilter(this);
    List1->setMaximumHeight(70);
    List2->setMaximumHeight(70);

    auto* digito = new QGroupBox(QStringLiteral("< Premiación del Digito >"));
    auto* fila = new QHBoxLayout(digito);
    fila->addWidget(new QLabel(QStringLiteral("Loteria")));
    fila->addWidget(Combo1);
    auto* fecha = new QHBoxLayout;
    fecha->addWidget(new QLabel(QStringLiteral("Fecha del Sorteo")));
    fecha->addWidget(eslafeCha);
    fecha->addStretch();

    auto* pares = new QGroupBox(QStringLiteral("< Premios de Pares  >"));
    auto* filaPares = new QHBoxLayout(pares);
    for (const auto& [titulo, c] : {std::pair{"Sorteo A", Text13}, std::pair{"Sorteo B", Text12},
                                    std::pair{"Premio Sencillo", Text11}}) {
        filaPares->addWidget(new QLabel(QLatin1String(titulo)));
        filaPares->addWidget(c);
    }

    auto* guia = new QGroupBox(QStringLiteral("< Información de los Números a Pagar >"));
    auto* filaGuia = new QGridLayout(guia);
    filaGuia->addWidget(new QLabel(QStringLiteral("Modo PUNTA Y COLA")), 0, 0);
    filaGuia->addWidget(new QLabel(QStringLiteral("Modo Aproximaciones")), 0, 1);
    filaGuia->addWidget(List1, 1, 0);
    filaGuia->addWidget(List2, 1, 1);

    auto* medio = new QHBoxLayout;
    medio->addWidget(construyeNormal());
    medio->addWidget(construyeEspecial());
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(Premiar);
    botones->addWidget(Command1);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(digito);
    todo->addLayout(fecha);
    todo->addLayout(medio);
    todo->addWidget(pares);
    todo->addWidget(guia);
    todo->addLayout(botones);
    ordenDeTabulacion();

    connect(Text2, &QLineEdit::textChanged, this, &Form17::derivaTriple);
    connect(Text8, &QLineEdit::textChanged, this, &Form17::derivaEspecial);
    connect(Premiar, &QPushButton::clicked, this, &Form17::guardar);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}

QWidget* Form17::construyeNormal()
{
    auto* marco = new QGroupBox(QStringLiteral("< Premiación Normal >"));
    auto* tabla = new QGridLayout(marco);
    tabla->addWidget(new QLabel(QStringLiteral("Premio")), 0, 0);
    tabla->addWidget(new QLabel(QStringLiteral("Triples")), 0, 1);
    tabla->addWidget(new QLabel(QStringLiteral("Terminales")), 0, 2);
    QLineEdit* const triples[] = {Text2, Text3, Text4};
    QLineEdit* const terminales[] = {Text5, Text6, Text7};
    for (int i = 0; i < 3; ++i) {
        tabla->addWidget(new QLabel(QStringLiteral("%1.-").arg(i + 1)), i + 1, 0);
        tabla->addWidget(triples[i], i + 1, 1);
        tabla->addWidget(terminales[i], i + 1, 2);
    }
    tabla->addWidget(new QLabel(QStringLiteral("Digito")), 4, 0);
    tabla->addWidget(Text1, 4, 2);
    return marco;
}

QWidget* Form17::construyeEspecial()
{
    auto* marco = new QGroupBox(QStringLiteral("< Premiación de Jugadas Especiales >"));
    auto* tabla = new QGridLayout(marco);
    core::etiquetaControles(tabla, 0, 0,
                            {{QStringLiteral("Jugada Especial"), Combo2},
                             {QStringLiteral("Detalle Especial"), Combo3},
                             {QStringLiteral("Triple Ganador"), Text8},
                             {QStringLiteral("Terminal Ganador"), Text10}},
                            Qt::Vertical);
    return marco;
}

void Form17::ordenDeTabulacion()
{
    const QList<QWidget*> orden = {Text2, Text5,  Text3,   Text6,    Text4,  Text7,  Text1,  Combo2, Combo3,
                                   Text8, Text10, Premiar, Command1, Text13, Text12, Text11, List1,  List2};
    for (qsizetype i = 1; i < orden.size(); ++i)
        setTabOrder(orden[i - 1], orden[i]);
}

void Form17::bloqueaLoteria()
{
    Combo1->lineEdit()->setReadOnly(true);
    Combo1->setFocusPolicy(Qt::NoFocus);
}

void Form17::especialRegistrado(const QString& especial, const QString& jugada)
{
    registrado_ = true;
    especialRegistrado_ = trim(especial);
    jugadaRegistrada_ = trim(jugada);
}

void Form17::onLoad()
{
    core::sesion().modoedicion.clear();
    core::fechaservidor();
    if (const auto dia = platform::regional::parseDate(core::sesion().fechaactual))
        eslafeCha->setDate(*dia);
    Combo1->clear();
}

void Form17::onActivate()
{
    llenaEspeciales();
}

bool Form17::onKeyPreview(QKeyEvent* event)
{
    return core::teclasventana(
        *event, [this] { close(); }, [this] { guardar(); });
}

bool Form17::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == Text2 && evento->type() == QEvent::KeyPress)
        return !dejaPasarTriple(Text2->text(), core::codigotecla(*static_cast<QKeyEvent*>(evento)));
    if (objeto == Combo2 && evento->type() == QEvent::FocusOut)
        refrescaDetalles();
    return Window::eventFilter(objeto, evento);
}

// Terminals, digit and the two guide lists from a complete first triple;
// the approximations are the plain numbers next to the first terminal,
// with no wrap from 00 to 99.
void Form17::derivaTriple(const QString& texto)
{
    const QString triple = trim(texto);
    if (triple.size() != 3)
        return;
    List1->clear();
    List2->clear();
    const QString primero = triple.mid(1, 2);
    Text5->setText(primero);
    Text6->setText(triple.left(2));
    Text1->setText(primero.mid(1, 1));
    List1->addItem(primero + QStringLiteral(" -> Punta "));
    List1->addItem(Text6->text() + QStringLiteral(" -> Cola "));
    const auto n = static_cast<long long>(platform::vb::val(primero));
    List2->addItem(primero + QStringLiteral(" -> 1er Premio"));
    List2->addItem(QString::number(n - 1) + QStringLiteral(" -> Aproximado Anterior "));
    List2->addItem(QString::number(n + 1) + QStringLiteral(" -> Aproximado Siguiente "));
}

void Form17::derivaEspecial(const QString& texto)
{
    const QString triple = trim(texto);
    if (triple.size() == 3)
        Text10->setText(triple.mid(1, 2));
}

// The special plays of the lottery, standing on the last one read and its
// first detail, or on the recorded ones of a result being corrected; none
// disables the special-play boxes.
void Form17::llenaEspeciales()
{
    const QString loteria = trim(core::primerapalabra(Combo1->currentText()));
    if (loteria.isEmpty())
        return;
    core::Sesion& s = core::sesion();
    s.rsgeneral2 = s.conexion.execute(db::callText(QStringLiteral("especiales_loteria"), {loteria}));
    Combo2->clear();
    const bool hay = s.rsgeneral2.recordCount() > 0;
    for (QWidget* w : std::initializer_list<QWidget*>{Combo2, Combo3, Text8, Text10})
        w->setEnabled(hay);
    if (!hay)
        return;
    QString ultimo;
    for (s.rsgeneral2.moveFirst(); !s.rsgeneral2.eof(); s.rsgeneral2.moveNext()) {
        const QString especial = toText(s.rsgeneral2.value(QStringLiteral("especial")));
        s.rsgeneral3 = s.conexion.execute(db::callText(QStringLiteral("lee_jugada"), {especial}));
        const QString nombre = s.rsgeneral3.eof() ? QString()
                                                  : toText(s.rsgeneral3.value(QStringLiteral("desc_espec")));
        Combo2->addItem(item(especial, nombre));
        ultimo = especial + QStringLiteral(" - ") + rtrim(nombre);
    }
    if (registrado_) {
        muestraRegistrado();
        return;
    }
    Combo2->setEditText(ultimo);
    const QString codigo = core::primerapalabra(ultimo);
    if (!codigo.isEmpty() && llenaDetalles(codigo)) {
        s.rsgeneral4.moveFirst();
        Combo3->setEditText(trim(toText(s.rsgeneral4.value(QStringLiteral("jugada")))) +
                            QStringLiteral(" - ") +
                            rtrim(toText(s.rsgeneral4.value(QStringLiteral("desc_jugada")))));
        Text8->setFocus();
    }
}

// The recorded special play and detail, as the lists name them; a result
// recorded without them leaves both boxes empty, which keeps that too.
void Form17::muestraRegistrado()
{
    Combo3->clear();
    if (especialRegistrado_.isEmpty()) {
        Combo2->setEditText(QString());
        Combo3->setEditText(QString());
        return;
    }
    const auto itemDe = [](const QComboBox* lista, const QString& codigo) {
        for (int i = 0; i < lista->count(); ++i) {
            if (trim(core::primerapalabra(lista->itemText(i))) == codigo)
                return rtrim(lista->itemText(i));
        }
        return codigo;
    };
    Combo2->setEditText(itemDe(Combo2, especialRegistrado_));
    const bool hayDetalles = llenaDetalles(especialRegistrado_);
    Combo3->setEditText(jugadaRegistrada_.isEmpty() ? QString() : itemDe(Combo3, jugadaRegistrada_));
    if (hayDetalles)
        Text8->setFocus();
}

bool Form17::llenaDetalles(const QString& especial)
{
    core::Sesion& s = core::sesion();
    s.rsgeneral4 = s.conexion.execute(db::callText(QStringLiteral("detalles_jugada"), {especial}));
    Combo3->clear();
    for (; !s.rsgeneral4.eof(); s.rsgeneral4.moveNext())
        Combo3->addItem(item(s.rsgeneral4.value(QStringLiteral("jugada")),
                             s.rsgeneral4.value(QStringLiteral("desc_jugada"))));
    Combo3->setCurrentIndex(-1);
    return Combo3->count() > 0;
}

// Leaving the special-play box lists its details again; the detail box is
// left empty for the operator to choose.
void Form17::refrescaDetalles()
{
    const QString especial = trim(Combo2->currentText().left(3));
    if (!especial.isEmpty())
        llenaDetalles(especial);
}

void Form17::guardar()
{
    core::manejoerrores(core::Trampa::reejecuta().numerada(), [this] {
        core::renuevaconexion();
        grabapremios();
        platform::msgbox(QStringLiteral("Premios registrados sin problemas"), msg::Information,
                         QStringLiteral("Atención!"));
        close();
    });
}

// One call with the whole result. Without a special play and a detail the
// special play's four values go empty, and the server keeps the recorded
// ones, as it does with an empty pair value.
void Form17::grabapremios()
{
    QString especial = core::primerapalabra(Combo2->currentText());
    QString jugada = core::primerapalabra(Combo3->currentText());
    QString tripleEspecial = trim(Text8->text());
    QString terminalEspecial = trim(Text10->text());
    if (trim(especial).isEmpty() || trim(jugada).isEmpty())
        especial = jugada = tripleEspecial = terminalEspecial = QString();
    db::Command cmd(core::sesion().conexion, QStringLiteral("Grabapremios"));
    cmd.setCommandTimeout(900);
    cmd.append(QStringLiteral("@RETURN_VALUE"), db::DataType::Integer, db::Direction::ReturnValue);
    const QList<std::tuple<const char*, int, QString>> valores = {
        {"@xmodo", 1, QStringLiteral("0")},
        {"@xfecha", 10, eslafeCha->date().toString(QStringLiteral("dd/MM/yyyy"))},
        {"@Pri_TRIPLE", 3, trim(Text2->text())},
        {"@Seg_TRIPLE", 3, trim(Text3->text())},
        {"@Ter_TRIPLE", 3, trim(Text4->text())},
        {"@Pri_TERMINAL", 2, trim(Text5->text())},
        {"@Seg_TERMINAL", 2, trim(Text6->text())},
        {"@Ter_TERMINAL", 2, trim(Text7->text())},
        {"@prem_digito", 1, trim(Text1->text())},
        {"@Triple_especial", 3, tripleEspecial},
        {"@Terminal_especial", 2, terminalEspecial},
        {"@xespecial", 3, especial},
        {"@xjugada", 2, jugada},
        {"@Premio_ParA", 3, trim(Text13->text())},
        {"@Premio_ParB", 3, trim(Text12->text())},
        {"@Premio_simple", 3, trim(Text11->text())},
        {"@xloteria", 3, Combo1->currentText().left(3)},
    };
    for (const auto& [nombre, ancho, valor] : valores)
        cmd.append(QLatin1String(nombre), db::DataType::VarChar, db::Direction::Input, ancho, valor);
    core::sesion().rsgeneral = cmd.execute();
}

} // namespace draws
