#include "lotteries/seleccion.h"

#include "lotteries/form46.h"

#include "core/masteredita.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/db/connection.h"
#include "platform/vbtext.h"

namespace lotteries {

namespace {

// The text of a column in the current row of a loaded catalogue's grid.
QString columnaDe(const QString& ventana, int columna)
{
    const auto* catalogo = core::ventanaAbierta<core::Catalogo>(ventana);
    return catalogo ? catalogo->grilla()->textoColumna(columna) : QString();
}

} // namespace

QString loteriaactual()
{
    return platform::vb::trim(columnaDe(QStringLiteral("Form5"), 0));
}

QString nombreloteriaactual()
{
    return platform::vb::rtrim(columnaDe(QStringLiteral("Form5"), 1));
}

QString especialactual()
{
    const auto* lista = core::ventanaAbierta<Form46>(QStringLiteral("Form46"));
    return lista ? core::primerapalabra(lista->DataGrid1->textoColumna(0)) : QString();
}

void escribeentransaccion(const QString& texto)
{
    platform::db::Connection& conexion = core::sesion().conexion;
    platform::db::Transaction transaccion(conexion);
    conexion.execute(texto);
    transaccion.commit();
}

} // namespace lotteries
