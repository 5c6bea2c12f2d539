// The loader on an empty database: the schema and the demo data load, and a
// second load applies nothing again and keeps the data. It runs as the
// cluster's superuser and makes everything the owner role's, also in a
// database an earlier load left to the login role.

#include "serverscripts.h"
#include "testdb.h"

#include <QDir>
#include <gtest/gtest.h>

using testsupport::TestDatabase;

namespace {

int sqlFiles(const QString& folder)
{
    return QDir(QStringLiteral(DUROZ_SOURCE_DIR "/server/") + folder)
        .entryList({QStringLiteral("*.sql")}, QDir::Files)
        .size();
}

const char* const Counts =
    "SELECT (SELECT count(*) FROM loterias) || '/' || (SELECT count(*) FROM vendedor) || '/' || "
    "(SELECT count(*) FROM tickets) || '/' || (SELECT count(*) FROM jugadasticket) || '/' || "
    "(SELECT count(*) FROM operador) || '/' || (SELECT count(*) FROM migraciones)";

} // namespace

TEST(ServerLoadTest, SchemaAndDemoDataLoadTwiceIntoAnEmptyDatabase)
{
    REQUIRE_TEST_CLUSTER();
    TestDatabase maintenance;
    const QString empty = maintenance.name() + QStringLiteral("_vacia");
    maintenance.exec(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 OWNER %2")
                         .arg(empty, QLatin1String(testsupport::OwnerRole)));

    QString output;
    ASSERT_EQ(
        serverscripts::run(QStringLiteral("server/load"), {empty, QStringLiteral("--demo")}, false, &output),
        0)
        << output.toStdString();
    const QString first = serverscripts::query(empty, QLatin1String(Counts));
    ASSERT_EQ(
        serverscripts::run(QStringLiteral("server/load"), {empty, QStringLiteral("--demo")}, false, &output),
        0)
        << output.toStdString();
    EXPECT_FALSE(output.contains(QStringLiteral("applying"))) << output.toStdString();
    EXPECT_EQ(serverscripts::query(empty, QLatin1String(Counts)), first);

    const QStringList counts = first.split(QLatin1Char('/'));
    ASSERT_EQ(counts.size(), 6);
    EXPECT_EQ(counts[0], QStringLiteral("12"));
    EXPECT_EQ(counts[1], QStringLiteral("30"));
    EXPECT_GT(counts[2].toInt(), 0);
    EXPECT_GT(counts[3].toInt(), counts[2].toInt());
    EXPECT_EQ(counts[4], QStringLiteral("2"));
    EXPECT_EQ(counts[5].toInt(), sqlFiles(QStringLiteral("schema")) + sqlFiles(QStringLiteral("demo")));

    // The demo's sales end on the day of loading.
    EXPECT_EQ(
        serverscripts::query(empty, QStringLiteral("SELECT max(fechaticket) = current_date FROM tickets")),
        QStringLiteral("t"));
    // The operator with every entry of the main menu.
    EXPECT_EQ(
        serverscripts::query(
            empty,
            QStringLiteral(
                "SELECT permisooperador FROM operador WHERE operador = 'ADMIN' AND claveope = 'admin2007'")),
        QStringLiteral("01-02-03-04-05-06-07-08-09-10-11-12-13-14-15-16-17-18-19-20-21-22-23-24-"
                       "25-26-27-28-29-30-31-F1-"));

    maintenance.exec(QStringLiteral("DROP DATABASE %1 WITH (FORCE)").arg(empty));
}

TEST(ServerLoadTest, ADatabaseTheLoginRoleOwnedPassesToTheOwnerRole)
{
    REQUIRE_TEST_CLUSTER();
    TestDatabase maintenance;
    const QString old = maintenance.name() + QStringLiteral("_vieja");
    maintenance.exec(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 OWNER %2")
                         .arg(old, QLatin1String(testsupport::ProductRole)));
    // What an earlier load, run as the login role, left behind.
    serverscripts::query(old, QStringLiteral("SET ROLE duroz; CREATE TABLE public.migraciones ("
                                             "archivo varchar(200) PRIMARY KEY, aplicada timestamp)"));
    ASSERT_EQ(serverscripts::query(
                  old, QStringLiteral(
                           "SELECT pg_get_userbyid(relowner) FROM pg_class WHERE relname = 'migraciones'")),
              QStringLiteral("duroz"));

    QString output;
    ASSERT_EQ(serverscripts::run(QStringLiteral("server/load"), {old}, false, &output), 0)
        << output.toStdString();
    EXPECT_EQ(
        serverscripts::query(
            old, QStringLiteral("SELECT string_agg(DISTINCT pg_get_userbyid(relowner), ' ') FROM pg_class "
                                "WHERE relnamespace = 'public'::regnamespace")),
        QStringLiteral("duroz_dueno"));
    EXPECT_EQ(
        serverscripts::query(
            old, QStringLiteral(
                     "SELECT pg_get_userbyid(datdba) FROM pg_database WHERE datname = current_database()")),
        QStringLiteral("duroz_dueno"));

    // The login role cannot run the loader.
    EXPECT_NE(serverscripts::run(QStringLiteral("server/load"), {old}, true, &output), 0);
    EXPECT_TRUE(output.contains(QStringLiteral("superuser"))) << output.toStdString();

    maintenance.exec(QStringLiteral("DROP DATABASE %1 WITH (FORCE)").arg(old));
}
