#include "platform/db/connection.h"

#include "platform/db/calltext.h"
#include "platform/db/dberror.h"
#include "platform/db/session.h"

namespace platform::db {

Connection::Connection() : d_(std::make_shared<detail::Session>()) {}

Connection::~Connection() = default;

void Connection::open(const QString& connectionString, int connectionTimeoutSeconds)
{
    if (d_->isOpen())
        throw DbError::badArgument(QStringLiteral("la conexión ya está abierta"));
    QString error;
    const auto params = parseConnectionString(connectionString, &error);
    if (!params)
        throw DbError(err::CannotConnect, error, DbError::ServerSource);
    const int timeout = connectionTimeoutSeconds <= 0 || connectionTimeoutSeconds > MaxConnectionTimeout
                            ? MaxConnectionTimeout
                            : connectionTimeoutSeconds;
    d_->open(*params, timeout);
}

void Connection::close()
{
    d_->close();
}

Connection::State Connection::state() const
{
    return d_->isOpen() ? StateOpen : StateClosed;
}

ConnectionParams Connection::params() const
{
    return d_->params();
}

RecordSet Connection::execute(const QString& text)
{
    if (!d_->isOpen())
        throw DbError::closed();
    if (isSqlStatement(text))
        return d_->statement(text);
    QString error;
    const auto call = parseCallText(text, &error);
    if (!call)
        throw DbError::serverRule(error);
    return d_->call(call->procedure, call->arguments, std::nullopt).rows;
}

RecordSet Connection::execute(const QString& statement, const QList<QVariant>& values)
{
    if (!d_->isOpen())
        throw DbError::closed();
    if (!isSqlStatement(statement))
        throw DbError::serverRule(QStringLiteral("No es una sentencia: ") + statement);
    return d_->statement(statement, values);
}

void Connection::beginTrans()
{
    d_->begin();
}

void Connection::commitTrans()
{
    d_->commit();
}

void Connection::rollbackTrans()
{
    d_->rollback();
}

bool Connection::inTransaction() const
{
    return d_->inTransaction();
}

Transaction::Transaction(Connection& connection) : connection_(connection)
{
    connection_.beginTrans();
}

Transaction::~Transaction()
{
    if (!done_ && connection_.inTransaction()) {
        try {
            connection_.rollbackTrans();
        } catch (const DbError&) {
            // The connection broke: the server dropped the transaction.
        }
    }
}

void Transaction::commit()
{
    done_ = true;
    connection_.commitTrans();
}

} // namespace platform::db
