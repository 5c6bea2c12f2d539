#include "lotteries/form7.h"

#include "lotteries/form2.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/sesion.h"

#include "platform/ui/textwidth.h"
#include "platform/vbtext.h"

#include <QFormLayout>
#include <QLineEdit>

namespace lotteries {

using platform::vb::trim;

Form7::Form7() : Editor(QStringLiteral("Jugadas Especiales")), Text1(new QLineEdit), Text2(new QLineEdit)
{
    setCatalogo(QStringLiteral("form2"));
    setVaciaModoAlDeshacer(true);
    // Fewer typed characters than the parameters hold: a longer code or
    // name the load puts in is sent whole.
    core::conectaLimite(Text1, 2, QStringLiteral("Jugada"), 3);
    core::conectaLimite(Text2, 20, QStringLiteral("Nombre"), 25);
    platform::ui::showCharacters(Text2, 25); // a stored name holds up to 25
    auto* campos = new QFormLayout(areaCampos());
    campos->addRow(QStringLiteral("Jugada"), Text1);
    campos->addRow(QString(), Text2);
    setCamposEnOrden({Text1, Text2});
}

void Form7::preparaModificar()
{
    if (const form2* lista = catalogo<form2>()) {
        const JugadaEspecial jugada = lista->registro();
        Text1->setText(trim(jugada.codigo));
        Text2->setText(trim(jugada.nombre));
    }
}

QString Form7::llamaGrabar(const QString& modo)
{
    core::renuevaconexion();
    return actjug(modo, Text1->text(), Text2->text());
}

void Form7::alCerrar()
{
    if (form2* lista = catalogo<form2>())
        lista->muestraListaEditor(core::sesion().conexion.execute(QStringLiteral("LIST_JUG")));
}

} // namespace lotteries
