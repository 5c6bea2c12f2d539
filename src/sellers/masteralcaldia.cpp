#include "sellers/masteralcaldia.h"

#include "sellers/ubicacion.h"

#include "core/filtros.h"
#include "core/rutinas.h"

#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace sellers {

namespace db = platform::db;

namespace {

constexpr int AnchoCodigoAlcaldia = 5;
constexpr int TiempoEsperaGrabar = 900;
const QString Alcaldia = QStringLiteral("la alcaldía");
const QString Region = QStringLiteral("la región");

} // namespace

masteralcaldia::masteralcaldia()
    : CatalogoUbicacion(QStringLiteral("Actualizaciòn de Informaciòn de Alcadias"),
                        QStringLiteral("editaalcaldia"))
    , Text4(new QLineEdit)
{
    formulario()->addRow(QStringLiteral("Región"), Text4);
}

db::RecordSet masteralcaldia::leeLista()
{
    return listaalcaldias();
}

QList<core::Columna> masteralcaldia::columnas() const
{
    return {{0, QStringLiteral("Código"), 900},
            {1, QStringLiteral("Descripción"), 3000},
            {2, QStringLiteral("Observaciones"), 3000},
            {3, QStringLiteral("Código Gob."), 900},
            {4, QStringLiteral("Gobernación"), 3000}};
}

void masteralcaldia::copiaFila()
{
    Text1->setText(core::textocampo(grilla()->textoColumna(0)));
    Text2->setText(core::textocampo(grilla()->textoColumna(1)));
    Text3->setText(core::textocampo(grilla()->textoColumna(2)));
    Text4->setText(grilla()->textoColumna(3).trimmed() + QStringLiteral(" - ") +
                   core::textocampo(grilla()->textoColumna(4)));
}

bool masteralcaldia::codigosCaben()
{
    return codigoCabe(Text1->text().trimmed(), AnchoCodigoAlcaldia, Alcaldia) &&
           codigoCabe(core::primerapalabra(Text4->text()), AnchoCodigoRegion, Region);
}

QString masteralcaldia::llamaEliminar()
{
    if (!codigosCaben())
        return QStringLiteral("4");
    db::Command c = comandoactald(QStringLiteral("3"), Text1->text(), core::primerapalabra(Text4->text()),
                                  QString(), QString());
    c.execute();
    return core::respuesta(c);
}

editaalcaldia::editaalcaldia()
    : EditorUbicacion(QStringLiteral("Alcaldia"), QStringLiteral("Alcaldia"))
    , Combo1(new QComboBox)
{
    Combo1->setEditable(true);
    core::conectaLimite(Text3, AnchoObservacionesAlcaldia, QStringLiteral("Observaciones"));
    formulario()->addRow(QStringLiteral("Región"), Combo1);
}

bool editaalcaldia::cargaListas()
{
    db::RecordSet regiones = listaregiones(QString());
    Combo1->clear();
    for (; !regiones.eof(); regiones.moveNext())
        Combo1->addItem(core::textocampo(regiones.value(QStringLiteral("codigo_gobernacion"))) +
                        QStringLiteral(" - ") +
                        core::textocampo(regiones.value(QStringLiteral("Descri_Gobernacion"))));
    return true;
}

void editaalcaldia::preparaAgregar()
{
    EditorUbicacion::preparaAgregar();
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QString());
}

void editaalcaldia::preparaModificar()
{
    if (auto* lista = dynamic_cast<masteralcaldia*>(
            platform::ui::windowRegistry().find(QStringLiteral("masteralcaldia")))) {
        copiaDe(*lista);
        Combo1->setEditText(lista->Text4->text());
    }
}

bool editaalcaldia::validaGrabar()
{
    const QString region = core::primerapalabra(Combo1->currentText());
    if (region.size() <= AnchoCodigoRegion)
        return true;
    platform::msgbox(mensajeCodigoLargo(Region, AnchoCodigoRegion), 16, core::TituloAtencion);
    return false;
}

QString editaalcaldia::llamaGrabar(const QString& modo)
{
    db::Command c = comandoactald(modo, Text1->text(), core::primerapalabra(Combo1->currentText()),
                                  Text2->text(), Text3->text(), TiempoEsperaGrabar);
    c.execute();
    const QString respuesta = core::respuesta(c);
    // The return value itself first, in a plain box.
    platform::msgbox(respuesta);
    return respuesta;
}

} // namespace sellers
