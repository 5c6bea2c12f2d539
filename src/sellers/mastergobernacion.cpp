#include "sellers/mastergobernacion.h"

#include "sellers/ubicacion.h"

#include "core/filtros.h"

#include "platform/ui/windowregistry.h"

#include <QLineEdit>

namespace sellers {

namespace db = platform::db;

namespace {

const QString Region = QStringLiteral("la región");
constexpr int TiempoEsperaGrabar = 900;

} // namespace

mastergobernacion::mastergobernacion()
    : CatalogoUbicacion(QStringLiteral("Actualizaciòn de Informaciòn de Regiones"),
                        QStringLiteral("editagobernacion"))
{
}

db::RecordSet mastergobernacion::leeLista()
{
    return listaregiones(QString());
}

QList<core::Columna> mastergobernacion::columnas() const
{
    return {{0, QStringLiteral("Código"), 900},
            {1, QStringLiteral("Descripción"), 3000},
            {2, QStringLiteral("Observaciones"), 3000}};
}

void mastergobernacion::copiaFila()
{
    Text1->setText(core::textocampo(grilla()->textoColumna(0)));
    Text2->setText(core::textocampo(grilla()->textoColumna(1)));
    Text3->setText(core::textocampo(grilla()->textoColumna(2)));
}

bool mastergobernacion::codigosCaben()
{
    return codigoCabe(Text1->text().trimmed(), AnchoCodigoRegion, Region);
}

QString mastergobernacion::llamaEliminar()
{
    if (!codigosCaben())
        return QStringLiteral("4");
    db::Command c = comandoactgbr(QStringLiteral("3"), Text1->text(), Text2->text(), Text3->text());
    c.execute();
    return core::respuesta(c);
}

editagobernacion::editagobernacion() : EditorUbicacion(QStringLiteral("Región"), QStringLiteral("Región"))
{
    core::conectaLimite(Text3, AnchoObservacionesRegion, QStringLiteral("Observaciones"));
}

void editagobernacion::preparaModificar()
{
    if (auto* lista = dynamic_cast<mastergobernacion*>(
            platform::ui::windowRegistry().find(QStringLiteral("mastergobernacion"))))
        copiaDe(*lista);
}

QString editagobernacion::llamaGrabar(const QString& modo)
{
    db::Command c = comandoactgbr(modo, Text1->text(), Text2->text(), Text3->text(), TiempoEsperaGrabar);
    c.execute();
    return core::respuesta(c);
}

} // namespace sellers
