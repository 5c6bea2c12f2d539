#include "fiscal/masterimpuesto.h"

#include "fiscal/impuestosventana.h"

#include "core/filtros.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/regional.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace fiscal {

namespace db = platform::db;
using db::DataType;
using db::Direction;

namespace {

constexpr int TiempoEsperaGrabar = 900;

// ACTIMP with its seven inputs; run, its answer as text.
QString actimp(const QString& modo, const RegistroImpuesto& impuesto, const platform::Decimal& porcentaje,
               int tiempoEspera = -1)
{
    db::Command c = core::comandoact(QStringLiteral("ACTIMP"), tiempoEspera);
    c.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 10, modo);
    c.append(QStringLiteral("@xcodigo_impuesto"), DataType::VarChar, Direction::Input, AnchoCodigoImpuesto,
             impuesto.codigo);
    c.append(QStringLiteral("@xdescri_impuesto"), DataType::VarChar, Direction::Input,
             AnchoDescripcionImpuesto, impuesto.descripcion);
    // Three decimals, as the table keeps them: 1.5 % stays 1.5 %.
    c.appendDecimal(QStringLiteral("@xporcentaje_impuesto"), DataType::Numeric, Direction::Input, 9, 3)
        .setValue(QVariant::fromValue(porcentaje));
    c.append(QStringLiteral("@xobserva_impuesto"), DataType::VarChar, Direction::Input,
             AnchoObservacionImpuesto, impuesto.observaciones);
    c.append(QStringLiteral("@xaplica_impuesto"), DataType::VarChar, Direction::Input, AnchoAplicaImpuesto,
             impuesto.aplica);
    c.append(QStringLiteral("@xmuestramonitor"), DataType::VarChar, Direction::Input, 1, QStringLiteral(" "));
    c.execute();
    return core::respuesta(c);
}

QString campo(const db::RecordSet& lista, const char* nombre)
{
    return platform::regional::toText(lista.value(QLatin1String(nombre)));
}

} // namespace

masterimpuesto::masterimpuesto()
    : Catalogo(QStringLiteral("Actualizaciòn de Informaciòn de Impuestos"))
    , Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Text5(new QLineEdit)
    , Text3(new QLineEdit)
    , Text4(new QLineEdit)
{
    setFrame({.fixedBorder = true, .maxButton = false, .centred = true});
    auto* formulario = new QFormLayout(areaDetalle());
    const QList<std::pair<QString, QLineEdit*>> cajas = {{QStringLiteral("Código"), Text1},
                                                         {QStringLiteral("Descripción"), Text2},
                                                         {QStringLiteral("%Porcentaje"), Text5},
                                                         {QStringLiteral("Observaciones"), Text3},
                                                         {QStringLiteral("Se Aplica a:"), Text4}};
    for (const auto& [titulo, caja] : cajas) {
        // What the boxes show is the highlighted row; every operation acts
        // on that row, so typing into them would change nothing.
        caja->setReadOnly(true);
        formulario->addRow(titulo, caja);
    }
    Text3->setMinimumWidth(Text3->fontMetrics().horizontalAdvance(QString(AnchoObservacionImpuesto, u'M')) /
                           2);
    setLectura(core::Lectura::AlCargar);
    setEditor(QStringLiteral("editaimpuesto"), core::Modalidad::NoModal, core::Modalidad::Modal);
    setEnterModifica(core::EnterModifica::EnLaVentana);
    setTituloConfirmacion(QStringLiteral("DOVEV UZ ARAR"));
}

RegistroImpuesto masterimpuesto::registro() const
{
    if (!grilla()->tieneFila())
        return {};
    const db::RecordSet& lista = grilla()->dataSource();
    const auto porcentaje = platform::regional::toDecimal(lista.value(QStringLiteral("Porcentaje_Impuesto")));
    return {campo(lista, "Codigo_Impuesto").trimmed(), campo(lista, "Descri_Impuesto").trimmed(),
            porcentaje ? porcentaje->normalized().toString() : QString(), campo(lista, "Observa_Impuesto"),
            campo(lista, "Aplica_Impuesto")};
}

void masterimpuesto::releeEn(const db::Bookmark& marcador)
{
    relee();
    grilla()->irAMarcador(marcador);
    muestraFila();
}

db::RecordSet masterimpuesto::leeLista()
{
    const bool eliminado = std::exchange(trasEliminar_, false);
    return core::sesion().conexion.execute(
        eliminado ? db::callText(QStringLiteral("DSPIMP"), {QStringLiteral("0"), QString()})
                  : db::callText(QStringLiteral("LIST_IMP")));
}

QList<core::Columna> masterimpuesto::columnas() const
{
    return {{0, QStringLiteral("Código"), 900},
            {1, QStringLiteral("Descripción"), 2700},
            {2, QStringLiteral("%Porc."), 1000}};
}

QList<core::Columna> masterimpuesto::columnasTrasEliminar() const
{
    return {{0, QStringLiteral("Código"), 900},
            {1, QStringLiteral("Descripción"), 3000},
            {2, QStringLiteral("%Porc."), 3000}};
}

void masterimpuesto::muestraFila()
{
    const db::RecordSet& lista = grilla()->dataSource();
    const bool fila = grilla()->tieneFila();
    const auto texto = [&](const char* nombre) {
        return fila ? core::textocampo(lista.value(QLatin1String(nombre))) : QString();
    };
    Text1->setText(texto("Codigo_Impuesto"));
    Text2->setText(texto("Descri_Impuesto"));
    Text5->setText(texto("Porcentaje_Impuesto"));
    Text3->setText(texto("Observa_Impuesto"));
    Text4->setText(texto("Aplica_Impuesto"));
}

// The highlighted row's tax, whatever the boxes show.
QString masterimpuesto::llamaEliminar()
{
    return actimp(QStringLiteral("3"),
                  {registro().codigo, QStringLiteral(" "), {}, QStringLiteral(" "), QStringLiteral(" ")},
                  platform::Decimal());
}

editaimpuesto::editaimpuesto()
    : Editor(QStringLiteral("Impuesto"))
    , Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Text4(new QLineEdit)
    , Text3(new QLineEdit)
    , Combo1(new QComboBox)
{
    setFrame({.fixedBorder = true, .minButton = false, .maxButton = false, .centred = true});
    Combo1->setEditable(true);
    auto* formulario = new QFormLayout(areaCampos());
    formulario->addRow(QStringLiteral("Código"), Text1);
    formulario->addRow(QStringLiteral("Descripción"), Text2);
    formulario->addRow(QStringLiteral("%Porcentaje"), Text4);
    formulario->addRow(QStringLiteral("Observaciones"), Text3);
    formulario->addRow(QStringLiteral("Se Aplica"), Combo1);
    Text3->setMinimumWidth(Text3->fontMetrics().horizontalAdvance(QString(AnchoObservacionImpuesto, u'M')) /
                           2);
    core::conectaLimite(Text1, AnchoCodigoImpuesto);
    preparaPorcentaje(Text4);
    setCajaCodigo(Text1);
    setCamposEnOrden({Text1, Text2, Text4, Text3, Combo1});
    setCatalogo(QStringLiteral("masterimpuesto"));
    // Opened to add, it adds: the list's "&Modificar" may rewrite the shared
    // mode while this modeless editor is open.
    setModoPropio(true);
}

bool editaimpuesto::cargaListas()
{
    Combo1->clear();
    Combo1->addItems({QStringLiteral("Ventas"), QStringLiteral("Premiación")});
    return true;
}

void editaimpuesto::preparaModificar()
{
    const auto* lista = catalogo<masterimpuesto>();
    if (!lista)
        return;
    const RegistroImpuesto r = lista->registro();
    Text1->setText(r.codigo);
    Text2->setText(r.descripcion);
    Text3->setText(r.observaciones);
    Text4->setText(core::comaapunto(r.porcentaje));
    Combo1->setEditText(r.aplica);
}

bool editaimpuesto::validaGrabar()
{
    return cabeCampo(platform::vb::rtrim(Text2->text()), AnchoDescripcionImpuesto,
                     QStringLiteral("Descripción")) &&
           cabeCampo(Text3->text(), AnchoObservacionImpuesto, QStringLiteral("Observaciones")) &&
           cabeCampo(Combo1->currentText(), AnchoAplicaImpuesto, QStringLiteral("Se Aplica"));
}

QString editaimpuesto::llamaGrabar(const QString& modo)
{
    const RegistroImpuesto impuesto{Text1->text().trimmed(),
                                    platform::vb::rtrim(Text2->text()),
                                    {},
                                    Text3->text(),
                                    Combo1->currentText()};
    return actimp(modo, impuesto, porcentajeDe(Text4->text()), TiempoEsperaGrabar);
}

// The list is read again whatever the answer and comes back to the row it
// stood on (the first after "&Nuevo").
void editaimpuesto::trasGrabar(bool)
{
    if (auto* lista = catalogo<masterimpuesto>())
        lista->releeEn(core::sesion().marcadormaestro);
}

} // namespace fiscal
