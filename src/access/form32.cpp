#include "access/form32.h"

#include "access/form35.h"
#include "access/llamadas.h"

#include "core/sesion.h"

#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace acceso {

namespace db = platform::db;

Form32::Form32()
    : Catalogo(QStringLiteral("Operadores Duroz"))
    , Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Text3(new QLineEdit)
    , Command1(new QPushButton(QStringLiteral("Permisos")))
{
    setFrame({.fixedBorder = true, .maxButton = false, .centred = true});
    grilla()->setObjectName(QStringLiteral("DataGrid1"));
    grilla()->reserveColumnsWidth(4700);
    setLectura(core::Lectura::EnCadaActivacion);
    setRenuevaAlActivar(true);
    setEnterModifica(core::EnterModifica::EnLaVentana);
    setEditor(QStringLiteral("Form35"), core::Modalidad::NoModal, core::Modalidad::NoModal);

    // The boxes only show the row: what a button acts on is the grid's row.
    auto* detalle = new QFormLayout(areaDetalle());
    for (auto [titulo, caja] : {std::pair{"Usuario", Text1}, {"Nombre", Text2}, {"Clave", Text3}}) {
        caja->setReadOnly(true);
        detalle->addRow(QString::fromLatin1(titulo), caja);
    }
    Command1->setAutoDefault(false);
    filaBotones()->insertWidget(filaBotones()->indexOf(botonRegresar()), Command1);
    connect(Command1, &QPushButton::clicked, this, &Form32::permisos);
}

db::RecordSet Form32::leeLista()
{
    return listaoperadores();
}

QList<core::Columna> Form32::columnas() const
{
    return {{0, QStringLiteral("Código"), 900},
            {1, QStringLiteral("Descripción"), 2900},
            {2, QStringLiteral("Clave"), 900}};
}

QList<core::Columna> Form32::columnasTrasEliminar() const
{
    return {{0, QStringLiteral("Codigo"), 900},
            {1, QStringLiteral("Nombre"), 2900},
            {2, QStringLiteral("Clave"), 900}};
}

RegistroOperador Form32::registro() const
{
    if (!grilla()->tieneFila())
        return {};
    return {grilla()->textoColumna(0), grilla()->textoColumna(1), grilla()->textoColumna(2)};
}

void Form32::RECOBRA()
{
    const RegistroOperador r = registro();
    Text1->setText(r.codigo);
    Text2->setText(r.nombre);
    Text3->setText(r.clave);
}

void Form32::onActivate()
{
    core::sesion().modoedicion.clear();
    Catalogo::onActivate();
}

void Form32::abreEditor(bool agregar)
{
    if (!agregar && !grilla()->tieneFila())
        return;
    auto* editor = core::cargaVentana<Form35>(QStringLiteral("Form35"));
    if (!editor)
        return;
    if (!agregar)
        editor->modifica(registro());
    editor->showModeless();
}

bool Form32::preguntaEliminar()
{
    return platform::msgbox(QStringLiteral("Desea realmente eliminar el registro?"),
                            platform::msg::YesNo + platform::msg::Critical,
                            core::TituloAtencion) == platform::msg::AnswerYes;
}

QString Form32::llamaEliminar()
{
    const RegistroOperador r = registro();
    db::Command c = comandoactopr(QStringLiteral("3"), r.codigo.trimmed(), r.nombre, r.clave, QString());
    c.execute();
    return core::respuesta(c);
}

void Form32::permisos()
{
    atrapa([this] {
        if (!grilla()->tieneFila())
            return;
        core::sesion().marcadormaestro = db::Bookmark{};
        auto* ventana = platform::ui::windowRegistry().get(QStringLiteral("permisobanca"));
        if (!ventana)
            return;
        if (auto* etiqueta = ventana->findChild<QLabel*>(QStringLiteral("Label2")))
            etiqueta->setText(grilla()->textoColumna(0));
        ventana->showModeless();
    });
}

} // namespace acceso
