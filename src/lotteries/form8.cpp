#include "lotteries/form8.h"

#include "lotteries/form6.h"
#include "lotteries/seleccion.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/messages.h"
#include "platform/ui/windowregistry.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace lotteries {

namespace db = platform::db;
using platform::vb::rtrim;
using platform::vb::trim;

namespace {

Form6* catalogo()
{
    return qobject_cast<Form6*>(platform::ui::windowRegistry().find(QStringLiteral("Form6")));
}

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
    setCajaCodigo(Text3);
    setVaciaModoAlDeshacer(true);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Text3->setMaxLength(2);
    Text4->setMaxLength(20);
    auto* campos = new QFormLayout(areaCampos());
    campos->addRow(QStringLiteral("Jugada"), Combo1);
    auto* detalle = new QHBoxLayout;
    detalle->addWidget(Text3, 1);
    detalle->addWidget(Text4, 4);
    campos->addRow(QStringLiteral("Detalle"), detalle);
    setTabOrder(Combo1, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, botonGrabar());
    setTabOrder(botonGrabar(), botonDeshacer());

    // The save has messages of its own, not the ACT call's.
    botonGrabar()->disconnect(this);
    connect(botonGrabar(), &QPushButton::clicked, this, &Form8::grabaDetalle);
}

void Form8::cargaListas()
{
    core::Sesion& s = core::sesion();
    s.rsgeneral = s.conexion.execute(QStringLiteral("LIST_JUG"));
    if (s.rsgeneral.recordCount() == 0)
        return;
    Combo1->clear();
    for (s.rsgeneral.moveFirst(); !s.rsgeneral.eof(); s.rsgeneral.moveNext())
        Combo1->addItem(s.rsgeneral.value(QStringLiteral("especial")).toString() + QLatin1Char(' ')
                        + s.rsgeneral.value(QStringLiteral("desc_espec")).toString());
    Combo1->setCurrentIndex(-1);
    s.rsgeneral3 = db::RecordSet();
}

void Form8::preparaAgregar()
{
    Combo1->setEditText(QString());
    Text3->clear();
    Text4->clear();
}

void Form8::preparaModificar()
{
    Form6* lista = catalogo();
    if (!lista)
        return;
    core::GrillaCatalogo* grilla = lista->grilla();
    Combo1->setEditText(rtrim(grilla->textoColumna(0)));
    Text3->setText(trim(grilla->textoColumna(1)));
    Text4->setText(trim(grilla->textoColumna(2)));
}

QString Form8::llamaGrabar(const QString& modo)
{
    escribeentransaccion(QStringLiteral("exec ")
                         + db::callText(QStringLiteral("ACTDETJUG"),
                                        {modo, Text3->text(), codigoEspecial(Combo1), Text4->text()}));
    return QStringLiteral("0");
}

void Form8::grabaDetalle()
{
    atrapa([this] {
        const QString especial = codigoEspecial(Combo1);
        core::renuevaconexion();
        const bool agrega = core::sesion().modoedicion == QLatin1String("A");
        llamaGrabar(agrega ? QStringLiteral("1") : QStringLiteral("2"));
        platform::msgbox(agrega ? QStringLiteral("Se Agrego perfectamente ") + especial
                                : QStringLiteral("Se Actualizo perfectamente ") + especial + Text3->text());
        core::sesion().modoedicion.clear();
        if (Form6* lista = catalogo())
            lista->releeLista();
        close();
    });
}

bool Form8::onKeyPreview(QKeyEvent* evento)
{
    return core::teclasventana(*evento, [this] { close(); }, [this] { grabaDetalle(); });
}

} // namespace lotteries
