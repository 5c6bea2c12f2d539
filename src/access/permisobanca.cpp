#include "access/permisobanca.h"

#include "access/llamadas.h"

#include "core/masteredita.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/regional.h"

namespace acceso {

namespace db = platform::db;

permisobanca::permisobanca() : editorpermisos(QStringLiteral("Permisos Operador"), permisooperador()) {}

QString permisobanca::leeCadena(const QString& codigo)
{
    db::RecordSet rs = core::sesion().conexion.execute(
        db::callText(QStringLiteral("DSPOPR"), {QStringLiteral("3"), codigo}));
    return rs.eof() ? QString() : platform::regional::toText(rs.value(QStringLiteral("permisooperador")));
}

QString permisobanca::guardaCadena(const QString& codigo, const QString& cadena)
{
    db::Command c = comandoactopr(QStringLiteral("4"), codigo.trimmed(), QString(), QString(), cadena,
                                  TiempoEsperaGrabar);
    c.execute();
    return core::respuesta(c);
}

} // namespace acceso
