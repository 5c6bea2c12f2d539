#include "draws/pagaticket.h"

#include "core/conexion.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/db/command.h"
#include "platform/db/recordset.h"
#include "platform/messages.h"
#include "platform/regional.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace draws {

using platform::db::DataType;
using platform::db::Direction;
using platform::vb::trim;
namespace msg = platform::msg;

namespace {

const QString Atencion = QStringLiteral("Atención!");

// The message suffix of a refusal both calls answer alike, or "" for the
// other answers.
QString sufijoDeRechazo(const QString& codigo)
{
    if (codigo == u"9")
        return QStringLiteral(" ha sido anulado!");
    if (codigo == u"6")
        return QStringLiteral(" ya ha sido cancelado!");
    if (codigo == u"8")
        return QStringLiteral(" no existe!");
    if (codigo == u"7")
        return QStringLiteral(" esta caducado!");
    if (codigo == u"3")
        return QStringLiteral(" no esta premiado!");
    return {};
}

QLabel* etiqueta(const QString& texto)
{
    return new QLabel(texto);
}

} // namespace

pagaticket::pagaticket()
    : VEND(new QComboBox)
    , Text2(new QLineEdit)
    , Text1(new QLineEdit)
    , Fecha_venta(new QLabel)
    , Hora_venta(new QLabel)
    , Estado_ticket(new QLabel)
    , TOTal_TICKET1(new QLabel(QStringLiteral("0")))
    , Eliminar(new QPushButton(QStringLiteral("Verificar")))
    , Command2(new QPushButton(QStringLiteral("Regresar")))
    , StatusBar1(new QStatusBar)
{
    setWindowTitle(QStringLiteral("Cancelación de Tickets"));
    setFrame({.fixedBorder = true, .minButton = true, .maxButton = false, .centred = true});
    VEND->setMinimumContentsLength(30);

    auto* campos = new QGridLayout;
    campos->addWidget(etiqueta(QStringLiteral("Vendedor:")), 0, 0);
    campos->addWidget(VEND, 0, 1, 1, 3);
    campos->addWidget(etiqueta(QStringLiteral("Ticket:")), 1, 0);
    campos->addWidget(Text2, 1, 1);
    campos->addWidget(etiqueta(QStringLiteral("Serial #:")), 1, 2);
    campos->addWidget(Text1, 1, 3);
    campos->addWidget(etiqueta(QStringLiteral("Fecha de Venta:")), 2, 0);
    campos->addWidget(Fecha_venta, 2, 1);
    campos->addWidget(etiqueta(QStringLiteral("Hora de Venta:")), 2, 2);
    campos->addWidget(Hora_venta, 2, 3);
    campos->addWidget(etiqueta(QStringLiteral("Estado")), 3, 0);
    campos->addWidget(Estado_ticket, 3, 1);
    campos->addWidget(etiqueta(QStringLiteral("Monto Premio Bs.")), 3, 2);
    campos->addWidget(TOTal_TICKET1, 3, 3);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(Eliminar);
    botones->addWidget(Command2);

    StatusBar1->addWidget(new QLabel(QStringLiteral("Quorvelin On Line - Anulación de Tickets")), 1);
    StatusBar1->addWidget(new QLabel(QStringLiteral("Quorvelin On Line - Anulación de Tickets")), 1);
    StatusBar1->addPermanentWidget(new QLabel(platform::regional::dateText(QDate::currentDate())));

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(campos);
    todo->addLayout(botones);
    todo->addWidget(StatusBar1);
    setTabOrder(VEND, Text2);
    setTabOrder(Text2, Text1);

    connect(Eliminar, &QPushButton::clicked, this, &pagaticket::alVerificar);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
}

void pagaticket::onLoad()
{
    VEND->clear();
    platform::db::RecordSet& rs = core::sesion().rsvendedores;
    if (rs.recordCount() > 0)
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            VEND->addItem(platform::regional::toText(rs.value(QStringLiteral("codvendedor"))) +
                          QStringLiteral(" - ") +
                          trim(platform::regional::toText(rs.value(QStringLiteral("nombre_vend")))));
    VEND->setCurrentIndex(-1);
}

bool pagaticket::onKeyPreview(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (focusWidget() == Text1)
        return teclaSerial(event->key());
    if (focusWidget() == Text2 && enter && !Text2->text().isEmpty()) {
        Text1->setFocus();
        return true;
    }
    return false;
}

void pagaticket::alVerificar()
{
    core::manejoerrores(core::Trampa::reejecuta().numerada(), [this] {
        if (VEND->currentText().isEmpty()) {
            platform::msgbox(QStringLiteral("Debe seleccionar el vendedor del ticket"), msg::Information,
                             Atencion);
            VEND->setFocus();
            return;
        }
        if (Text1->text().isEmpty()) {
            platform::msgbox(QStringLiteral("Debe escribir el serial que aparece en el ticket"),
                             msg::Information, Atencion);
            Text1->setFocus();
            return;
        }
        if (Text2->text().isEmpty()) {
            platform::msgbox(QStringLiteral("Debe escribir el Nro. del ticket"), msg::Information, Atencion);
            Text2->setFocus();
            return;
        }
        solicitud(Origen::Boton);
    });
}

// Every key typed in the serial box first asks for the seller; Enter with
// both boxes filled starts the request. The key itself still reaches the box.
bool pagaticket::teclaSerial(int tecla)
{
    bool tragada = false;
    core::manejoerrores(core::Trampa::reejecuta().numerada(), [this, tecla, &tragada] {
        if (VEND->currentText().isEmpty()) {
            platform::msgbox(QStringLiteral("Debe seleccionar el vendedor del ticket"), msg::Information,
                             Atencion);
            VEND->setFocus();
            tragada = true;
            return;
        }
        if ((tecla == Qt::Key_Return || tecla == Qt::Key_Enter) && !Text1->text().isEmpty() &&
            !Text2->text().isEmpty()) {
            tragada = true;
            solicitud(Origen::Tecla);
        }
    });
    return tragada;
}

void pagaticket::solicitud(Origen origen)
{
    core::renuevaconexion();
    platform::db::Command cmd(core::sesion().conexion, QStringLiteral("PAGATICKETnew"));
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(QStringLiteral("@xserial"), DataType::VarChar, Direction::Input, 30);
    cmd.append(QStringLiteral("@xcodigo_vend"), DataType::VarChar, Direction::Input, 5);
    cmd.append(QStringLiteral("@xcodigo_user"), DataType::VarChar, Direction::Input, 5);
    cmd.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1);
    cmd.append(QStringLiteral("@nticket"), DataType::VarChar, Direction::Input, 100);
    const QString vendedor = core::primerapalabra(VEND->currentText());
    cmd.setValue(QStringLiteral("@xserial"), Text1->text());
    cmd.setValue(QStringLiteral("@xcodigo_vend"), vendedor);
    cmd.setValue(QStringLiteral("@xcodigo_user"), core::sesion().usuarioactual);
    cmd.setValue(QStringLiteral("@xmodo"), QStringLiteral("0"));
    cmd.setValue(QStringLiteral("@nticket"), trim(Text2->text()));
    platform::db::RecordSet rs = cmd.execute();
    const QString codigo = trim(platform::regional::toText(cmd.value(QStringLiteral("@RETURN_VALUE"))));

    if (const QString sufijo = sufijoDeRechazo(codigo); !sufijo.isEmpty()) {
        aviso(sufijo);
        termina();
        return;
    }
    if (rs.recordCount() == 0) {
        platform::msgbox(QStringLiteral("El ticket no existe"), msg::Information, Atencion);
        termina();
        return;
    }
    rs.moveFirst();
    muestraTicket(rs, origen);
    if (platform::vb::val(TOTal_TICKET1->text()) == 0) {
        aviso(QStringLiteral(" no esta premiado!"));
        termina();
        return;
    }
    if (codigo == u"55") {
        aviso(QStringLiteral(" ya fue registrado como pagado!"));
        termina();
        return;
    }
    if (platform::msgbox(QStringLiteral("Desea cancelar el ticket?"), msg::YesNo | msg::Question,
                         QStringLiteral("Responda!")) != msg::AnswerYes)
        return;

    cmd.setValue(QStringLiteral("@xserial"), Text1->text());
    cmd.setValue(QStringLiteral("@xcodigo_vend"), vendedor);
    cmd.setValue(QStringLiteral("@xcodigo_user"), core::sesion().usuarioactual);
    cmd.setValue(QStringLiteral("@xmodo"), QStringLiteral("1"));
    cmd.execute();
    const QString pago = trim(platform::regional::toText(cmd.value(QStringLiteral("@RETURN_VALUE"))));
    if (const QString sufijo = sufijoDeRechazo(pago); !sufijo.isEmpty()) {
        aviso(sufijo);
        termina();
    } else if (pago == u"0") {
        aviso(QStringLiteral(" se ha registrado como cancelado con exito!"));
        termina();
    }
}

void pagaticket::muestraTicket(platform::db::RecordSet& rs, Origen origen)
{
    using platform::regional::toText;
    Fecha_venta->setText(trim(toText(rs.value(QStringLiteral("fechaticket")))));
    Hora_venta->setText(trim(toText(rs.value(QStringLiteral("horaticket")))));
    if (trim(toText(rs.value(QStringLiteral("anulado")))) != u"S")
        Estado_ticket->setText(QStringLiteral("Activo"));
    else if (origen == Origen::Tecla || trim(toText(rs.value(QStringLiteral("estadoticket")))) == u"ELI")
        Estado_ticket->setText(QStringLiteral("Anulado"));
    const QVariant premio = rs.value(QStringLiteral("montopremio"));
    TOTal_TICKET1->setText(premio.isNull() ? QStringLiteral("0") : trim(toText(premio)));
}

void pagaticket::aviso(const QString& sufijo)
{
    platform::msgbox(QStringLiteral("El Ticket con el serial ") + Text1->text() + sufijo, msg::Information,
                     Atencion);
}

void pagaticket::termina()
{
    Text1->clear();
    Text2->clear();
    Text2->setFocus();
}

} // namespace draws
