#include "draws/form14.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/grillacatalogo.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/db/command.h"
#include "platform/messages.h"
#include "platform/regional.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QFormLayout>
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

const QString Atencion = QStringLiteral("Atención!");

// Grid columns: caption and width in twips, by position. The play and the
// special play show "code - description" whole (descriptions of 20 and 25
// characters).
const QList<core::Columna> ColumnasBloqueos = {
    {0, QStringLiteral("Codigo"), 765},  {1, QStringLiteral("Loteria"), 2000},
    {2, QStringLiteral("Número"), 1500}, {3, QStringLiteral("Monto"), 1500},
    {4, QStringLiteral("Jugada"), 2700}, {5, QStringLiteral("Especial"), 3150},
};

QString itemCodigo(const QString& codigo, const QString& nombre)
{
    return trim(codigo) + QStringLiteral(" - ") + rtrim(nombre);
}

} // namespace

Form14::Form14()
    : DataGrid1(new core::GrillaCatalogo)
    , Label6(new QLabel(QStringLiteral("Loterias Seleccionadas")))
    , List1(new QListWidget)
    , Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Combo1(new QComboBox)
    , Combo2(new QComboBox)
    , Grabar(new QPushButton(QStringLiteral("&Grabar")))
    , Eliminar(new QPushButton(QStringLiteral("&Eliminar")))
    , Salir(new QPushButton(QStringLiteral("&Regresar")))
{
    setWindowTitle(QStringLiteral("Bloqueo o Limitación de Números"));
    setFrame({.fixedBorder = true, .maxButton = false, .centred = true});
    DataGrid1->setMinimumHeight(200);
    DataGrid1->reserveColumnsWidth(765 + 2000 + 2 * 1500 + 2700 + 3150);
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    Label6->setCursor(Qt::PointingHandCursor);
    Label6->installEventFilter(this);
    Text1->installEventFilter(this);
    core::conectaLimite(Text1, 3);
    core::conectafiltrodecimal(Text2);
    // The amount travels in a parameter of 10 characters: typing stops there.
    core::conectaLimite(Text2, 10);
    connect(Text1, &QLineEdit::textEdited, this, [this](const QString& texto) {
        const int cursor = Text1->cursorPosition();
        Text1->setText(texto.toUpper());
        Text1->setCursorPosition(cursor);
    });

    auto* loterias = new QVBoxLayout;
    loterias->addWidget(Label6);
    loterias->addWidget(List1);
    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Número"), Text1);
    campos->addRow(QStringLiteral("Monto a Limitar"), Text2);
    campos->addRow(QStringLiteral("Especial"), Combo1);
    campos->addRow(QStringLiteral("Jugada"), Combo2);
    auto* botones = new QVBoxLayout;
    for (QPushButton* boton : {Grabar, Eliminar, Salir}) {
        boton->setAutoDefault(false);
        botones->addWidget(boton);
    }
    botones->addStretch(1);
    auto* abajo = new QHBoxLayout;
    abajo->addLayout(loterias, 1);
    abajo->addLayout(campos, 1);
    abajo->addLayout(botones);
    auto* raiz = new QVBoxLayout(this);
    raiz->addWidget(DataGrid1, 1);
    raiz->addLayout(abajo);
    setTabOrder(List1, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Combo1);
    setTabOrder(Combo1, Combo2);
    setTabOrder(Combo2, Grabar);
    setTabOrder(Grabar, Eliminar);
    setTabOrder(Eliminar, Salir);

    connect(Grabar, &QPushButton::clicked, this, &Form14::Grabar_Click);
    connect(Eliminar, &QPushButton::clicked, this, &Form14::Eliminar_Click);
    connect(Salir, &QPushButton::clicked, this, &QWidget::close);
}

int Form14::filtroNumero(const QString& texto, int tecla)
{
    if (tecla == core::TeclaBackspace || tecla == core::TeclaEnter || (tecla >= '0' && tecla <= '9'))
        return tecla;
    if ((tecla == 'S' || tecla == 's') && !texto.contains(QLatin1Char('S'), Qt::CaseInsensitive))
        return tecla;
    return 0;
}

bool Form14::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == Text1 && evento->type() == QEvent::KeyPress) {
        const int tecla = core::codigotecla(*static_cast<QKeyEvent*>(evento));
        // What a typed character replaces of a selection is room for it.
        const QString queda =
            Text1->hasSelectedText()
                ? QString(Text1->text()).remove(Text1->selectionStart(), Text1->selectedText().size())
                : Text1->text();
        return tecla >= 0 && filtroNumero(queda, tecla) == 0;
    }
    if (objeto == Label6 && evento->type() == QEvent::MouseButtonPress) {
        Label6_Click();
        return true;
    }
    return Window::eventFilter(objeto, evento);
}

bool Form14::onKeyPreview(QKeyEvent* evento)
{
    return core::teclasventana(*evento, [this] { close(); });
}

void Form14::onLoad()
{
    core::Sesion& s = core::sesion();
    s.puerto = core::puertoservidor();
    s.modoedicion = QStringLiteral("A");
    Text1->clear();
    Text2->clear();
    List1->clear();
    core::manejoerrores(core::Trampa::simple().numerada(), [this] {
        refrescaGrilla();
        cargaLoterias();
        cargaEspeciales();
        cargaJugadas();
    });
    Combo1->setCurrentIndex(-1);
    Combo2->setCurrentIndex(-1);
}

void Form14::refrescaGrilla()
{
    core::Sesion& s = core::sesion();
    s.rsgeneral2 = s.conexion.execute(db::callText(QStringLiteral("DSPbloqueados")));
    DataGrid1->setDataSource(s.rsgeneral2);
    DataGrid1->disponeColumnas(ColumnasBloqueos);
}

void Form14::cargaLoterias()
{
    db::RecordSet loterias = core::sesion().rsloterias.clone();
    if (loterias.state() != db::RecordSet::StateOpen)
        return;
    for (loterias.moveFirst(); !loterias.eof(); loterias.moveNext())
        List1->addItem(toText(loterias.value(QStringLiteral("COD_LOT"))) + QLatin1Char(' ') +
                       toText(loterias.value(QStringLiteral("desc_lot"))));
}

void Form14::cargaEspeciales()
{
    db::RecordSet especiales = core::sesion().conexion.execute(db::callText(QStringLiteral("DSPjugadase")));
    for (; !especiales.eof(); especiales.moveNext())
        Combo1->addItem(itemCodigo(toText(especiales.value(QStringLiteral("especial"))),
                                   toText(especiales.value(QStringLiteral("desc_espec")))));
}

void Form14::cargaJugadas()
{
    db::RecordSet jugadas = core::sesion().rsjugadas.clone();
    if (jugadas.state() != db::RecordSet::StateOpen || jugadas.recordCount() == 0)
        return;
    for (jugadas.moveFirst(); !jugadas.eof(); jugadas.moveNext())
        Combo2->addItem(itemCodigo(toText(jugadas.value(QStringLiteral("jugada"))),
                                   toText(jugadas.value(QStringLiteral("desc_jugada")))));
    Combo2->addItem(QStringLiteral("* - Todas"));
}

QString Form14::loteriasMarcadas() const
{
    QString lista;
    for (int i = 0; i < List1->count(); ++i)
        if (List1->item(i)->isSelected())
            lista += trim(List1->item(i)->text().left(3));
    return lista;
}

void Form14::Label6_Click()
{
    for (int i = 0; i < List1->count(); ++i)
        List1->item(i)->setSelected(!List1->item(i)->isSelected());
}

void Form14::Grabar_Click()
{
    core::manejoerrores(core::Trampa::reejecuta().numerada(), [this] { graba(); });
}

void Form14::Eliminar_Click()
{
    core::manejoerrores(core::Trampa::reejecuta().numerada(), [this] { elimina(); });
}

void Form14::graba()
{
    if (Text1->text().isEmpty()) {
        platform::msgbox(QStringLiteral("Debe especificar un Número!"), msg::OkOnly | msg::Critical,
                         Atencion);
        return;
    }
    if (Text2->text().isEmpty())
        Text2->setText(QStringLiteral("0"));
    const QString especial = core::primerapalabra(Combo1->currentText());
    const QString jugada = core::primerapalabra(Combo2->currentText());
    QString loterias = loteriasMarcadas();
    if (loterias.isEmpty()) {
        if (platform::msgbox(QStringLiteral("Desea bloquear ") + Text1->text() +
                                 QStringLiteral(" para todas las loterias?"),
                             msg::YesNo | msg::Question, Atencion) != msg::AnswerYes) {
            List1->setFocus();
            return;
        }
        loterias = QStringLiteral("*");
    }
    core::renuevaconexion();
    actbloqueados(core::sesion().conexion, trim(Text1->text()).toUpper(), trim(Text2->text()), jugada,
                  especial, loterias);
    refrescaGrilla();
    Text1->clear();
    Text2->clear();
    Text1->setFocus();
}

void Form14::actbloqueados(db::Connection& conexion, const QString& numero, const QString& monto,
                           const QString& jugada, const QString& especial, const QString& loterias)
{
    using db::DataType;
    using db::Direction;
    db::Command cmd(conexion, QStringLiteral("actbloqueados"));
    cmd.setCommandTimeout(900);
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    const QList<std::tuple<const char*, int, QString>> valores = {
        {"@xmodo", 1, QStringLiteral("1")},
        {"@xnumero", 4, numero},
        {"@xmonto", 10, monto},
        {"@xjugada", 2, jugada},
        {"@xespecial", 3, especial},
        {"@xmodonumero", 1, QStringLiteral("0")},
        {"@xloterias", 500, loterias},
    };
    for (const auto& [nombre, tamano, valor] : valores) {
        cmd.append(QLatin1String(nombre), DataType::VarChar, Direction::Input, tamano);
        cmd.setValue(QLatin1String(nombre), valor);
    }
    cmd.execute();
}

void Form14::elimina()
{
    if (!DataGrid1->tieneFila())
        return;
    if (platform::msgbox(QStringLiteral("¿Deseas Eliminar la información Seleccionada?"),
                         msg::YesNo | msg::Critical | msg::DefaultButton2,
                         QStringLiteral("Quorvelin 2007 - BACK OFFICE")) != msg::AnswerYes)
        return;
    const QStringList argumentos = {
        QStringLiteral("2"),
        trim(DataGrid1->textoColumna(2)).toUpper(),
        trim(DataGrid1->textoColumna(3)),
        core::primerapalabra(trim(DataGrid1->textoColumna(4))),
        core::primerapalabra(trim(DataGrid1->textoColumna(5))),
        QStringLiteral("0"),
        DataGrid1->textoColumna(0),
    };
    core::sesion().conexion.execute(db::callText(QStringLiteral("ACTBLOQUEADOS"), argumentos));
    refrescaGrilla();
}

} // namespace draws
