#include "platform/db/session.h"

#include "platform/db/dberror.h"
#include "platform/db/pgerror.h"
#include "platform/db/resultdecoder.h"
#include "platform/db/signatures.h"

#include <QDeadlineTimer>
#include <cerrno>
#include <poll.h>

namespace platform::db::detail {
namespace {

// Every session reads call texts' dates day first, finds the procedures
// first, and takes backslashes in literals as plain characters (quote()
// relies on it).
const char* const SessionOptions =
    "-c search_path=proc,public -c DateStyle=ISO,DMY -c standard_conforming_strings=on";

// Waits for the socket as libpq asks until the attempt ends; false when the
// deadline passes first.
bool pollConnection(PGconn* c, const QDeadlineTimer& deadline)
{
    PostgresPollingStatusType status = PGRES_POLLING_WRITING;
    while (status != PGRES_POLLING_OK && status != PGRES_POLLING_FAILED) {
        pollfd fd{PQsocket(c), short(status == PGRES_POLLING_READING ? POLLIN : POLLOUT), 0};
        const auto remaining = deadline.remainingTime();
        if (remaining == 0)
            return false;
        const int ready = ::poll(&fd, 1, int(remaining));
        if (ready == 0)
            return false;
        if (ready < 0 && errno == EINTR)
            continue;
        status = PQconnectPoll(c);
    }
    return true;
}

QByteArray quotedIdentifier(const QByteArray& name)
{
    QByteArray quoted = name;
    quoted.replace('"', "\"\"");
    return '"' + quoted + '"';
}

int refcursorColumn(const PGresult* r)
{
    constexpr Oid RefcursorOid = 1790;
    for (int column = 0; column < PQnfields(r); ++column)
        if (PQftype(r, column) == RefcursorOid)
            return column;
    return -1;
}

std::vector<std::optional<QByteArray>> boundValues(const QList<QVariant>& inputs)
{
    std::vector<std::optional<QByteArray>> values;
    values.reserve(std::size_t(inputs.size()));
    for (const QVariant& input : inputs) {
        if (!input.isValid() || input.isNull())
            values.emplace_back();
        else
            values.emplace_back(sqlText(input).toUtf8());
    }
    return values;
}

// The transaction of one procedure call: its own, or the windows' open one.
// Anything but commit() rolls back (and ends the windows' transaction too:
// a failed call leaves nothing half-written).
class CallScope {
public:
    CallScope(Session& session, std::optional<int> timeoutSeconds)
        : session_(session)
        , own_(!session.inTransaction())
        , timed_(timeoutSeconds.has_value())
    {
        QByteArray start = own_ ? "BEGIN;" : "";
        if (timed_)
            start += "SET LOCAL statement_timeout = " +
                     QByteArray::number(qint64(*timeoutSeconds) * 1000) + ';';
        if (!start.isEmpty())
            session_.run(start.constData());
    }
    ~CallScope()
    {
        if (!done_)
            session_.abandonTransaction();
    }
    CallScope(const CallScope&) = delete;
    CallScope& operator=(const CallScope&) = delete;

    void commit()
    {
        if (own_)
            session_.run("COMMIT");
        else if (timed_)
            session_.run("SET LOCAL statement_timeout TO DEFAULT");
        done_ = true;
    }

private:
    Session& session_;
    bool own_;
    bool timed_;
    bool done_ = false;
};

} // namespace

Session::~Session()
{
    close();
}

void Session::open(const ConnectionParams& params, int timeoutSeconds)
{
    close();
    const QByteArray host = params.host.toUtf8();
    const QByteArray port = QByteArray::number(params.port);
    const QByteArray dbname = params.database.toUtf8();
    const QByteArray user = params.user.toUtf8();
    const QByteArray password = params.password.toUtf8();
    const char* const keys[] = {"host",     "port",    "dbname",          "user",
                                "password", "options", "client_encoding", "application_name",
                                nullptr};
    const char* const values[] = {host.constData(),     port.constData(), dbname.constData(),
                                  user.constData(),     password.constData(), SessionOptions,
                                  "UTF8",               "duroz",          nullptr};
    PGconn* c = PQconnectStartParams(keys, values, 0);
    if (c && PQstatus(c) != CONNECTION_BAD) {
        // The server's SQLSTATE is needed to tell a refused login apart.
        PQsetErrorVerbosity(c, PQERRORS_VERBOSE);
        if (!pollConnection(c, QDeadlineTimer(qint64(timeoutSeconds) * 1000))) {
            PQfinish(c);
            throw connectTimeout(timeoutSeconds);
        }
    }
    if (!c || PQstatus(c) != CONNECTION_OK) {
        const DbError error = connectError(c);
        PQfinish(c);
        throw error;
    }
    PQsetErrorVerbosity(c, PQERRORS_DEFAULT);
    connection_ = c;
    params_ = params;
    userTransaction_ = false;
}

void Session::close()
{
    if (connection_)
        PQfinish(connection_);
    connection_ = nullptr;
    userTransaction_ = false;
}

PGconn* Session::live()
{
    if (!connection_)
        throw DbError::closed();
    return connection_;
}

PgResult Session::exec(const QByteArray& sql, const std::vector<std::optional<QByteArray>>& values,
                       const std::vector<Oid>& types)
{
    PGconn* c = live();
    std::vector<const char*> pointers;
    pointers.reserve(values.size());
    for (const auto& value : values)
        pointers.push_back(value ? value->constData() : nullptr);
    PgResult result(PQexecParams(c, sql.constData(), int(values.size()),
                                 types.empty() ? nullptr : types.data(), pointers.data(), nullptr,
                                 nullptr, 0));
    return checked(c, std::move(result));
}

void Session::run(const char* sql)
{
    PGconn* c = live();
    checked(c, PgResult(PQexec(c, sql)));
}

PgResult Session::checked(PGconn* c, PgResult result)
{
    const auto status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK)
        return result;
    const DbError error = statementError(c, result.get());
    if (PQstatus(c) == CONNECTION_BAD)
        close();
    throw error;
}

RecordSet Session::statement(const QString& sql)
{
    live();
    try {
        const PgResult result = exec(sql.toUtf8());
        if (PQresultStatus(result.get()) == PGRES_TUPLES_OK)
            return makeRecordSet(decodeResult(result.get()));
        return RecordSet();
    } catch (const DbError&) {
        abandonTransaction();
        throw;
    }
}

Session::CallResult Session::call(const QString& procedure, const QList<QVariant>& inputs,
                                  std::optional<int> timeoutSeconds)
{
    live();
    const Signature& signature = signatureFor(*this, procedure, int(inputs.size()));
    std::vector<Oid> types = signature.inputTypes();
    types.resize(std::size_t(inputs.size()));

    CallScope scope(*this, timeoutSeconds);
    const PgResult result =
        exec(signature.callSql(int(inputs.size())), boundValues(inputs), types);
    CallResult out;
    const auto table = decodeResult(result.get());
    if (!signature.returnsSet && table->storedRows == 1)
        for (const Column& column : table->columns)
            out.outputs.insert(column.info().name.toLower(), column.get(0));

    const int cursorColumn = refcursorColumn(result.get());
    if (cursorColumn >= 0) {
        if (PQntuples(result.get()) > 0 && !PQgetisnull(result.get(), 0, cursorColumn)) {
            const QByteArray cursor = PQgetvalue(result.get(), 0, cursorColumn);
            const PgResult rows = exec("FETCH ALL FROM " + quotedIdentifier(cursor));
            out.rows = makeRecordSet(decodeResult(rows.get()));
        }
    } else if (signature.returnsSet || (!signature.hasOutputs() && !signature.returnsVoid)) {
        out.rows = makeRecordSet(table);
    }
    scope.commit();
    return out;
}

void Session::begin()
{
    if (userTransaction_)
        throw DbError::badArgument(QStringLiteral("ya hay una transacción abierta"));
    run("BEGIN");
    userTransaction_ = true;
}

void Session::commit()
{
    endTransaction("COMMIT");
}

void Session::rollback()
{
    endTransaction("ROLLBACK");
}

void Session::endTransaction(const char* sql)
{
    live();
    if (!userTransaction_)
        throw DbError::badArgument(QStringLiteral("no hay una transacción abierta"));
    userTransaction_ = false;
    run(sql);
}

void Session::abandonTransaction()
{
    userTransaction_ = false;
    if (connection_ && PQtransactionStatus(connection_) != PQTRANS_IDLE)
        PQclear(PQexec(connection_, "ROLLBACK"));
}

} // namespace platform::db::detail
