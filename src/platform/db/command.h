#pragma once
// A typed call of a server procedure, the way the windows build them:
//
//   Command cmd(conexion, "ACTALD");
//   cmd.setCommandTimeout(900);
//   cmd.append("@RETURN_VALUE", DataType::Integer, Direction::ReturnValue);
//   cmd.append("@xmodo", DataType::VarChar, Direction::Input, 1);
//   cmd.appendDecimal("@xmonto", DataType::Decimal, Direction::Input, 9, 3);
//   cmd.setValue("@xmodo", "1");
//   cmd.setValue("@xmonto", "12,5");
//   RecordSet rows = cmd.execute();
//   QString answer = cmd.value("@RETURN_VALUE").toString().trimmed();
//
// The procedure is a function of schema proc (names without regard to case).
// execute():
// - reads the function's signature from the catalogue (once per program run
//   and database);
// - binds the Input and InputOutput parameters, in the order they were
//   appended, to the function's inputs in their order (ReturnValue and
//   Output parameters take no part): a different count than the function
//   takes throws ServerError;
// - runs the call in one transaction (or inside the open transaction of
//   the connection), with the command time-out as that call's statement
//   time-out, and rolls everything back when anything fails;
// - sets the ReturnValue parameter from the function's OUT return_value
//   (0 when it has none), and the Output / InputOutput parameters from the
//   function's OUT / INOUT columns of the same name (without "@", any case);
// - returns the rows: those of a RETURNS TABLE / SETOF function, or those of
//   the cursor the function opened in its OUT refcursor; an empty record
//   set when there are none.
//
// Values before binding:
// - VarChar / Char: as text, cut to the parameter's size (when it has one).
// - Integer: a number, or text ("12"; "12,5" rounds half to even).
// - Decimal / Numeric: a platform::Decimal, a number, or text with the
//   regional separators (decimal comma, thousands point: "1.234,5"); then
//   rounded half away from zero to the parameter's scale; more integer
//   digits than precision - scale throw ServerError (overflow). Without a
//   precision the value goes as it is.
// - A null QVariant is NULL. A value that does not convert throws
//   WrongType (3421).

#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/db/values.h"

#include <QString>
#include <QVariant>
#include <deque>

namespace platform::db {

enum class Direction { Input = 1, Output = 2, InputOutput = 3, ReturnValue = 4 };

class Parameter {
public:
    Parameter(const QString& name, DataType type, Direction direction, int size = 0,
              const QVariant& value = {});

    const QString& name() const { return name_; }
    DataType type() const { return type_; }
    Direction direction() const { return direction_; }
    int size() const { return size_; }
    int precision() const { return precision_; }
    int numericScale() const { return scale_; }
    const QVariant& value() const { return value_; }

    Parameter& setValue(const QVariant& value);
    Parameter& setSize(int size);
    Parameter& setPrecision(int precision);
    Parameter& setNumericScale(int scale);

    bool isInput() const;
    // The value as it is bound: converted, cut and rounded as described
    // above. Throws WrongType or ServerError.
    QVariant boundValue() const;

private:
    QString name_;
    DataType type_;
    Direction direction_;
    int size_;
    int precision_ = 0;
    int scale_ = 0;
    QVariant value_;
};

class Command {
public:
    // The time-out of a command whose caller sets none, in seconds.
    static constexpr int DefaultCommandTimeout = 30;

    Command() = default;
    explicit Command(const Connection& connection, const QString& procedure = {});

    void setActiveConnection(const Connection& connection);
    void setCommandText(const QString& procedure);
    const QString& commandText() const { return procedure_; }
    // Seconds; 0 means no limit.
    void setCommandTimeout(int seconds);
    int commandTimeout() const { return timeout_; }

    // Appends a parameter; the reference stays valid while the command lives.
    Parameter& append(const QString& name, DataType type, Direction direction, int size = 0,
                      const QVariant& value = {});
    Parameter& appendDecimal(const QString& name, DataType type, Direction direction, int precision,
                             int scale, const QVariant& value = {});

    int parameterCount() const { return int(parameters_.size()); }
    // Throws ItemNotFound (3265) for a name (any case) or index not there.
    Parameter& parameter(int index);
    Parameter& parameter(const QString& name);
    const Parameter& parameter(const QString& name) const;
    void setValue(const QString& name, const QVariant& value);
    void setValue(int index, const QVariant& value);
    QVariant value(const QString& name) const;

    // Runs the call (see above). Throws ConnectionClosed (3704) on a closed
    // connection.
    RecordSet execute();

private:
    Connection connection_;
    QString procedure_;
    int timeout_ = DefaultCommandTimeout;
    std::deque<Parameter> parameters_;
};

// How often procedure signatures were read from the catalogue in this
// program run (tests check that the cache holds).
long long signatureLookupCount();

} // namespace platform::db
