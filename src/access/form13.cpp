#include "access/form13.h"

#include "access/form4.h"
#include "access/llamadas.h"

#include "core/filtros.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/messages.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace acceso {

namespace db = platform::db;

namespace {

const QStringList Estados = {QStringLiteral("1.- Activo"), QStringLiteral("2.- Inactivo"),
                             QStringLiteral("3.- Suspendido")};
const QStringList Tipos = {QStringLiteral("1.- Normal"), QStringLiteral("2.- Self-Service")};

QComboBox* listaEditable()
{
    auto* lista = new QComboBox;
    lista->setEditable(true);
    lista->setInsertPolicy(QComboBox::NoInsert);
    core::conectaseleccionatodo(lista);
    return lista;
}

} // namespace

Form13::Form13()
    : Editor(QStringLiteral("Usuarios"))
    , Combo1(listaEditable())
    , Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Text3(new QLineEdit)
    , Text4(new QLineEdit)
    , Text5(new QLineEdit)
    , Combo2(listaEditable())
    , Text6(new QLineEdit)
    , Combo3(listaEditable())
{
    setFrame({.fixedBorder = true, .maxButton = false, .centred = true});
    auto* campos = new QFormLayout(areaCampos());
    campos->addRow(QStringLiteral("Vendedor al Que Pertenece"), Combo1);
    campos->addRow(QStringLiteral("Usuario"), Text1);
    campos->addRow(QStringLiteral("Nombre"), Text2);
    campos->addRow(QStringLiteral("Dirección"), Text3);
    campos->addRow(QStringLiteral("Telefono(s)"), Text4);
    campos->addRow(QStringLiteral("e-mail"), Text5);
    campos->addRow(QStringLiteral("Estado Actual"), Combo2);
    campos->addRow(QStringLiteral("Clave de Acceso al Sistema"), Text6);
    campos->addRow(QStringLiteral("Tipo Usuario"), Combo3);
    Combo1->setMinimumContentsLength(30);
    Text3->setMinimumWidth(Text3->fontMetrics().horizontalAdvance(QString(40, QLatin1Char('x'))));
    core::conectaLimite(Text1, AnchoCodigo);
    core::conectaLimite(Text6, AnchoClave);
    for (QLineEdit* caja : {Text1, Text2, Text3, Text4, Text5, Text6})
        core::conectaseleccionatodo(caja);
    setCajaCodigo(Text1);
    setCamposEnOrden({Combo1, Text1, Text2, Text3, Text4, Text5, Combo2, Text6, Combo3});
    setCatalogo(QStringLiteral("Form4"));
    setModoPropio(true);
    setVaciaModoAlGrabar(true);
}

bool Form13::cargaListas()
{
    Combo1->clear();
    Combo2->clear();
    Combo2->addItems(Estados);
    Combo3->addItems(Tipos);
    return true;
}

void Form13::preparaAgregar()
{
    Editor::preparaAgregar();
    Combo1->setEnabled(true);
    db::RecordSet vendedores = core::sesion().rsvendedores;
    if (vendedores.state() == db::RecordSet::StateOpen && vendedores.recordCount() > 0) {
        for (vendedores.moveFirst(); !vendedores.eof(); vendedores.moveNext())
            Combo1->addItem(core::itemcodigo(vendedores.value(QStringLiteral("codvendedor")),
                                             vendedores.value(QStringLiteral("nombre_vend"))));
    }
    Combo1->setEditText(QString());
    Combo2->setEditText(Estados.first());
    Combo3->setEditText(Tipos.first());
}

void Form13::preparaModificar()
{
    Combo1->setEnabled(false);
    auto* lista = catalogo<Form4>();
    if (!lista)
        return;
    const RegistroUsuario r = lista->registro();
    Combo1->setEditText(r.vendedor + QStringLiteral(" - ") + r.nombrevendedor);
    Text1->setText(r.usuario);
    Text2->setText(r.nombre);
    Text3->setText(r.direccion);
    Text4->setText(r.telefono);
    Text5->setText(r.email);
    Text6->setText(r.clave);
    // The stored state, so that a save without another choice keeps it.
    const QString estado = core::itemopcion(Estados, r.estado);
    Combo2->setEditText(estado.isEmpty() ? Estados.first() : estado);
    Combo3->setEditText(Tipos.first());
}

bool Form13::validaGrabar()
{
    for (const QString& texto : {Combo1->currentText(), Text1->text(), Combo2->currentText(), Text6->text(),
                                 Combo3->currentText()}) {
        if (texto.isEmpty()) {
            platform::msgbox(
                QStringLiteral("Los Campos: Vendedor, Ususario, Estado, Clave y Tipo de Usuario son "
                               "Requeridos"),
                platform::msg::Critical, core::TituloAtencion);
            return false;
        }
    }
    return cabe(core::primerapalabra(Combo1->currentText()), AnchoCodigo, QStringLiteral("Vendedor")) &&
           cabe(Text1->text(), AnchoCodigo, QStringLiteral("Usuario")) &&
           cabe(Text2->text(), AnchoNombreUsuario, QStringLiteral("Nombre")) &&
           cabe(Text3->text(), AnchoDireccion, QStringLiteral("Dirección")) &&
           cabe(Text4->text(), AnchoTelefono, QStringLiteral("Telefono(s)")) &&
           cabe(Text5->text(), AnchoEmail, QStringLiteral("e-mail")) &&
           cabe(Text6->text(), AnchoClave, QStringLiteral("Clave de Acceso al Sistema"));
}

QString Form13::llamaGrabar(const QString& modo)
{
    core::renuevaconexion();
    const RegistroUsuario u{core::primerapalabra(Combo1->currentText()),
                            {},
                            Text1->text(),
                            Text2->text(),
                            Text3->text(),
                            Text4->text(),
                            Text5->text(),
                            Text6->text(),
                            {}};
    db::Command c = comandoactusr(modo, u, Combo2->currentText().left(1), QString(), TiempoEsperaGrabar);
    c.execute();
    return core::respuesta(c);
}

void Form13::trasGrabar(bool)
{
    if (auto* lista = catalogo<Form4>())
        lista->reemplazaLista(listausuarios());
}

} // namespace acceso
