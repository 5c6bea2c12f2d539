#include "access/permisoespejo.h"

#include "access/llamadas.h"

#include "core/masteredita.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/regional.h"

namespace acceso {

namespace db = platform::db;

permisoespejo::permisoespejo() : editorpermisos(QStringLiteral("Permisos Consulta"), permisovendedor()) {}

QString permisoespejo::leeCadena(const QString& codigo)
{
    db::RecordSet rs = core::sesion().conexion.execute(
        db::callText(QStringLiteral("DSPVen"), {QStringLiteral("6"), codigo}));
    return rs.eof() ? QString() : platform::regional::toText(rs.value(QStringLiteral("permisovendedor")));
}

QString permisoespejo::guardaCadena(const QString& codigo, const QString& cadena)
{
    db::Command c = core::comandoact(QStringLiteral("DSPVEN"), TiempoEsperaGrabar);
    c.append(QStringLiteral("@xmodo"), db::DataType::VarChar, db::Direction::Input, 10, QStringLiteral("7"));
    c.append(QStringLiteral("@xcodigo_vend"), db::DataType::VarChar, db::Direction::Input, AnchoCodigo,
             codigo.trimmed());
    c.append(QStringLiteral("@xpermisovendedor"), db::DataType::VarChar, db::Direction::Input, 200, cadena);
    c.execute();
    return core::respuesta(c);
}

} // namespace acceso
