#pragma once
// A typed call of a server procedure with text inputs of no size limit
// (nothing cut on its way), as the editors make them; its return value.
// Header-only: suites that include it link duroz_core themselves.

#include "core/masteredita.h"
#include "platform/db/command.h"

#include <QStringList>

namespace testsupport {

inline QString llamaConTextos(const QString& procedimiento, const QStringList& entradas)
{
    platform::db::Command c = core::comandoact(procedimiento);
    for (qsizetype i = 0; i < entradas.size(); ++i)
        c.append(QStringLiteral("@p%1").arg(i), platform::db::DataType::VarChar,
                 platform::db::Direction::Input, 0, entradas[i]);
    c.execute();
    return core::respuesta(c);
}

} // namespace testsupport
