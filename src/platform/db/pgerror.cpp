#include "platform/db/pgerror.h"

#include <QRegularExpression>
#include <QStringList>

namespace platform::db::detail {
namespace {

// SQLSTATE codes and classes this layer tells apart.
const QLatin1String QueryCanceled("57014");
const QLatin1String InvalidAuthorizationClass("28");

// Verbose messages read "FATAL:  28P01: password authentication failed…"
// followed by a "LOCATION:" line: the code is taken out, the rest kept
// as the description.
const QRegularExpression& sqlStateInMessage()
{
    static const QRegularExpression re(QStringLiteral("\\b(FATAL|ERROR|PANIC):  ([0-9A-Z]{5}): "));
    return re;
}

QString withoutVerboseParts(QString message)
{
    message.replace(sqlStateInMessage(), QStringLiteral("\\1:  "));
    QStringList lines = message.split(QLatin1Char('\n'));
    lines.removeIf([](const QString& line) { return line.startsWith(QLatin1String("LOCATION:")); });
    return lines.join(QLatin1Char('\n')).trimmed();
}

} // namespace

DbError connectError(PGconn* connection)
{
    const QString message = QString::fromUtf8(connection ? PQerrorMessage(connection) : "out of memory");
    const auto match = sqlStateInMessage().match(message);
    const bool refused = match.hasMatch() && match.captured(2).startsWith(InvalidAuthorizationClass);
    return {refused ? err::LoginFailed : err::CannotConnect, withoutVerboseParts(message),
            DbError::ServerSource};
}

DbError connectTimeout(int seconds)
{
    return {err::CannotConnect, QStringLiteral("El servidor no respondió en %1 segundos.").arg(seconds),
            DbError::ServerSource};
}

DbError statementError(PGconn* connection, const PGresult* result)
{
    if (!connection || PQstatus(connection) == CONNECTION_BAD)
        return {err::CannotConnect,
                QStringLiteral("Se perdió la conexión con el servidor: %1")
                    .arg(QString::fromUtf8(connection ? PQerrorMessage(connection) : "").trimmed()),
                DbError::ServerSource};
    const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const char* primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    const QString description = QString::fromUtf8(primary ? primary : PQerrorMessage(connection)).trimmed();
    if (state && QLatin1String(state) == QueryCanceled)
        return {err::Timeout, description, DbError::ServerSource};
    return {err::ServerError, description, DbError::ServerSource};
}

} // namespace platform::db::detail
