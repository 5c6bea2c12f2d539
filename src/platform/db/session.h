#pragma once
// Internal to the data-access layer: the libpq side of one connection, the
// statement runner and the procedure-call machinery shared by Command and
// Connection::execute().

#include "platform/db/connectionstring.h"
#include "platform/db/recordset.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <libpq-fe.h>
#include <memory>
#include <optional>
#include <vector>

namespace platform::db::detail {

struct ResultDeleter {
    void operator()(PGresult* result) const { PQclear(result); }
};
using PgResult = std::unique_ptr<PGresult, ResultDeleter>;

class Session {
public:
    Session() = default;
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Opens the connection; throws DbError (CannotConnect, LoginFailed).
    void open(const ConnectionParams& params, int timeoutSeconds);
    void close();
    bool isOpen() const { return connection_ != nullptr; }
    const ConnectionParams& params() const { return params_; }

    // One SQL statement with its parameters bound as text (nullopt: NULL;
    // types 0: let the server infer). Throws DbError; a broken connection
    // is closed first.
    PgResult exec(const QByteArray& sql, const std::vector<std::optional<QByteArray>>& values = {},
                  const std::vector<Oid>& types = {});
    // Fixed texts of this layer (may hold several statements, no values).
    void run(const char* sql);

    // Statements sent together and answered in one round trip (libpq's
    // pipeline mode); their results in order. The first that fails throws,
    // after every answer was read; the ones after it did not run.
    struct Statement {
        QByteArray sql;
        std::vector<std::optional<QByteArray>> values = {};
        std::vector<Oid> types = {};
    };
    std::vector<PgResult> send(const std::vector<Statement>& statements);

    // A statement of the windows (SELECT, DELETE…), as it stands.
    RecordSet statement(const QString& sql);
    // The same with values bound to its $1, $2… (a null QVariant is NULL).
    RecordSet statement(const QString& sql, const QList<QVariant>& values);

    // A server procedure with its inputs, atomic (one statement, or a
    // transaction of its own around a call whose cursor must be fetched; or
    // inside the open transaction of the windows), with the statement
    // time-out given (nullopt: the server's default). `outputs` holds the values of the
    // function's OUT columns by lower-case name.
    struct CallResult {
        RecordSet rows;
        QHash<QString, QVariant> outputs;
    };
    CallResult call(const QString& procedure, const QList<QVariant>& inputs,
                    std::optional<int> timeoutSeconds);

    // Transactions the windows open around their statements.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return userTransaction_; }
    // After a failure inside a transaction: roll it back, never throwing.
    void abandonTransaction();

private:
    PGconn* live();
    // The result when it succeeded; otherwise the error, after closing a
    // connection that broke.
    PgResult checked(PGconn* c, PgResult result);
    void endTransaction(const char* sql);
    // The statement that gives the session the statement time-out wanted
    // (nullopt: the server's default) when it may have another one.
    void adjustTimeout(std::optional<int> seconds, std::vector<Statement>& batch);
    // Sends the batch; on failure the session's time-out is no longer known
    // and the windows' transaction (or the call's own) is rolled back.
    std::vector<PgResult> sendAbandoning(const std::vector<Statement>& batch);

    PGconn* connection_ = nullptr;
    // The statement time-out the session runs with, kept so that it is set
    // only when it changes, in the same round trip as the statement: outer
    // nullopt when not known (after a failure or a rollback), inner nullopt
    // for the server's default.
    std::optional<std::optional<int>> timeout_;
    ConnectionParams params_;
    bool userTransaction_ = false;
};

} // namespace platform::db::detail
