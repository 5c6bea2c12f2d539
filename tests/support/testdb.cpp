#include "testdb.h"

#include <QCoreApplication>
#include <QUuid>
#include <libpq-fe.h>
#include <stdexcept>

namespace testsupport {
namespace {

QString quoteIdent(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

PGconn* connectAdmin(const QString& db)
{
    // The program's sessions' search path and date style (set on its login
    // role alone), so that statements read here as they do there.
    const QByteArray info = QStringLiteral(
                                "dbname=%1 options='-c search_path=proc,public -c DateStyle=ISO,DMY'")
                                .arg(db)
                                .toUtf8();
    PGconn* c = PQconnectdb(info.constData());
    if (PQstatus(c) != CONNECTION_OK) {
        std::string message = PQerrorMessage(c);
        PQfinish(c);
        throw std::runtime_error("test cluster: " + message);
    }
    return c;
}

PGresult* run(PGconn* c, const QString& sql)
{
    PGresult* r = PQexec(c, sql.toUtf8().constData());
    const auto status = PQresultStatus(r);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        std::string message = PQresultErrorMessage(r);
        PQclear(r);
        throw std::runtime_error("SQL failed: " + sql.toStdString() + ": " + message);
    }
    return r;
}

void runOnMaintenance(const QString& sql)
{
    PGconn* c = connectAdmin(QStringLiteral("postgres"));
    try {
        PQclear(run(c, sql));
    } catch (...) {
        PQfinish(c);
        throw;
    }
    PQfinish(c);
}

} // namespace

bool haveTestCluster()
{
    return !qEnvironmentVariable("DUROZ_TEST_TEMPLATE").isEmpty();
}

QString TestDatabase::host()
{
    const QString h = qEnvironmentVariable("PGHOST");
    return h.isEmpty() || h.startsWith(QLatin1Char('/')) ? QStringLiteral("localhost") : h;
}

QString TestDatabase::port()
{
    const QString p = qEnvironmentVariable("PGPORT");
    return p.isEmpty() ? QStringLiteral("5432") : p;
}

TestDatabase::TestDatabase(bool master)
{
    if (!haveTestCluster())
        throw std::runtime_error("no test cluster: run scripts/test");
    const QString templ = qEnvironmentVariable(master ? "DUROZ_TEST_MASTER_TEMPLATE" : "DUROZ_TEST_TEMPLATE");
    name_ = QStringLiteral("t_%1").arg(QUuid::createUuid().toString(QUuid::Id128).left(16));
    runOnMaintenance(QStringLiteral("CREATE DATABASE %1 TEMPLATE %2 OWNER %3")
                         .arg(quoteIdent(name_), quoteIdent(templ), QLatin1String(OwnerRole)));
    // As server/load leaves a database: the login role may connect, nobody
    // else, and no one makes temporary tables.
    runOnMaintenance(QStringLiteral("REVOKE ALL ON DATABASE %1 FROM PUBLIC; "
                                    "GRANT CONNECT ON DATABASE %1 TO %2")
                         .arg(quoteIdent(name_), QLatin1String(ProductRole)));
}

TestDatabase::~TestDatabase()
{
    if (admin_)
        PQfinish(admin_);
    try {
        runOnMaintenance(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(quoteIdent(name_)));
    } catch (...) {
        // The cluster goes away with the test run anyway.
    }
}

QString TestDatabase::connectionString() const
{
    return QStringLiteral("Provider=sqloledb;Network Library=DBMSSOCN;Data Source=%1,%2;"
                          "Initial Catalog=%3;User id=%4;Password=%5")
        .arg(host(), port(), name_, QLatin1String(ProductRole), QLatin1String(ProductPassword));
}

PGconn* TestDatabase::admin()
{
    if (!admin_)
        admin_ = connectAdmin(name_);
    return admin_;
}

void TestDatabase::exec(const QString& sql)
{
    PQclear(run(admin(), sql));
}

QString TestDatabase::scalar(const QString& sql)
{
    PGresult* r = run(admin(), sql);
    QString value;
    if (PQntuples(r) > 0 && PQnfields(r) > 0)
        value = PQgetisnull(r, 0, 0) ? QStringLiteral("NULL") : QString::fromUtf8(PQgetvalue(r, 0, 0));
    PQclear(r);
    return value;
}

QStringList TestDatabase::rows(const QString& sql)
{
    PGresult* r = run(admin(), sql);
    QStringList out;
    for (int i = 0; i < PQntuples(r); ++i) {
        QStringList cells;
        for (int j = 0; j < PQnfields(r); ++j)
            cells << (PQgetisnull(r, i, j) ? QStringLiteral("NULL") : QString::fromUtf8(PQgetvalue(r, i, j)));
        out << cells.join(QLatin1Char('|'));
    }
    PQclear(r);
    return out;
}

void TestDatabase::setServerClock(const QString& timestamp)
{
    // The pinned clock is a row only the owner role may write.
    if (timestamp.isEmpty()) {
        exec(QStringLiteral("DELETE FROM public.relojprueba"));
        return;
    }
    const QString literal = QLatin1Char('\'') +
                            QString(timestamp).replace(QLatin1Char('\''), QLatin1String("''")) +
                            QLatin1Char('\'');
    exec(QStringLiteral("INSERT INTO public.relojprueba (momento) VALUES (%1) "
                        "ON CONFLICT (id) DO UPDATE SET momento = EXCLUDED.momento")
             .arg(literal));
}

} // namespace testsupport
