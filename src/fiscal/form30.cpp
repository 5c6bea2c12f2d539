#include "fiscal/form30.h"

#include "core/conexion.h"
#include "core/conexionproceso.h"
#include "core/sesion.h"
#include "reports/ventanareporte.h"

#include "platform/db/command.h"
#include "platform/messages.h"
#include "platform/regional.h"
#include "platform/vbtext.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace fiscal {

using platform::db::DataType;
using platform::db::Direction;
namespace msg = platform::msg;

namespace {

const QString Atencion = QStringLiteral("Atención!");

} // namespace

Form30::Form30()
    : XPButton4(new QPushButton(QStringLiteral("Procesar")))
    , XPButton1(new QPushButton(QStringLiteral("Salir")))
    , Desdes(new QDateEdit)
    , Label1(new QLabel(QStringLiteral("Fecha")))
{
    setWindowTitle(QStringLiteral("Procesar Impuestos "));
    setFrame({.fixedBorder = true, .minButton = true, .maxButton = false, .centred = true});
    Desdes->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    Desdes->setCalendarPopup(true);
    Desdes->setDateRange(QDate(2004, 1, 1), QDate(9999, 12, 31));

    auto* fecha = new QHBoxLayout;
    fecha->addStretch();
    fecha->addWidget(Label1);
    fecha->addWidget(Desdes);
    fecha->addStretch();
    auto* botones = new QHBoxLayout;
    botones->addWidget(XPButton4);
    botones->addWidget(XPButton1);
    auto* todo = new QVBoxLayout(this);
    todo->addLayout(fecha);
    todo->addLayout(botones);
    // The design's client area, 4470 x 1740 twips: wide enough for the
    // caption in the title bar.
    resize(4470 / 15, 1740 / 15);
    setTabOrder(XPButton4, XPButton1);
    setTabOrder(XPButton1, Desdes);
    XPButton4->setFocus();

    connect(XPButton4, &QPushButton::clicked, this,
            [this] { core::manejoerrores(core::Trampa::reejecuta().numerada(), [this] { procesar(); }); });
    connect(XPButton1, &QPushButton::clicked, this, &QWidget::close);
}

void Form30::onLoad()
{
    core::fechaservidor();
    if (const auto dia = platform::regional::parseDate(core::sesion().fechaactual))
        Desdes->setDate(*dia);
    XPButton4->setFocus();
}

bool Form30::onKeyPreview(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    close();
    return true;
}

void Form30::procesar()
{
    if (platform::msgbox(QStringLiteral("Desea procesar impuestos?"), msg::YesNo | msg::Question, Atencion) !=
        msg::AnswerYes)
        return;
    const QString codigo = ejecuta(reports::VentanaReporte::fechatexto(Desdes->date()));
    if (codigo == u"0")
        platform::msgbox(QStringLiteral("Impuestos procesados con exito!"), msg::Information, Atencion);
    else if (codigo == u"55")
        platform::msgbox(QStringLiteral("No hay jugadas que procesar!"), msg::Critical, Atencion);
    else
        platform::msgbox(QStringLiteral("No se pudo procesar impuestos"), msg::Critical, Atencion);
    core::conexionproceso().close();
    close();
}

QString Form30::ejecuta(const QString& fecha)
{
    platform::db::Command cmd(core::abreconexionproceso(), QStringLiteral("Proceseimpuestos"));
    cmd.setCommandTimeout(core::TiempoProceso);
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(QStringLiteral("@xfecha"), DataType::VarChar, Direction::Input, 10);
    cmd.setValue(QStringLiteral("@xfecha"), platform::vb::trim(fecha));
    cmd.execute();
    return platform::vb::trim(platform::regional::toText(cmd.value(QStringLiteral("@RETURN_VALUE"))));
}

} // namespace fiscal
