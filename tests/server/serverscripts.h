#pragma once
// Runs the project's server-side scripts (the loader, the volume generator)
// and psql against databases of the test cluster, as its superuser.

#include <QString>
#include <QStringList>

#include <string>

namespace testsupport {
class TestDatabase;
}

namespace serverscripts {

// Runs a script of the checkout (path relative to its root) with arguments;
// as the product role when asProduct is true. Returns its exit code and puts
// what it printed into output.
int run(const QString& script, const QStringList& arguments, bool asProduct, QString* output = nullptr);

// First column of the first row of a query on a database ("" for no row).
QString query(const QString& database, const QString& sql);

// One text per table of schema public (but the migration bookkeeping):
// its name and an md5 of its rows in order.
QString fingerprint(const QString& database);

// Runs SQL as superuser on a test database in a transaction rolled back
// afterwards: the server's refusal, or else the first value it answered
// ("" for none).
std::string outcome(testsupport::TestDatabase& db, const std::string& sql);

} // namespace serverscripts
