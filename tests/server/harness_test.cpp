#include "testdb.h"

#include <gtest/gtest.h>

using testsupport::TestDatabase;

TEST(ServerHarnessTest, EverySuiteGetsItsOwnDatabaseWithTheProcedures)
{
    REQUIRE_TEST_CLUSTER();
    TestDatabase a;
    TestDatabase b;
    EXPECT_NE(a.name(), b.name());
    a.exec(QStringLiteral("CREATE TABLE solo_en_a (x int)"));
    EXPECT_EQ(b.scalar(QStringLiteral("SELECT count(*) FROM pg_tables WHERE tablename = 'solo_en_a'")),
              QStringLiteral("0"));
    EXPECT_EQ(a.scalar(QStringLiteral("SELECT count(*) FROM pg_proc p JOIN pg_namespace n ON "
                                      "n.oid = p.pronamespace WHERE n.nspname = 'proc' AND "
                                      "p.proname = 'retornafecha'")),
              QStringLiteral("1"));
}

TEST(ServerHarnessTest, RetornafechaFollowsThePinnedServerClock)
{
    REQUIRE_TEST_CLUSTER();
    TestDatabase db;
    db.setServerClock(QStringLiteral("2031-02-28 23:59:58"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT fecha FROM proc.retornafecha()")),
              QStringLiteral("2031-02-28 23:59:58"));
    db.setServerClock(QString());
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT abs(extract(epoch FROM fecha - localtimestamp)) < 5 "
                                       "FROM proc.retornafecha()")),
              QStringLiteral("t"));
}
