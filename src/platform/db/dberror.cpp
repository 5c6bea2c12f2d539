#include "platform/db/dberror.h"

namespace platform::db {

const QString DbError::ServerSource = QStringLiteral("duroz database");
const QString DbError::ClientSource = QStringLiteral("duroz data access");

DbError::DbError(int number, const QString& description, const QString& source)
    : std::runtime_error(QStringLiteral("%1: %2").arg(number).arg(description).toStdString())
    , number_(number)
    , description_(description)
    , source_(source)
{
}

DbError DbError::closed()
{
    return {err::ConnectionClosed, QStringLiteral("La operación no está permitida: el objeto está cerrado.")};
}

DbError DbError::noCurrentRecord()
{
    return {err::NoCurrentRecord,
            QStringLiteral("No hay registro actual: BOF o EOF es verdadero, o el registro "
                           "actual fue eliminado.")};
}

DbError DbError::itemNotFound(const QString& name)
{
    return {err::ItemNotFound,
            QStringLiteral("No se encontró el elemento \"%1\" en la colección.").arg(name)};
}

DbError DbError::wrongType(const QString& what)
{
    return {err::WrongType, QStringLiteral("Valor de tipo incorrecto: %1").arg(what)};
}

DbError DbError::badArgument(const QString& what)
{
    return {err::BadArgument, QStringLiteral("Argumentos fuera del intervalo o en conflicto: %1").arg(what)};
}

DbError DbError::serverRule(const QString& what)
{
    return {err::ServerError, what, ServerSource};
}

} // namespace platform::db
