#pragma once
// A connection to the database server, opened from the back office's
// connection-string text (see connectionstring.h).
//
// A Connection is a handle: copies refer to the same connection (what one
// closes is closed for all). To replace the shared connection, assign a new
// Connection and open it; the old one closes when its last handle goes.
//
// Every session runs with search_path "proc, public", DateStyle "ISO, DMY"
// (date literals of SQL texts read day first), client encoding UTF8 and
// application name "duroz", and asks for TLS as DUROZ_SSLMODE says (libpq's
// modes; "prefer" by default: encrypted when the server offers it).
//
// Errors (DbError, numbers in dberror.h):
// - open(): CannotConnect when the server cannot be reached, the database
//   does not exist, the attempt times out, TLS is required and not to be
//   had, or DUROZ_SSLMODE holds no mode; LoginFailed when the server
//   refuses the user or password.
// - any work on a closed connection: ConnectionClosed (3704).
// - a connection that breaks during work: CannotConnect, and the connection
//   is closed, so the error trap's next attempt sees 3704 and reconnects.

#include "platform/db/connectionstring.h"
#include "platform/db/recordset.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

namespace platform::db {

namespace detail {
class Session;
}

class Connection {
public:
    enum State { StateClosed = 0, StateOpen = 1 };
    // The time-out a connection attempt gets when none is given.
    static constexpr int DefaultConnectionTimeout = 15;
    // No attempt waits longer than this: a server that has not answered in
    // a minute will not answer in a day (the program asks for 86400 s).
    // 0 or less means "no limit" and gets this limit too.
    static constexpr int MaxConnectionTimeout = 60;

    Connection(); // closed
    ~Connection();

    // Throws BadArgument (3001) when already open. The time-out is in
    // seconds (see MaxConnectionTimeout).
    void open(const QString& connectionString, int connectionTimeoutSeconds = DefaultConnectionTimeout);
    void close(); // no-op when closed
    State state() const;
    bool isOpen() const { return state() == StateOpen; }
    // The parameters of the last successful open().
    ConnectionParams params() const;

    // Runs a text of the windows and returns its rows (an empty record set
    // when it has none). Statements (SELECT, INSERT, UPDATE, DELETE, WITH,
    // VALUES) run as they stand, one statement per text. Any other text is a
    // call text ("NAME 'a', 'b'", "exec NAME 'a', 5", "NAME"): it is read
    // into a procedure name and arguments and run like a Command, with the
    // arguments bound as parameters, without a time-out, and returning the
    // procedure's rows. A text that cannot be read throws ServerError.
    RecordSet execute(const QString& text);
    // A statement of the windows whose typed values are bound to its $1,
    // $2… in order (a null QVariant is NULL) instead of being pasted into
    // its text. Throws ServerError for a text that is no statement.
    RecordSet execute(const QString& statement, const QList<QVariant>& values);

    // A transaction around the windows' next statements. Calls inside it do
    // not commit on their own. Any failed statement or call inside it rolls
    // the whole transaction back at once and ends it; commitTrans() or
    // rollbackTrans() without an open transaction throw BadArgument (3001).
    void beginTrans();
    void commitTrans();
    void rollbackTrans();
    bool inTransaction() const;

private:
    friend class Command;
    std::shared_ptr<detail::Session> d_;
};

// Opens a transaction on the connection and rolls it back when it goes out
// of scope without commit().
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& connection_;
    bool done_ = false;
};

} // namespace platform::db
