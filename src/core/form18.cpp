#include "core/form18.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/masteredita.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/db/command.h"
#include "platform/regional.h"
#include "platform/messages.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace core {

using platform::msgbox;
using platform::db::DataType;
using platform::db::Direction;
namespace msg = platform::msg;

namespace {

// The window's own refusals carry this title, without the accent.
const QString TituloAviso = QStringLiteral("Atencion!");
// mensajessp1's answer for a seller it does not know.
const QString SinVendedor = QStringLiteral("6");

} // namespace

const QString Form18::MensajeInicial = QStringLiteral(
    "Escriba aqui su Mensaje y Luego haga Click en el Boton de ENVIAR");
const QString Form18::TodosLosVendedores = QStringLiteral("@@@@@ - TODOS LOS VENDEDORES");

Form18::Form18()
    : Combo1(new QComboBox)
    , Text1(new QLineEdit(MensajeInicial))
    , Command1(new QPushButton(QStringLiteral("Enviar Mensaje")))
    , Command2(new QPushButton(QStringLiteral("Regresar")))
{
    setWindowTitle(QStringLiteral("Vesk Mensajes - Envio de Mensajes Instantaneos"));
    setFrame({.fixedBorder = true, .maxButton = false});
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMinimumWidth(420);
    conectaseleccionatodo(Text1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command1, &QPushButton::clicked, this, &Form18::enviar);
    connect(Command2, &QPushButton::clicked, this, &Form18::regresar);

    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Vendedor"), Combo1);
    campos->addRow(QStringLiteral("Mensaje"), Text1);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(Command1);
    botones->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addLayout(botones);
}

void Form18::onLoad()
{
    manejoerrores(Trampa::reejecuta().numerada(), [this] { carga(); });
}

void Form18::carga()
{
    Sesion& s = sesion();
    s.modoedicion.clear();
    s.puerto = puertoservidor();
    if (!abreconexion(s.conexion, 0, 3)) {
        cajacompartida(QStringLiteral("Ocurrieron Errores al Intentar Conectarse!... "
                                      "Finalizando el Sistema"),
                       TituloBackOffice);
        platform::endProgram();
    }
    renuevaconexion();
    platform::db::RecordSet rs = s.conexion.execute(platform::db::callText(
        QStringLiteral("DSPVEn"), {QStringLiteral("4"), QStringLiteral("00000"), s.usuarioactual}));
    Combo1->clear();
    if (rs.recordCount() == 0) {
        msgbox(QStringLiteral("No hay vendedores registrados, para poder utilizar esta opción "
                              "registre al menos un vendedor"),
               msg::Critical, TituloAtencion);
        return;
    }
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        Combo1->addItem(
            platform::regional::toText(rs.value(QStringLiteral("codvendedor"))) + QStringLiteral(" - ") +
            platform::vb::trim(platform::regional::toText(rs.value(QStringLiteral("nombre_vend")))));
    Combo1->addItem(TodosLosVendedores);
    Combo1->setCurrentIndex(Combo1->count() - 1);
    s.rsgeneral4 = platform::db::RecordSet();
    fechaservidor();
}

QString Form18::rechazo(const QString& codigo) const
{
    const QString mensaje = Text1->text();
    if (mensaje == MensajeInicial || Combo1->currentText().isEmpty() || mensaje.isEmpty())
        return QStringLiteral("Debe llenar todos los campos");
    if (codigo.size() > LargoCodigo)
        return QStringLiteral("El código del vendedor no puede tener más de %1 caracteres").arg(LargoCodigo);
    if (mensaje.size() > LargoMensaje)
        return QStringLiteral("El mensaje no puede tener más de %1 caracteres").arg(LargoMensaje);
    return {};
}

void Form18::enviar()
{
    const QString codigo = primerapalabra(Combo1->currentText());
    const QString motivo = rechazo(codigo);
    if (!motivo.isEmpty()) {
        msgbox(motivo, msg::Critical, TituloAviso);
        return;
    }
    manejoerrores(Trampa::reejecuta().numerada(), [this, codigo] { envia(codigo); });
}

void Form18::envia(const QString& codigo)
{
    renuevaconexion();
    platform::db::Command cmd = comandoact(QStringLiteral("mensajessp1"));
    cmd.append(QStringLiteral("@xcodigo_vend"), DataType::VarChar, Direction::Input, LargoCodigo, codigo);
    cmd.append(QStringLiteral("@mensaje"), DataType::VarChar, Direction::Input, LargoMensaje, Text1->text());
    cmd.append(QStringLiteral("@vend_envia"), DataType::VarChar, Direction::Input, 5,
               QStringLiteral("*****"));
    cmd.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1, QStringLiteral("0"));
    cmd.execute();
    const QString retorno = respuesta(cmd);
    if (retorno == SinVendedor) {
        msgbox(QStringLiteral("El vendedor ") + codigo + QStringLiteral(" no está registrado"), msg::Critical,
               TituloAviso);
        return;
    }
    if (retorno != QStringLiteral("0")) {
        msgbox(QStringLiteral("El mensaje no fue enviado, el servidor lo rechazó: código ") + retorno,
               msg::Critical, TituloAviso);
        return;
    }
    msgbox(QStringLiteral("Mensaje enviado con exito!"), msg::Information, TituloAtencion);
    Text1->clear();
    Text1->setFocus();
}

void Form18::regresar()
{
    close();
}

bool Form18::onKeyPreview(QKeyEvent* evento)
{
    return teclasventana(*evento, [this] { regresar(); });
}

} // namespace core
