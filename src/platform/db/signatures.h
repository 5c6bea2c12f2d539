#pragma once
// Internal to the data-access layer: the signatures of the server
// procedures (functions of schema proc), read from the catalogue once per
// program run, database and procedure name. Windows reconnect often, so the
// cache belongs to the database, not to a connection.

#include "platform/db/session.h"

#include <QString>
#include <vector>

namespace platform::db::detail {

struct Signature {
    struct Argument {
        QString name;
        char mode = 'i'; // i in, o out, b inout, v variadic, t table column
        Oid type = 0;
    };
    QString name; // as the catalogue spells it
    std::vector<Argument> arguments;
    int defaults = 0; // trailing inputs that may be left out
    bool returnsSet = false;
    bool returnsVoid = false;
    // A refcursor among its results: the call needs a transaction that lasts
    // until the cursor's rows are fetched.
    bool returnsCursor = false;

    std::vector<Oid> inputTypes() const; // of the in, inout and variadic arguments
    bool hasOutputs() const;             // out or inout arguments (not table columns)
    // "SELECT * FROM proc."name"($1, …)" for that many inputs.
    QByteArray callSql(int inputs) const;
};

// The overload of `procedure` that takes `inputs` inputs. Throws ServerError
// when no procedure has that name or none takes that many inputs.
const Signature& signatureFor(Session& session, const QString& procedure, int inputs);

// How often the catalogue was asked (for tests of the cache).
long long signatureLookupCount();

} // namespace platform::db::detail
