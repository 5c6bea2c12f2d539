// The demo data and the volume data award their days through the prize
// processing: processing an awarded day again finds nothing to change.

#include "serverscripts.h"
#include "testdb.h"

#include <gtest/gtest.h>

using testsupport::TestDatabase;

namespace {

// Processes every awarded day of `db` again; the answers, one per day.
QString reprocesa(const QString& db)
{
    return serverscripts::query(
        db, QStringLiteral("SELECT string_agg(proc.Procesepremios2(to_char(fechapremio, 'DD/MM/YYYY'))::text,"
                           " ',' ORDER BY fechapremio)"
                           " FROM (SELECT DISTINCT fechapremio FROM premiar WHERE procesado = 'S') d"));
}

// What processing writes, with the prizes that make the check worth it.
const char* const Premios = "SELECT (SELECT count(*) FROM jugadasticket WHERE premio > 0) > 0"
                            " AND (SELECT count(*) FROM tickets WHERE pagado = 'S') > 0"
                            " AND (SELECT sum(premios) FROM saldosdias) > 0";

void sinCambios(const QString& db)
{
    ASSERT_EQ(serverscripts::query(db, QLatin1String(Premios)), QStringLiteral("t"));
    const QString antes = serverscripts::fingerprint(db);
    const QString respuestas = reprocesa(db);
    EXPECT_FALSE(respuestas.isEmpty());
    EXPECT_EQ(respuestas.split(u',').count(QStringLiteral("0")), respuestas.split(u',').size())
        << respuestas.toStdString();
    EXPECT_EQ(serverscripts::fingerprint(db), antes);
}

} // namespace

TEST(PremiacionDatosTest, TheDemoDaysAreAwardedAsProcessingAwardsThem)
{
    REQUIRE_TEST_CLUSTER();
    TestDatabase maintenance;
    const QString demo = maintenance.name() + QStringLiteral("_demo");
    maintenance.exec(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 OWNER %2")
                         .arg(demo, QLatin1String(testsupport::OwnerRole)));
    QString output;
    ASSERT_EQ(
        serverscripts::run(QStringLiteral("server/load"), {demo, QStringLiteral("--demo")}, false, &output),
        0)
        << output.toStdString();
    sinCambios(demo);
    maintenance.exec(QStringLiteral("DROP DATABASE %1 WITH (FORCE)").arg(demo));
}

TEST(PremiacionDatosTest, TheVolumeDaysAreAwardedAsProcessingAwardsThem)
{
    REQUIRE_TEST_CLUSTER();
    TestDatabase db;
    QString output;
    ASSERT_EQ(serverscripts::run(QStringLiteral("bench/generate-volume"),
                                 {db.name(), QStringLiteral("small"), QStringLiteral("3"),
                                  QStringLiteral("--hasta"), QStringLiteral("2026-03-15")},
                                 false, &output),
              0)
        << output.toStdString();
    sinCambios(db.name());
}
