#include "access/form31.h"

#include "access/llamadas.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/masteredita.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/regional.h"

#include <QLabel>

namespace acceso {

namespace db = platform::db;

Form31::Form31() : editorpermisos(QStringLiteral("Permisos"), permisos()) {}

void Form31::ponUsuario(const QString& usuario, const QString& vendedor)
{
    Label2->setText(usuario.trimmed());
    vendedor_ = vendedor.trimmed();
}

QString Form31::leeCadena(const QString& codigo)
{
    db::RecordSet rs = core::sesion().conexion.execute(
        db::callText(QStringLiteral("DSPUSR"), {QStringLiteral("3"), codigo, vendedor_}));
    return rs.eof() ? QString() : platform::regional::toText(rs.value(QStringLiteral("permisos")));
}

QString Form31::guardaCadena(const QString& codigo, const QString& cadena)
{
    core::renuevaconexion();
    const QString blanco = QStringLiteral(" ");
    RegistroUsuario u{vendedor_, {}, codigo, blanco, blanco, blanco, blanco, blanco, blanco};
    db::Command c = comandoactusr(QStringLiteral("4"), u, blanco, cadena, TiempoEsperaGrabar);
    c.execute();
    return core::respuesta(c);
}

bool Form31::onKeyPreview(QKeyEvent* evento)
{
    return core::teclasventana(*evento, [this] { close(); });
}

} // namespace acceso
