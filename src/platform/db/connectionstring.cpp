#include "platform/db/connectionstring.h"

#include <QStringList>

namespace platform::db {
namespace {

QString normalKey(const QString& key)
{
    return key.simplified().toLower();
}

QString localHostFor(const QString& server)
{
    if (server.isEmpty() || server == QLatin1String(".") ||
        server.compare(QLatin1String("(local)"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("localhost");
    return server;
}

// "server" or "server,port" into the parameters; false for a bad port.
bool readDataSource(const QString& value, ConnectionParams& params, QString* error)
{
    const int comma = value.indexOf(QLatin1Char(','));
    params.host = localHostFor(value.left(comma < 0 ? value.size() : comma).trimmed());
    if (comma < 0)
        return true;
    const QString portText = value.mid(comma + 1).trimmed();
    if (portText.isEmpty())
        return true;
    bool ok = false;
    const int port = portText.toInt(&ok);
    if (!ok || port < 1 || port > 65535) {
        if (error)
            *error = QStringLiteral("Puerto no válido en la cadena de conexión: \"%1\"").arg(portText);
        return false;
    }
    params.port = port;
    return true;
}

} // namespace

std::optional<QByteArray> sslModeFromEnvironment(QString* error)
{
    const QByteArray mode = qgetenv("DUROZ_SSLMODE").trimmed().toLower();
    if (mode.isEmpty())
        return QByteArray("prefer");
    for (const char* known : {"disable", "allow", "prefer", "require", "verify-ca", "verify-full"})
        if (mode == known)
            return mode;
    if (error)
        *error = QStringLiteral("Valor no válido de DUROZ_SSLMODE: \"%1\" (disable, allow, "
                                "prefer, require, verify-ca o verify-full)")
                     .arg(QString::fromUtf8(mode));
    return std::nullopt;
}

QString ConnectionParams::databaseKey() const
{
    return QStringLiteral("%1:%2/%3").arg(host.toLower()).arg(port).arg(database);
}

std::optional<ConnectionParams> parseConnectionString(const QString& text, QString* error)
{
    ConnectionParams params;
    params.host = localHostFor(QString());
    for (const QString& item : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int eq = item.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = normalKey(item.left(eq));
        const QString value = item.mid(eq + 1).trimmed();
        if (key == QLatin1String("data source")) {
            if (!readDataSource(value, params, error))
                return std::nullopt;
        } else if (key == QLatin1String("initial catalog")) {
            params.database = value;
        } else if (key == QLatin1String("user id")) {
            params.user = value;
        } else if (key == QLatin1String("password")) {
            params.password = value;
        }
    }
    return params;
}

} // namespace platform::db
