#pragma once
// The one error type of the data-access layer. Every failure of a
// connection, command, text call or record set reaches the caller as a
// DbError carrying the number the windows test (the same numbers the
// back office always tested), a description and a source.
//
// The numbers are decided here and nowhere else:
//   CannotConnect   -2147467259  the server cannot be reached or the
//                                connection cannot be opened; also a
//                                connection lost in the middle of work
//                                (the connection is closed afterwards, so
//                                the next call fails with ConnectionClosed
//                                and the error trap reconnects)
//   LoginFailed     -2147217843  the server was reached and refused the
//                                login (wrong user or password)
//   ConnectionClosed        3704 work on a closed connection or record set
//   ServerError     -2147217900  any error the server reports (the
//                                description is the server's message), a
//                                call text that cannot be read, a procedure
//                                that does not exist or gets a wrong count
//                                of arguments, an amount beyond its
//                                parameter's precision
//   Timeout         -2147217871  a command ran past its time-out
//   NoCurrentRecord         3021 a record set at BOF or EOF (or on a
//                                deleted row) was asked for its current row
//   ItemNotFound            3265 no field or parameter of that name
//   WrongType               3421 a value that does not convert to the type
//                                of its parameter or field
//   BadArgument             3001 arguments out of range or in conflict
//                                (a bookmark of no row, a position beyond
//                                the rows, a find criterion that cannot be
//                                read, opening an open connection…)
//
// Source: "duroz database" for what the server or the connection reports,
// "duroz data access" for what this layer itself refuses. Windows show the
// source next to the number in their error boxes.

#include <QString>
#include <stdexcept>

namespace platform::db {

namespace err {
inline constexpr int CannotConnect = -2147467259;
inline constexpr int LoginFailed = -2147217843;
inline constexpr int ConnectionClosed = 3704;
inline constexpr int ServerError = -2147217900;
inline constexpr int Timeout = -2147217871;
inline constexpr int NoCurrentRecord = 3021;
inline constexpr int ItemNotFound = 3265;
inline constexpr int WrongType = 3421;
inline constexpr int BadArgument = 3001;
} // namespace err

class DbError : public std::runtime_error {
public:
    static const QString ServerSource;
    static const QString ClientSource;

    DbError(int number, const QString& description, const QString& source = ClientSource);

    int number() const { return number_; }
    const QString& description() const { return description_; }
    const QString& source() const { return source_; }

    // Errors of this layer itself, with their fixed numbers.
    static DbError closed();
    static DbError noCurrentRecord();
    static DbError itemNotFound(const QString& name);
    static DbError wrongType(const QString& what);
    static DbError badArgument(const QString& what);
    // A server-side failure found by this layer before the server was asked
    // (unknown procedure, wrong count of arguments, overflow): the number the
    // server itself would have given.
    static DbError serverRule(const QString& what);

private:
    int number_;
    QString description_;
    QString source_;
};

} // namespace platform::db
