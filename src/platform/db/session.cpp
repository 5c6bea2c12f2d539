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

constexpr Oid RefcursorOid = 1790;

// A result the record set's columns share until each has read its values.
std::shared_ptr<const PGresult> shared(PgResult result)
{
    return {result.release(), [](const PGresult* r) { PQclear(const_cast<PGresult*>(r)); }};
}

int refcursorColumn(const PGresult* r)
{
    for (int column = 0; column < PQnfields(r); ++column)
        if (PQftype(r, column) == RefcursorOid)
            return column;
    return -1;
}

// Texts travel to the server NUL-terminated, and the server keeps no NUL
// in a text: a text holding one is refused whole, never cut there (a
// statement cut at a NUL may do something else than the one written).
QByteArray withoutNul(const QString& text, const QString& what)
{
    if (text.contains(QChar(0)))
        throw DbError::serverRule(
            QStringLiteral("%1 contiene un carácter nulo (U+0000), que el servidor no admite.").arg(what));
    return text.toUtf8();
}

std::vector<std::optional<QByteArray>> boundValues(const QList<QVariant>& inputs)
{
    std::vector<std::optional<QByteArray>> values;
    values.reserve(std::size_t(inputs.size()));
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        const QVariant& input = inputs.at(i);
        if (!input.isValid() || input.isNull())
            values.emplace_back();
        else
            values.emplace_back(withoutNul(sqlText(input), QStringLiteral("El argumento %1").arg(i + 1)));
    }
    return values;
}

} // namespace

Session::~Session()
{
    close();
}

void Session::open(const ConnectionParams& params, int timeoutSeconds)
{
    close();
    QString sslError;
    const auto sslMode = sslModeFromEnvironment(&sslError);
    if (!sslMode)
        throw DbError(err::CannotConnect, sslError, DbError::ServerSource);
    const QByteArray host = params.host.toUtf8();
    const QByteArray port = QByteArray::number(params.port);
    const QByteArray dbname = params.database.toUtf8();
    const QByteArray user = params.user.toUtf8();
    const QByteArray password = params.password.toUtf8();
    const char* const keys[] = {"host",     "port",    "dbname",          "user",
                                "password", "options", "client_encoding", "application_name",
                                "sslmode",  nullptr};
    const char* const values[] = {host.constData(),
                                  port.constData(),
                                  dbname.constData(),
                                  user.constData(),
                                  password.constData(),
                                  SessionOptions,
                                  "UTF8",
                                  "duroz",
                                  sslMode->constData(),
                                  nullptr};
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
    timeout_ = std::optional<int>();
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
                                 types.empty() ? nullptr : types.data(), pointers.data(), nullptr, nullptr,
                                 0));
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

std::vector<PgResult> Session::send(const std::vector<Statement>& statements)
{
    PGconn* c = live();
    std::vector<PgResult> results;
    if (statements.size() == 1) {
        results.push_back(exec(statements[0].sql, statements[0].values, statements[0].types));
        return results;
    }
    if (PQenterPipelineMode(c) != 1)
        throw statementError(c, nullptr);
    bool sent = true;
    for (const Statement& s : statements) {
        std::vector<const char*> pointers;
        pointers.reserve(s.values.size());
        for (const auto& value : s.values)
            pointers.push_back(value ? value->constData() : nullptr);
        sent = sent && PQsendQueryParams(c, s.sql.constData(), int(s.values.size()),
                                         s.types.empty() ? nullptr : s.types.data(), pointers.data(), nullptr,
                                         nullptr, 0) == 1;
    }
    sent = sent && PQpipelineSync(c) == 1;

    // Every answer is read, up to the end of the batch, before any error is
    // thrown: the connection must be out of pipeline mode for what follows.
    std::optional<DbError> failure;
    if (!sent)
        failure = statementError(c, nullptr);
    for (std::size_t i = 0; sent && i < statements.size(); ++i) {
        PgResult result(PQgetResult(c));
        while (PGresult* extra = PQgetResult(c))
            PQclear(extra);
        const auto status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
        if (!failure && status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
            failure = statementError(c, result.get());
        results.push_back(std::move(result));
        if (PQstatus(c) == CONNECTION_BAD)
            sent = false;
    }
    if (sent) {
        const PgResult end(PQgetResult(c));
        if (!end || PQresultStatus(end.get()) != PGRES_PIPELINE_SYNC)
            if (!failure)
                failure = statementError(c, end.get());
    }
    if (PQstatus(c) == CONNECTION_BAD) {
        close();
        throw failure ? *failure : DbError::closed();
    }
    PQexitPipelineMode(c);
    if (failure)
        throw *failure;
    return results;
}

void Session::adjustTimeout(std::optional<int> seconds, std::vector<Statement>& batch)
{
    if (timeout_ && *timeout_ == seconds)
        return;
    batch.push_back({seconds ? "SET statement_timeout = " + QByteArray::number(qint64(*seconds) * 1000)
                             : QByteArray("SET statement_timeout TO DEFAULT")});
    timeout_ = seconds;
}

std::vector<PgResult> Session::sendAbandoning(const std::vector<Statement>& batch)
{
    try {
        return send(batch);
    } catch (const DbError&) {
        timeout_.reset();
        abandonTransaction();
        throw;
    }
}

RecordSet Session::statement(const QString& sql)
{
    return statement(sql, {});
}

RecordSet Session::statement(const QString& sql, const QList<QVariant>& values)
{
    live();
    std::vector<Statement> batch;
    adjustTimeout(std::nullopt, batch);
    batch.push_back({withoutNul(sql, QStringLiteral("El texto de la sentencia")), boundValues(values)});
    auto results = sendAbandoning(batch);
    if (PQresultStatus(results.back().get()) == PGRES_TUPLES_OK)
        return makeRecordSet(decodeResult(shared(std::move(results.back()))));
    return RecordSet();
}

Session::CallResult Session::call(const QString& procedure, const QList<QVariant>& inputs,
                                  std::optional<int> timeoutSeconds)
{
    live();
    withoutNul(procedure, QStringLiteral("El nombre del procedimiento"));
    const Signature& signature = signatureFor(*this, procedure, int(inputs.size()));
    std::vector<Oid> types = signature.inputTypes();
    types.resize(std::size_t(inputs.size()));

    // One statement is atomic as it stands; a cursor lives only as long as
    // the transaction that opened it, so a call returning one gets a
    // transaction of its own, begun in the same round trip as the call and
    // ended in the same one as the fetch.
    const bool own = signature.returnsCursor && !userTransaction_;
    std::vector<Statement> batch;
    adjustTimeout(timeoutSeconds, batch);
    if (own)
        batch.push_back({"BEGIN"});
    batch.push_back({signature.callSql(int(inputs.size())), boundValues(inputs), types});
    auto results = sendAbandoning(batch);
    const auto kept = shared(std::move(results.back()));
    const PGresult* result = kept.get();

    CallResult out;
    const auto table = decodeResult(kept);
    if (!signature.returnsSet && table->storedRows == 1)
        for (const Column& column : table->columns)
            out.outputs.insert(column.info().name.toLower(), column.get(0));

    const int cursorColumn = refcursorColumn(result);
    const bool fetch = cursorColumn >= 0 && PQntuples(result) > 0 && !PQgetisnull(result, 0, cursorColumn);
    std::vector<Statement> end;
    if (fetch)
        end.push_back({"FETCH ALL FROM " + quotedIdentifier(PQgetvalue(result, 0, cursorColumn))});
    if (own)
        end.push_back({"COMMIT"});
    if (!end.empty()) {
        auto fetched = sendAbandoning(end);
        if (fetch)
            out.rows = makeRecordSet(decodeResult(shared(std::move(fetched.front()))));
    }
    if (cursorColumn < 0 && (signature.returnsSet || (!signature.hasOutputs() && !signature.returnsVoid)))
        out.rows = makeRecordSet(table);
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
    if (qstrcmp(sql, "COMMIT") != 0)
        timeout_.reset();
    run(sql);
}

void Session::abandonTransaction()
{
    if (userTransaction_)
        timeout_.reset(); // what the transaction set goes with it
    userTransaction_ = false;
    if (connection_ && PQtransactionStatus(connection_) != PQTRANS_IDLE)
        PQclear(PQexec(connection_, "ROLLBACK"));
}

} // namespace platform::db::detail
