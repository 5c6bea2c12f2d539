#include "lotteries/form8.h"

#include "lotteries/form6.h"
#include "lotteries/seleccion.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/messages.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>

namespace lotteries {

namespace db = platform::db;
using platform::vb::rtrim;
using platform::vb::trim;

namespace {

// The special play's code: the first three characters of the list's text.
QString codigoEspecial(const QComboBox* lista)
{
    return platform::vb::left(lista->currentText(), 3);
}

} // namespace

Form8::Form8()
    : Editor(QStringLiteral("Jugadas Especiales"))
    , Combo1(new QComboBox)
    , Text3(new QLineEdit)
    , Text4(new QLineEdit)
{
    setFrame({.fixedBorder = true, .minButton = false, .maxButton = false});
    setCatalogo(QStringLiteral("Form6"));
    setCajaCodigo(Text3);
    setVaciaModoAlGrabar(true);
    setVaciaModoAlDeshacer(true);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    core::conectaLimite(Text3, 2, QStringLiteral("Detalle"));
    core::conectaLimite(Text4, 20, QStringLiteral("Descripción"));
    auto* campos = new QFormLayout(areaCampos());
    campos->addRow(QStringLiteral("Jugada"), Combo1);
    auto* detalle = new QHBoxLayout;
    detalle->addWidget(Text3, 1);
    detalle->addWidget(Text4, 4);
    campos->addRow(QStringLiteral("Detalle"), detalle);
    setCamposEnOrden({Combo1, Text3, Text4});
}

bool Form8::cargaListas()
{
    core::Sesion& s = core::sesion();
    s.rsgeneral = s.conexion.execute(QStringLiteral("LIST_JUG"));
    if (s.rsgeneral.recordCount() == 0)
        return false;
    Combo1->clear();
    for (s.rsgeneral.moveFirst(); !s.rsgeneral.eof(); s.rsgeneral.moveNext())
        Combo1->addItem(s.rsgeneral.value(QStringLiteral("especial")).toString() + QLatin1Char(' ') +
                        s.rsgeneral.value(QStringLiteral("desc_espec")).toString());
    Combo1->setCurrentIndex(-1);
    s.rsgeneral3 = db::RecordSet();
    return true;
}

void Form8::preparaModificar()
{
    if (const Form6* lista = catalogo<Form6>()) {
        const DetalleJugada detalle = lista->registro();
        Combo1->setEditText(rtrim(detalle.especial));
        Text3->setText(trim(detalle.detalle));
        Text4->setText(trim(detalle.nombre));
    }
}

// The write runs in a transaction of its own; a refusal is an error, which
// the trap shows, so an answer here is always success.
QString Form8::llamaGrabar(const QString& modo)
{
    core::renuevaconexion();
    escribeentransaccion(QStringLiteral("exec ") +
                         db::callText(QStringLiteral("ACTDETJUG"),
                                      {modo, Text3->text(), codigoEspecial(Combo1), Text4->text()}));
    return QStringLiteral("0");
}

bool Form8::informaGrabado(const QString&)
{
    const QString especial = codigoEspecial(Combo1);
    platform::msgbox(core::sesion().modoedicion == QLatin1String("A")
                         ? QString(QStringLiteral("Se Agrego perfectamente ") + especial)
                         : QString(QStringLiteral("Se Actualizo perfectamente ") + especial + Text3->text()));
    return true;
}

void Form8::trasGrabar(bool exito)
{
    if (Form6* lista = catalogo<Form6>(); exito && lista)
        lista->relee();
}

} // namespace lotteries
