// The server procedure xedotaquilla, as the login role calls it: any user
// and seller are accepted, as a typed call or as the call text, and nothing
// in the database changes.

#include "../server/serverscripts.h"
#include "testdb.h"

#include "platform/db/calltext.h"
#include "platform/db/command.h"
#include "platform/db/connection.h"

#include <gtest/gtest.h>
#include <memory>

using platform::db::Command;
using platform::db::Connection;
using platform::db::DataType;
using platform::db::Direction;
using testsupport::TestDatabase;

namespace {

class XedotaquillaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testsupport::haveTestCluster()) << "needs the test cluster: run scripts/test";
        db_ = std::make_unique<TestDatabase>();
        db_->exec(QStringLiteral("SET ROLE duroz_dueno;"
                                 "INSERT INTO parametrosbanca (id, name_duroz) VALUES (1, 'BANCA');"
                                 "RESET ROLE"));
        conexion_.open(db_->connectionString());
    }

    std::unique_ptr<TestDatabase> db_;
    Connection conexion_;
};

TEST_F(XedotaquillaTest, AnyUserAndSellerAreAcceptedAndNothingIsWritten)
{
    const QString antes = serverscripts::fingerprint(db_->name());
    const QVariant casos[][2] = {
        {QStringLiteral("U7"), QStringLiteral("00042")},
        {QString(), QString()},
        {QVariant(), QVariant()},
        {QStringLiteral("O'NEIL'; DROP TABLE vendedor; --"), QString(300, QLatin1Char('9'))},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c[0].toString().toStdString());
        Command cmd(conexion_, QStringLiteral("xedotaquilla"));
        cmd.append(QStringLiteral("@xusuario"), DataType::VarChar, Direction::Input, 0, c[0]);
        cmd.append(QStringLiteral("@xvendedor"), DataType::VarChar, Direction::Input, 0, c[1]);
        EXPECT_EQ(cmd.execute().recordCount(), 0);
    }
    EXPECT_EQ(serverscripts::fingerprint(db_->name()), antes);
}

TEST_F(XedotaquillaTest, TheCallTextIsAcceptedToo)
{
    EXPECT_NO_THROW(conexion_.execute(QStringLiteral("xedotaquilla 'U7', '00042'")));
    EXPECT_NO_THROW(conexion_.execute(
        platform::db::callText(QStringLiteral("xedotaquilla"), {QStringLiteral("O'NEIL"), QString()})));
}

TEST_F(XedotaquillaTest, ItRunsAsTheOwnerWithItsSearchPathLikeEveryProcedure)
{
    EXPECT_EQ(
        db_->scalar(QStringLiteral(
            "SELECT p.prosecdef::text || ' ' || pg_get_userbyid(p.proowner) || ' ' || "
            "array_to_string(p.proconfig, ',') || ' ' || has_function_privilege('duroz', p.oid, 'EXECUTE') "
            "FROM pg_proc p WHERE p.oid = 'proc.xedotaquilla(varchar, varchar)'::regprocedure")),
        QStringLiteral("true duroz_dueno search_path=proc, public, pg_temp true"));
}

} // namespace
