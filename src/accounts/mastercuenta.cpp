#include "accounts/mastercuenta.h"

#include "accounts/llamadas.h"

#include "core/filtros.h"
#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/messages.h"
#include "platform/vbtext.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>

namespace accounts {

namespace db = platform::db;

namespace {

constexpr int AnchoCodigo = 5;
constexpr int TiempoEsperaGrabar = 900;

QFormLayout* cajas(QWidget* area, QLineEdit* codigo, QLineEdit* banco, QLineEdit* numero)
{
    auto* formulario = new QFormLayout(area);
    formulario->addRow(QStringLiteral("Código"), codigo);
    formulario->addRow(QStringLiteral("Banco"), banco);
    formulario->addRow(QStringLiteral("Cuenta"), numero);
    return formulario;
}

} // namespace

db::RecordSet listacuentas()
{
    return core::sesion().conexion.execute(
        db::callText(QStringLiteral("DSPcuentas"), {QStringLiteral("0"), {}}));
}

mastercuenta::mastercuenta()
    : Catalogo(QStringLiteral("Actualizaciòn de Informaciòn de Cuentas Bancarias o Caja chica"))
    , Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Text3(new QLineEdit)
    , rutinas_(Text1, Text2, Text3)
{
    cajas(areaDetalle(), Text1, Text2, Text3);
    setEditor(QStringLiteral("editacuenta"), core::Modalidad::NoModal, core::Modalidad::Modal);
    setRenuevaAlActivar(true);
    setTituloConfirmacion(QStringLiteral("DOVEV UZ ARAR"));
}

db::RecordSet mastercuenta::leeLista()
{
    return listacuentas();
}

QList<core::Columna> mastercuenta::columnas() const
{
    return {{0, QStringLiteral("Código"), 900},
            {1, QStringLiteral("Banco"), 3000},
            {2, QStringLiteral("Cuenta"), 3000}};
}

void mastercuenta::onActivate()
{
    Catalogo::onActivate();
    // The list is read anew on every activation and comes back to the row
    // saved by "&Modificar".
    if (grilla()->tieneFila()) {
        grilla()->irAMarcador(core::sesion().marcadormaestro);
        muestradatos();
    }
}

void mastercuenta::muestradatos()
{
    Text1->setText(core::textocampo(grilla()->textoColumna(0)));
    Text2->setText(core::textocampo(grilla()->textoColumna(1)));
    Text3->setText(core::textocampo(grilla()->textoColumna(2)));
}

QString mastercuenta::llamaEliminar()
{
    db::Command c = comandoactcuentas(QStringLiteral("3"), grilla()->textoColumna(0).trimmed(),
                                      platform::vb::rtrim(Text2->text()), platform::vb::rtrim(Text3->text()));
    c.execute();
    return core::respuesta(c);
}

void mastercuenta::buscacodigo()
{
    const QString codigo = Text1->text().trimmed();
    db::RecordSet cuentas = lista().state() == db::RecordSet::StateOpen ? lista().clone() : db::RecordSet();
    for (; cuentas.state() == db::RecordSet::StateOpen && !cuentas.eof(); cuentas.moveNext()) {
        if (core::textocampo(cuentas.field(0).value()).trimmed() == codigo) {
            grilla()->irAMarcador(cuentas.bookmark());
            muestradatos();
            Text2->setFocus();
            return;
        }
    }
    platform::msgbox(QStringLiteral("El Código Ingresado no existe... Verifique por favor..."));
}

bool mastercuenta::onKeyPreview(QKeyEvent* evento)
{
    if (Text1->hasFocus() && core::codigotecla(*evento) == core::TeclaEnter) {
        buscacodigo();
        return true;
    }
    return Catalogo::onKeyPreview(evento);
}

editacuenta::editacuenta()
    : Editor(QStringLiteral("Cuenta"))
    , Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Text3(new QLineEdit)
{
    setWindowTitle(QStringLiteral("Cuentas Bancaria o Caja Chica"));
    cajas(areaCampos(), Text1, Text2, Text3);
    core::conectaLimite(Text1, AnchoCodigo);
    core::conectaseleccionatodo(Text2);
    core::conectaseleccionatodo(Text3);
    setCajaCodigo(Text1);
    setCamposEnOrden({Text1, Text2, Text3});
    setCatalogo(QStringLiteral("mastercuenta"));
}

void editacuenta::preparaModificar()
{
    setWindowTitle(QStringLiteral("Modificando Cuentas"));
    if (auto* lista = catalogo<mastercuenta>()) {
        Text1->setText(lista->grilla()->textoColumna(0).trimmed());
        Text2->setText(core::textocampo(lista->grilla()->textoColumna(1)));
        Text3->setText(core::textocampo(lista->grilla()->textoColumna(2)));
    }
}

bool editacuenta::validaGrabar()
{
    for (const QLineEdit* caja : {Text1, Text2, Text3}) {
        if (caja->text().trimmed().isEmpty()) {
            platform::msgbox(QStringLiteral("Debe rellenar todos los campor, por favor verifique!"), 16,
                             core::TituloAtencion);
            return false;
        }
    }
    return true;
}

// The mode chosen when the editor opened: the add editor is modeless, and
// the list's "&Modificar" may change the shared mode while it is open.
QString editacuenta::llamaGrabar(const QString&)
{
    db::Command c = comandoactcuentas(agregando() ? QStringLiteral("1") : QStringLiteral("2"),
                                      Text1->text().trimmed(), platform::vb::rtrim(Text2->text()),
                                      platform::vb::rtrim(Text3->text()), TiempoEsperaGrabar);
    c.execute();
    return core::respuesta(c);
}

} // namespace accounts
