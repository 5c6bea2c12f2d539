#include "accounts/grillaajena.h"

#include "platform/regional.h"
#include "platform/ui/datagrid.h"
#include "platform/ui/window.h"
#include "platform/ui/windowregistry.h"

namespace accounts {

QString columnaGrilla(const QString& ventana, int columna, Busqueda busqueda)
{
    auto& registro = platform::ui::windowRegistry();
    platform::ui::Window* w = busqueda == Busqueda::CargaSiFalta ? registro.get(ventana)
                                                                 : registro.find(ventana);
    if (!w)
        return {};
    auto* grilla = w->findChild<platform::ui::DataGrid*>();
    if (!grilla)
        return {};
    const platform::db::RecordSet& filas = grilla->dataSource();
    if (filas.state() != platform::db::RecordSet::StateOpen || filas.bof() || filas.eof() ||
        columna >= filas.fieldCount())
        return {};
    return platform::regional::toText(filas.field(columna).value());
}

} // namespace accounts

#include <QDateEdit>

namespace accounts {

QDate fechaVentana(const QString& ventana)
{
    platform::ui::Window* w = platform::ui::windowRegistry().get(ventana);
    if (!w)
        return {};
    auto* fecha = w->findChild<QDateEdit*>(QStringLiteral("Desdes"));
    if (!fecha)
        fecha = w->findChild<QDateEdit*>();
    return fecha ? fecha->date() : QDate();
}

} // namespace accounts
