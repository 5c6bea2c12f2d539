// The volume data process their taxes through the tax processing: running
// it again on every processed day changes none of what it stored.

#include "serverscripts.h"
#include "testdb.h"

#include <gtest/gtest.h>

using testsupport::TestDatabase;

TEST(ImpuestosDatosTest, TheGeneratedDaysKeepTheirTaxesWhenProcessedAgain)
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
    ASSERT_EQ(serverscripts::query(
                  db.name(), QStringLiteral("SELECT count(*) > 0 AND sum(impuesto_junta) > 0"
                                            " AND sum(impuesto_premio) > 0 FROM proc.saldosdias_impuestos"
                                            " WHERE impuestos_procesados = 'S'")),
              QStringLiteral("t"));
    const QString antes = serverscripts::fingerprint(db.name());
    const QString respuestas = serverscripts::query(
        db.name(),
        QStringLiteral("SELECT string_agg(DISTINCT proc.Proceseimpuestos(to_char(fecha, 'DD/MM/YYYY'))"
                       "::text, ',') FROM (SELECT DISTINCT fecha FROM impuestos_dia) d"));
    EXPECT_EQ(respuestas, QStringLiteral("0"));
    EXPECT_EQ(serverscripts::fingerprint(db.name()), antes);
}
