#include "fiscal/masterven_imp.h"

#include "fiscal/impuestosventana.h"

#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace fiscal {

namespace db = platform::db;
namespace msg = platform::msg;

namespace {

// "Impuestos Asignado a:" and the seller, on one line.
QHBoxLayout* filaVendedor(QLabel* titulo, QLabel* vendedor)
{
    auto* fila = new QHBoxLayout;
    fila->addWidget(titulo);
    fila->addWidget(vendedor, 1);
    return fila;
}

void aviso(const QString& texto)
{
    platform::msgbox(texto, msg::Exclamation, core::TituloAtencion);
}

constexpr int AnchoColumnas = 900 + 3000 + 1200;

const QString Problema = QStringLiteral("Ha ocurrido un problema tratando de realizar la transacción");

} // namespace

masterven_imp::masterven_imp()
    : Catalogo(QStringLiteral("Impuestos"))
    , Label1(new QLabel(QStringLiteral("Impuestos Asignado a:")))
    , Label2(new QLabel)
{
    setFrame({.fixedBorder = true, .maxButton = false, .centred = true});
    Label2->setObjectName(QStringLiteral("Label2"));
    columnaLista()->insertLayout(0, filaVendedor(Label1, Label2));
    areaDetalle()->hide();
    botonNuevo()->setText(QStringLiteral("&Agregar"));
    botonModificar()->hide();
    setGuardaPosicion(false);
    setEnterModifica(core::EnterModifica::Nunca);
    grilla()->reserveColumnsWidth(AnchoColumnas);
}

db::RecordSet masterven_imp::leeLista()
{
    return core::sesion().conexion.execute(
        db::callText(QStringLiteral("impuestos_vendedor"), {core::primerapalabra(Label2->text())}));
}

QList<core::Columna> masterven_imp::columnas() const
{
    return {{0, QStringLiteral("Código"), 900},
            {1, QStringLiteral("Descripción"), 3000},
            {2, QStringLiteral("Porcentaje"), AnchoColumnas - 3900}};
}

void masterven_imp::abreEditor(bool)
{
    auto* editor = core::cargaVentana<editaimpuestovend>(QStringLiteral("editaimpuestovend"));
    if (!editor)
        return;
    editor->Label2->setText(Label2->text());
    editor->showModeless();
}

// Yes the default button, unlike the shared question.
bool masterven_imp::preguntaEliminar()
{
    return platform::msgbox(QStringLiteral("Desea realmente eliminar el Impuesto?"),
                            msg::YesNo + msg::Critical, core::TituloAtencion) == msg::AnswerYes;
}

// The tax of the highlighted row; "0" when its row went, "2" when there was
// none to delete.
QString masterven_imp::llamaEliminar()
{
    if (!grilla()->tieneFila())
        return QStringLiteral("2");
    const db::RecordSet borradas = core::sesion().conexion.execute(db::callText(
        QStringLiteral("borra_vend_imp"), {core::primerapalabra(Label2->text()), grilla()->textoColumna(0)}));
    return borradas.recordCount() > 0 ? QStringLiteral("0") : QStringLiteral("2");
}

void masterven_imp::informaEliminado(const QString& respuesta)
{
    aviso(respuesta == QLatin1String("0") ? QStringLiteral("Registro eliminado con exito!") : Problema);
}

editaimpuestovend::editaimpuestovend()
    : Editor(QStringLiteral("Impuestos"))
    , Label1(new QLabel(QStringLiteral("Impuestos Asignado a:")))
    , Label2(new QLabel)
    , DataGrid1(new core::GrillaCatalogo)
    , Text4(new QLineEdit)
    , Combo1(new QComboBox)
{
    setFrame({.fixedBorder = true, .minButton = false, .maxButton = false, .centred = true});
    Label2->setObjectName(QStringLiteral("Label2"));
    Combo1->setEditable(true);
    preparaPorcentaje(Text4);
    auto* columna = new QVBoxLayout(areaCampos());
    columna->setContentsMargins({});
    columna->addLayout(filaVendedor(Label1, Label2));
    columna->addWidget(DataGrid1, 1);
    auto* datos = new QFormLayout;
    datos->addRow(QStringLiteral("%Porcentaje"), Text4);
    datos->addRow(QStringLiteral("Se Aplica"), Combo1);
    columna->addLayout(datos);
    DataGrid1->reserveColumnsWidth(AnchoColumnas);
    setCamposEnOrden({DataGrid1, Text4, Combo1});
}

// The caption is its own in every mode: the editor only adds.
void editaimpuestovend::onLoad()
{
    Editor::onLoad();
    setWindowTitle(QStringLiteral("Edita Impuestos"));
}

bool editaimpuestovend::cargaListas()
{
    Combo1->clear();
    Combo1->addItems({QStringLiteral("Venta"), QStringLiteral("Premio")});
    return true;
}

void editaimpuestovend::onActivate()
{
    atrapa([this] { listaCatalogo(); });
}

// Every tax of the catalogue, those the seller has included; an empty
// catalogue leaves the grid as it was.
void editaimpuestovend::listaCatalogo()
{
    const db::RecordSet lista = core::sesion().conexion.execute(
        db::callText(QStringLiteral("catalogo_impuestos")));
    if (lista.recordCount() <= 0)
        return;
    DataGrid1->setDataSource(lista);
    DataGrid1->disponeColumnas(
        {{0, QStringLiteral("Código"), 900}, {1, QStringLiteral("Descripción"), 3000}});
}

QString editaimpuestovend::vendedor() const
{
    return core::primerapalabra(Label2->text());
}

QString editaimpuestovend::impuesto() const
{
    return DataGrid1->textoColumna(0).trimmed();
}

bool editaimpuestovend::validaGrabar()
{
    if (porcentajeDe(Text4->text()) <= platform::Decimal() || Combo1->currentText().isEmpty() ||
        impuesto().isEmpty()) {
        aviso(QStringLiteral("Debe llenar todos los campos"));
        Text4->setFocus();
        return false;
    }
    if (!cabeCampo(Combo1->currentText(), AnchoAplicaImpuesto, QStringLiteral("Se Aplica")))
        return false;
    const db::RecordSet existe = core::sesion().conexion.execute(
        db::callText(QStringLiteral("busca_vend_imp"), {vendedor(), impuesto()}));
    if (existe.recordCount() > 0) {
        aviso(QStringLiteral("Este Impuesto ya ha sido agregado para este vendedor, por favor verifique!"));
        return false;
    }
    return true;
}

// One statement that writes the row only while the seller and the tax
// exist and the seller does not have it yet: "0" when it was written.
QString editaimpuestovend::llamaGrabar(const QString&)
{
    const db::RecordSet agregada = core::sesion().conexion.execute(db::callText(
        QStringLiteral("agrega_vend_imp"), {vendedor(), impuesto(), Text4->text(), Combo1->currentText()}));
    return agregada.recordCount() > 0 ? QStringLiteral("0") : QStringLiteral("6");
}

bool editaimpuestovend::informaGrabado(const QString& respuesta)
{
    const bool exito = respuesta == QLatin1String("0");
    aviso(exito ? QStringLiteral("El Impuesto ha sido agregado con exito!") : Problema);
    return exito;
}

} // namespace fiscal
