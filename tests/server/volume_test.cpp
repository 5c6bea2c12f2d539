// The volume-data generator: the same seed gives the same data, another
// seed other data, and the data agree with themselves.

#include "serverscripts.h"
#include "testdb.h"

#include <gtest/gtest.h>

using testsupport::TestDatabase;

namespace {

int generate(const QString& database, const QString& seed, bool replace = false)
{
    QStringList arguments{database, QStringLiteral("small"), seed, QStringLiteral("--hasta"),
                          QStringLiteral("2026-03-15")};
    if (replace)
        arguments << QStringLiteral("--replace");
    QString output;
    const int code = serverscripts::run(QStringLiteral("bench/generate-volume"), arguments, false, &output);
    EXPECT_TRUE(code != 0 || output.contains(QStringLiteral("rows per second"))) << output.toStdString();
    return code;
}

} // namespace

TEST(VolumeGeneratorTest, TheSameSeedGivesTheSameData)
{
    REQUIRE_TEST_CLUSTER();
    TestDatabase a;
    TestDatabase b;
    ASSERT_EQ(generate(a.name(), QStringLiteral("7")), 0);
    ASSERT_EQ(generate(b.name(), QStringLiteral("7")), 0);
    const QString first = serverscripts::fingerprint(a.name());
    EXPECT_FALSE(first.isEmpty());
    EXPECT_EQ(serverscripts::fingerprint(b.name()), first);

    // A filled database is left alone unless it is to be replaced.
    EXPECT_NE(generate(a.name(), QStringLiteral("8")), 0);
    EXPECT_EQ(serverscripts::fingerprint(a.name()), first);
    ASSERT_EQ(generate(a.name(), QStringLiteral("8"), true), 0);
    EXPECT_NE(serverscripts::fingerprint(a.name()), first);
}

TEST(VolumeGeneratorTest, TicketsAgreeWithTheirPlaysAndResults)
{
    REQUIRE_TEST_CLUSTER();
    TestDatabase db;
    ASSERT_EQ(generate(db.name(), QStringLiteral("11")), 0);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM tickets")), QStringLiteral("600"));
    // Three plays per ticket on average.
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT round(count(*) / 600.0) FROM jugadasticket")),
              QStringLiteral("3"));
    // Amounts and prizes of a ticket are those of its plays.
    EXPECT_EQ(db.scalar(QStringLiteral(
                  "SELECT count(*) FROM tickets t JOIN (SELECT codvendedor, nroticket, sum(monto) AS m, "
                  "sum(premio) AS p FROM jugadasticket GROUP BY 1, 2) j USING (codvendedor, nroticket) "
                  "WHERE t.montoticket <> j.m OR coalesce(t.montopremio, 0) <> j.p")),
              QStringLiteral("0"));
    // Every sale happens on a sale day of its lottery, before its closing hour.
    EXPECT_EQ(db.scalar(QStringLiteral(
                  "SELECT count(*) FROM jugadasticket j JOIN tickets t USING (codvendedor, nroticket) "
                  "JOIN loterias l ON l.cod_lot = j.cod_lot "
                  "WHERE (ARRAY[l.dia_1, l.dia_2, l.dia_3, l.dia_4, l.dia_5, l.dia_6, l.dia_7])"
                  "[extract(isodow FROM t.fechaticket)] <> 'S' OR t.horaticket >= "
                  "(ARRAY[l.hora_1, l.hora_2, l.hora_3, l.hora_4, l.hora_5, l.hora_6, l.hora_7])"
                  "[extract(isodow FROM t.fechaticket)]")),
              QStringLiteral("0"));
    // The daily results of the awarded days add up to the unannulled sales.
    EXPECT_EQ(db.scalar(QStringLiteral(
                  "SELECT (SELECT sum(total_venta) FROM saldosdias) = (SELECT sum(montoticket) FROM tickets "
                  "WHERE anulado = 'N' AND fechaticket <= '2026-03-14')")),
              QStringLiteral("t"));
    // Prizes are only awarded on processed draws.
    EXPECT_EQ(
        db.scalar(QStringLiteral(
            "SELECT count(*) FROM jugadasticket j LEFT JOIN premiar p ON p.cod_lot = j.cod_lot "
            "AND p.fechapremio = j.fechaticket WHERE j.premio > 0 AND p.procesado IS DISTINCT FROM 'S'")),
        QStringLiteral("0"));
}
