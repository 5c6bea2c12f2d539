#include "lineup/form42.h"

#include "core/sesion.h"
#include "platform/db/command.h"
#include "reports/htmllineup.h"

#include <QDateEdit>

namespace lineup {

namespace db = platform::db;
using core::sesion;

Form42::Form42()
    : VentanaReporte(
          {.titulo = QStringLiteral("Reporte de Line - Up de Vendedores"), .fechas = Fechas::SoloDesde})
{
}

db::RecordSet Form42::consulta()
{
    db::Command cmd(sesion().conexion, QStringLiteral("DSPLUP22"));
    cmd.append(QStringLiteral("@RETURN_VALUE"), db::DataType::Integer, db::Direction::ReturnValue);
    cmd.append(QStringLiteral("@xfecmov"), db::DataType::VarChar, db::Direction::Input, 10);
    cmd.setValue(QStringLiteral("@xfecmov"), fechatexto(Desdes->date()));
    return cmd.execute();
}

void Form42::fijaEncabezados()
{
    sesion().reportelinea1 = sesion().nombreoperador;
    sesion().reportelinea2 = QStringLiteral("Fecha Desde : ") + fechatexto(Desdes->date());
}

void Form42::escribe(db::RecordSet& rs, const QString& borde)
{
    reports::htmllineup(rs, sesion().reportelinea1, sesion().reportelinea2, borde);
}

} // namespace lineup
