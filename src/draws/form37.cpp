#include "draws/form37.h"

#include "core/conexion.h"
#include "core/conexionproceso.h"
#include "core/sesion.h"

#include "platform/db/command.h"
#include "platform/messages.h"
#include "platform/regional.h"
#include "platform/vbtext.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace draws {

using platform::db::DataType;
using platform::db::Direction;
namespace msg = platform::msg;

namespace {

const QString Atencion = QStringLiteral("Atención!");

bool pregunta(const QString& texto)
{
    return platform::msgbox(texto, msg::YesNo | msg::Question, Atencion) == msg::AnswerYes;
}

} // namespace

Form37::Form37()
    : Label1(new QLabel(QStringLiteral("Selecciones las loterias que  desea procesar")))
    , LALOTERIA(new QListWidget)
    , Label2(new QLabel(QStringLiteral("Fecha")))
    , DTPicker1(new QDateEdit)
    , Command1(new QPushButton(QStringLiteral("Procesar")))
    , XPButton1(new QPushButton(QStringLiteral("Regresar")))
{
    setWindowTitle(QStringLiteral("Procesar Resultados"));
    setFrame({.fixedBorder = true, .minButton = true, .maxButton = false, .centred = true});
    LALOTERIA->setSelectionMode(QAbstractItemView::MultiSelection);
    LALOTERIA->setMinimumSize(320, 220);
    DTPicker1->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    DTPicker1->setCalendarPopup(true);
    DTPicker1->setDateRange(QDate(2004, 1, 1), QDate(9999, 12, 31));

    auto* fecha = new QHBoxLayout;
    fecha->addWidget(Label2);
    fecha->addWidget(DTPicker1);
    fecha->addStretch();
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(Command1);
    botones->addWidget(XPButton1);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(Label1);
    todo->addWidget(LALOTERIA);
    todo->addLayout(fecha);
    todo->addLayout(botones);

    connect(Command1, &QPushButton::clicked, this,
            [this] { core::manejoerrores(core::Trampa::reejecuta().numerada(), [this] { procesar(); }); });
    connect(XPButton1, &QPushButton::clicked, this, &QWidget::close);
}

void Form37::onLoad()
{
    core::fechaservidor();
    if (const auto dia = platform::regional::parseDate(core::sesion().fechaactual))
        DTPicker1->setDate(*dia);
    platform::db::RecordSet& rs = core::sesion().rsloterias;
    if (rs.recordCount() == 0)
        return;
    LALOTERIA->clear();
    using platform::regional::toText;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        LALOTERIA->addItem(platform::vb::trim(toText(rs.value(QStringLiteral("COD_LOT")))) +
                           QStringLiteral(" - ") +
                           platform::vb::rtrim(toText(rs.value(QStringLiteral("desc_lot")))));
}

bool Form37::onKeyPreview(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    close();
    return true;
}

QString Form37::listaLoterias() const
{
    QString lista;
    for (int i = 0; i < LALOTERIA->count(); ++i)
        if (LALOTERIA->item(i)->isSelected())
            lista += LALOTERIA->item(i)->text().left(3);
    return lista;
}

bool Form37::confirma()
{
    if (!pregunta(QStringLiteral("Desea procesar resultados?")))
        return false;
    return !listaLoterias().isEmpty() ||
           pregunta(QStringLiteral("Desea procesar todas las loterias de la fecha seleccionada?"));
}

void Form37::procesar()
{
    if (!confirma())
        return;
    const QString codigo = ejecuta(DTPicker1->date().toString(QStringLiteral("dd/MM/yyyy")), listaLoterias());
    if (codigo == u"0")
        platform::msgbox(QStringLiteral("Premios procesados con exito!"), msg::Information, Atencion);
    else if (codigo == u"55")
        platform::msgbox(QStringLiteral("No hay jugadas que procesar!"), msg::Critical, Atencion);
    else
        platform::msgbox(QStringLiteral("No se pudo Premiar"), msg::Critical, Atencion);
    core::conexionproceso().close();
    close();
}

// The run itself, on a new conexionproceso; the list is given no value at
// all when it is empty.
QString Form37::ejecuta(const QString& fecha, const QString& lista)
{
    platform::db::Command cmd(core::abreconexionproceso(), QStringLiteral("Procesepremios2"));
    cmd.setCommandTimeout(core::TiempoProceso);
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(QStringLiteral("@xfecha"), DataType::VarChar, Direction::Input, 10);
    cmd.append(QStringLiteral("@xcod_lotp"), DataType::VarChar, Direction::Input, 500);
    cmd.setValue(QStringLiteral("@xfecha"), platform::vb::trim(fecha));
    if (!lista.isEmpty())
        cmd.setValue(QStringLiteral("@xcod_lotp"), lista);
    cmd.execute();
    return platform::vb::trim(platform::regional::toText(cmd.value(QStringLiteral("@RETURN_VALUE"))));
}

} // namespace draws
