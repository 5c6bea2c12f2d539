#include "sellers/catalogoubicacion.h"

#include "sellers/ubicacion.h"

#include "core/filtros.h"
#include "core/sesion.h"

#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QFormLayout>
#include <QLineEdit>

namespace sellers {

namespace {

const QString TituloEliminar = QStringLiteral("DOVEV UZ ARAR");

QFormLayout* formularioEn(QWidget* area, QLineEdit* codigo, QLineEdit* nombre, QLineEdit* observaciones)
{
    auto* formulario = new QFormLayout(area);
    formulario->addRow(QStringLiteral("Código"), codigo);
    formulario->addRow(QStringLiteral("Descripción"), nombre);
    formulario->addRow(QStringLiteral("Observaciones"), observaciones);
    return formulario;
}

} // namespace

QString mensajeCodigoLargo(const QString& que, int ancho)
{
    return QStringLiteral("El código de %1 no puede tener más de %2 caracteres").arg(que).arg(ancho);
}

CatalogoUbicacion::CatalogoUbicacion(const QString& titulo, const QString& editor)
    : Catalogo(titulo)
    , Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Text3(new QLineEdit)
    , editor_(editor)
{
    setLectura(core::Lectura::EnCadaActivacion);
    setGuardaPosicion(false);
    setEnterModifica(core::EnterModifica::Nunca);
    setTituloConfirmacion(TituloEliminar);
    formulario_ = formularioEn(areaDetalle(), Text1, Text2, Text3);
    connect(grilla(), &QAbstractItemView::clicked, this, [this] {
        Text2->clear();
        Text3->clear();
        copiaFila();
    });
}

void CatalogoUbicacion::onLoad()
{
    core::sesion().modoedicion.clear();
}

void CatalogoUbicacion::abreEditor(bool agregar)
{
    if (agregar)
        platform::ui::windowRegistry().show(editor_);
    else if (codigosCaben())
        abreEditorModal(editor_);
}

bool CatalogoUbicacion::codigoCabe(const QString& codigo, int ancho, const QString& que)
{
    if (codigo.size() <= ancho)
        return true;
    platform::msgbox(mensajeCodigoLargo(que, ancho), 16, core::TituloAtencion);
    return false;
}

EditorUbicacion::EditorUbicacion(const QString& tituloInicial, const QString& sustantivo)
    : Editor(sustantivo)
    , Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Text3(new QLineEdit)
{
    setWindowTitle(tituloInicial);
    core::conectaLimite(Text1, AnchoCodigoRegion, QStringLiteral("Código"));
    core::conectaLimite(Text2, AnchoNombreUbicacion, QStringLiteral("Descripción"));
    formulario_ = formularioEn(areaCampos(), Text1, Text2, Text3);
    setCajaCodigo(Text1);
}

void EditorUbicacion::copiaDe(const CatalogoUbicacion& lista)
{
    Text1->setText(lista.Text1->text());
    Text2->setText(lista.Text2->text());
    Text3->setText(lista.Text3->text());
}

void EditorUbicacion::preparaAgregar()
{
    Text1->clear();
    Text2->clear();
    Text3->clear();
}

} // namespace sellers
