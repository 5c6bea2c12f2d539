#include "lotteries/form6.h"

#include "lotteries/seleccion.h"

#include "core/conexion.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/messages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace lotteries {

namespace db = platform::db;
using platform::msgbox;

Form6::Form6()
    : Catalogo(QStringLiteral("Actualizar Dellates de las Jugadas Especiales"))
    , Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Text3(new QLineEdit)
    , Text4(new QLineEdit)
{
    setFrame({.fixedBorder = true, .minButton = false, .maxButton = false});
    setLectura(core::Lectura::Guardada);
    setEnterModifica(core::EnterModifica::EnLaVentana);
    auto* detalle = new QFormLayout(areaDetalle());
    auto fila = [&](const QString& etiqueta, QLineEdit* codigo, QLineEdit* nombre) {
        codigo->setReadOnly(true);
        nombre->setReadOnly(true);
        auto* cajas = new QHBoxLayout;
        cajas->addWidget(codigo, 1);
        cajas->addWidget(nombre, 4);
        detalle->addRow(etiqueta, cajas);
    };
    fila(QStringLiteral("Jugada"), Text1, Text2);
    fila(QStringLiteral("Detalle"), Text3, Text4);
    setTabOrder(grilla(), Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);

    // The delete has messages of its own, not the ACT call's.
    botonEliminar()->disconnect(this);
    connect(botonEliminar(), &QPushButton::clicked, this, &Form6::eliminaDetalle);
}

void Form6::onLoad()
{
    atrapa([this] {
        core::Sesion& s = core::sesion();
        s.modoedicion.clear();
        s.marcadormaestro = db::Bookmark{};
        core::reconstruyecadenaconexion();
        if (!core::abreconexion(s.conexion, 0, 3)) {
            core::cajacompartida(
                QStringLiteral("Ocurrieron Errores al Intentar Conectarse!... Finalizando el Sistema"),
                core::TituloBackOffice);
            platform::endProgram();
        }
        releeLista();
    });
}

db::RecordSet Form6::leeLista()
{
    return core::sesion().conexion.execute(QStringLiteral("LIST_jugadeta"));
}

QList<core::Columna> Form6::columnas() const
{
    return {{0, QStringLiteral("Especial"), 765},
            {1, QStringLiteral("Detalle"), 765},
            {2, QStringLiteral("Nombre "), 3100}};
}

void Form6::muestraFila()
{
    Text1->setText(grilla()->textoColumna(0));
    Text2->setText(grilla()->textoColumna(3));
    Text3->setText(grilla()->textoColumna(1));
    Text4->setText(grilla()->textoColumna(2));
}

void Form6::releeLista()
{
    // Bound whatever it holds: an empty list shows no detail.
    const db::RecordSet lista = leeLista();
    reemplazaLista(lista);
    grilla()->setDataSource(lista);
    grilla()->disponeColumnas(columnas());
    muestraFila();
}

void Form6::abreEditor(bool)
{
    abreEditorModal(QStringLiteral("Form8"));
}

void Form6::eliminaDetalle()
{
    atrapa([this] {
        if (!core::confirmaeliminar()) {
            msgbox(QStringLiteral("No Quieres Borrar") + Text1->text());
            return;
        }
        escribeentransaccion(QStringLiteral("Delete From JugaDeta Where Especial = ")
                             + db::quote(Text1->text()) + QStringLiteral(" and Jugada = ")
                             + db::quote(Text3->text()));
        msgbox(QStringLiteral("Se Borro esto perfectamente ") + Text1->text());
        core::sesion().modoedicion.clear();
        releeLista();
    });
}

} // namespace lotteries
