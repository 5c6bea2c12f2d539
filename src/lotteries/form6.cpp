#include "lotteries/form6.h"

#include "lotteries/form2.h"
#include "lotteries/seleccion.h"

#include "core/conexion.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/messages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>

namespace lotteries {

namespace db = platform::db;

Form6::Form6()
    : Catalogo(QStringLiteral("Actualizar Dellates de las Jugadas Especiales"))
    , Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Text3(new QLineEdit)
    , Text4(new QLineEdit)
{
    setFrame({.fixedBorder = true, .minButton = false, .maxButton = false});
    setLectura(core::Lectura::AlCargar);
    setEditor(QStringLiteral("Form8"));
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
    core::encadenaTabulacion({grilla(), Text1, Text2, Text3, Text4});
}

// A fresh shared connection before the list is read; the program ends when
// it cannot be opened.
void Form6::onLoad()
{
    atrapa([] {
        core::reconstruyecadenaconexion();
        if (!core::abreconexion(core::sesion().conexion, 0, 3)) {
            core::cajacompartida(
                QStringLiteral("Ocurrieron Errores al Intentar Conectarse!... Finalizando el Sistema"),
                core::TituloBackOffice);
            platform::endProgram();
        }
    });
    Catalogo::onLoad();
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

DetalleJugada Form6::registro() const
{
    return {grilla()->textoColumna(0), grilla()->textoColumna(1), grilla()->textoColumna(2)};
}

void Form6::muestraFila()
{
    const DetalleJugada detalle = registro();
    Text1->setText(detalle.especial);
    Text2->setText(grilla()->textoColumna(3));
    Text3->setText(detalle.detalle);
    Text4->setText(detalle.nombre);
}

QString Form6::llamaEliminar()
{
    escribeentransaccion(db::callText(QStringLiteral("borra_jugadeta"), {Text1->text(), Text3->text()}));
    return QStringLiteral("0");
}

void Form6::informaEliminado(const QString&)
{
    platform::msgbox(QStringLiteral("Se Borro esto perfectamente ") + Text1->text());
}

void Form6::trasEliminar()
{
    core::sesion().modoedicion.clear();
}

void Form6::noElimina()
{
    avisaNoBorra(Text1->text());
}

} // namespace lotteries
