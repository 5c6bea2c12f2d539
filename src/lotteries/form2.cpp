#include "lotteries/form2.h"

#include "core/conexion.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/messages.h"
#include "platform/ui/textwidth.h"
#include "platform/vbtext.h"

#include <QFormLayout>
#include <QLineEdit>

namespace lotteries {

namespace db = platform::db;
using platform::vb::rtrim;
using platform::vb::trim;

QString actjug(const QString& modo, const QString& especial, const QString& nombre)
{
    // No time-out of its own: the data-access default.
    db::Command comando = core::comandoact(QStringLiteral("ACTJUG"));
    comando.append(QStringLiteral("@xmodo"), db::DataType::VarChar, db::Direction::Input, 1, modo);
    comando.append(QStringLiteral("@xespecial"), db::DataType::VarChar, db::Direction::Input, 3,
                   trim(especial));
    comando.append(QStringLiteral("@xdesc_espec"), db::DataType::VarChar, db::Direction::Input, 25,
                   rtrim(nombre));
    comando.execute();
    return core::respuesta(comando);
}

void avisaNoBorra(const QString& codigo)
{
    platform::msgbox(QStringLiteral("No Quieres Borrar") + codigo);
}

form2::form2()
    : Catalogo(QStringLiteral("Actualizar Jugadas Especiales"))
    , Text1(new QLineEdit)
    , Text2(new QLineEdit)
{
    setEditor(QStringLiteral("Form7"));
    setEnterModifica(core::EnterModifica::EnLaVentana);
    setNuevoAlPrimero(false);
    setRenuevaAlActivar(true);
    Text1->setReadOnly(true);
    Text2->setReadOnly(true);
    platform::ui::showCharacters(Text2, 25);
    grilla()->reserveColumnsWidth(765 + 4200); // the widths its activation sets
    auto* detalle = new QFormLayout(areaDetalle());
    detalle->addRow(QStringLiteral("Código"), Text1);
    detalle->addRow(QStringLiteral("Nombre"), Text2);
}

db::RecordSet form2::leeLista()
{
    return core::sesion().conexion.execute(
        db::callText(QStringLiteral("DSPJUG"), {QStringLiteral("0"), QStringLiteral("A")}));
}

QList<core::Columna> form2::columnas() const
{
    return {{0, QStringLiteral("Còdigo"), 765}, {1, QStringLiteral("Nombre "), 4200}};
}

JugadaEspecial form2::registro() const
{
    return {grilla()->textoColumna(0), grilla()->textoColumna(1)};
}

void form2::muestraFila()
{
    Text2->clear();
    const JugadaEspecial jugada = registro();
    Text1->setText(trim(jugada.codigo));
    Text2->setText(rtrim(jugada.nombre));
}

QString form2::llamaEliminar()
{
    return actjug(QStringLiteral("3"), Text1->text(), Text2->text());
}

void form2::noElimina()
{
    avisaNoBorra(Text1->text());
}

void form2::muestraListaEditor(const db::RecordSet& lista)
{
    grilla()->setDataSource(lista);
    grilla()->disponeColumnas({{0, QStringLiteral("Còdigo"), 765}, {1, QStringLiteral("Nombre "), 3000}});
    grilla()->irAMarcador(core::sesion().marcadormaestro);
}

} // namespace lotteries
