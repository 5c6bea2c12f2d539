#pragma once
// The connection-string text the back office builds ("Provider=sqloledb;
// Network Library=DBMSSOCN;Data Source=server,port;Initial Catalog=db;
// User id=…;Password=…") read into what libpq needs.
//
// Keys are case-insensitive and may come in any order; blanks around keys
// and values are ignored; keys this layer has no use for (Provider, Network
// Library, …) are skipped. "Data Source" is "server" or "server,port"; the
// port defaults to 1433. An empty server, "." or "(local)" means this
// machine.

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform::db {

struct ConnectionParams {
    QString host;
    int port = 1433;
    QString database;
    QString user;
    QString password;

    // "host:port/database": what identifies one database for caches.
    QString databaseKey() const;
    bool operator==(const ConnectionParams&) const = default;
};

inline constexpr int DefaultPort = 1433;

// How the connection asks for TLS: the environment variable DUROZ_SSLMODE,
// one of libpq's modes (disable, allow, prefer, require, verify-ca,
// verify-full), "prefer" when unset or empty. nullopt with `error` set for
// any other value.
std::optional<QByteArray> sslModeFromEnvironment(QString* error = nullptr);

// Reads the text; nullopt with `error` set when the port is not a number
// from 1 to 65535.
std::optional<ConnectionParams> parseConnectionString(const QString& text, QString* error = nullptr);

} // namespace platform::db
