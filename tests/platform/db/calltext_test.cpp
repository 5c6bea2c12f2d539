#include "platform/db/calltext.h"
#include "platform/db/connectionstring.h"
#include "qtprint.h"

#include <gtest/gtest.h>

using namespace platform::db;

namespace {
QString s(const char* text)
{
    return QString::fromUtf8(text);
}
} // namespace

TEST(CallTextTest, QuotesEveryValueSoNoTextEndsALiteral)
{
    EXPECT_EQ(quote(s("O'Brien")), s("'O''Brien'"));
    EXPECT_EQ(quote(s("")), s("''"));
    EXPECT_EQ(quote(s("a\\b")), s("'a\\b'"));
    EXPECT_EQ(quote(s("x") + QChar(0) + s("y")), s("'xy'"));
    EXPECT_EQ(callText(s("xDSPLOT"), {s("4"), s("A")}), s("xDSPLOT '4', 'A'"));
    EXPECT_EQ(callText(s("DSPjugadeta")), s("DSPjugadeta"));
    EXPECT_EQ(callText(s("p"), {s("'; DROP TABLE x; --")}), s("p '''; DROP TABLE x; --'"));
}

TEST(CallTextTest, ReadsCallTextsBackIntoNameAndArguments)
{
    struct Case {
        const char* text;
        const char* name;
        QList<QVariant> args;
    };
    const QVariant null;
    const Case cases[] = {
        {"xDSPLOT '4', 'A'", "xDSPLOT", {s("4"), s("A")}},
        {"DSPALD '0',''", "DSPALD", {s("0"), s("")}},
        {"exec ACTDETJUG '1', '02', '001', 'DOBLE'", "ACTDETJUG", {s("1"), s("02"), s("001"), s("DOBLE")}},
        {"EXECUTE p 5", "p", {s("5")}},
        {"Retornafecha", "Retornafecha", {}},
        {"  dspven2   '5'  ", "dspven2", {s("5")}},
        {"p 'O''Brien', -12, 3.50, NULL", "p", {s("O'Brien"), s("-12"), s("3.50"), null}},
        {"p ''';DROP TABLE x;--'", "p", {s("';DROP TABLE x;--")}},
        {"p 'a,b', 'c'';'", "p", {s("a,b"), s("c';")}},
        {"p 'x';", "p", {s("x")}},
        {"p 'ñandú'", "p", {s("ñandú")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        QString error;
        const auto call = parseCallText(s(c.text), &error);
        ASSERT_TRUE(call) << error.toStdString();
        EXPECT_EQ(call->procedure, s(c.name));
        EXPECT_EQ(call->arguments, c.args);
    }
}

TEST(CallTextTest, RefusesTextsThatAreNotOneCall)
{
    for (const char* text : {"", "exec", "p 'unterminated", "p 'a' 'b'", "p 'a'; DROP TABLE x", "p abc",
                             "p 'a',", "p 5x", "p ''; DROP TABLE x; --'", "'a'"}) {
        SCOPED_TRACE(text);
        QString error;
        EXPECT_FALSE(parseCallText(s(text), &error));
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(CallTextTest, TellsStatementsFromCallTexts)
{
    for (const char* text :
         {"SELECT * FROM jugadas", "  select 1", "Delete From JugaDeta", "INSERT INTO x VALUES (1)",
          "UPDATE Jugadas SET a = 1", "WITH a AS (SELECT 1) SELECT * FROM a", "Values (1)"})
        EXPECT_TRUE(isSqlStatement(s(text))) << text;
    for (const char* text :
         {"xDSPLOT '4', 'A'", "exec ACTDETJUG '1'", "Retornafecha", "selector 'x'", "DeleteAll"})
        EXPECT_FALSE(isSqlStatement(s(text))) << text;
}

TEST(ConnectionStringTest, ReadsTheBackOfficeTextIntoLibpqParameters)
{
    struct Case {
        const char* text;
        ConnectionParams expected;
    };
    const auto p = [](const char* host, int port, const char* db, const char* user, const char* password) {
        return ConnectionParams{s(host), port, s(db), s(user), s(password)};
    };
    const Case cases[] = {
        {"Provider=sqloledb;Network Library=DBMSSOCN;Data Source=10.0.0.5,1756;"
         "Initial Catalog=BDONLine;User id=sa;Password=clave",
         p("10.0.0.5", 1756, "BDONLine", "sa", "clave")},
        {"PASSWORD=x;user ID=u;initial catalog=db;DATA SOURCE=srv", p("srv", 1433, "db", "u", "x")},
        {"Data Source = srv , 5432 ; Initial Catalog = db ", p("srv", 5432, "db", "", "")},
        {"Data Source=srv,;Initial Catalog=db", p("srv", 1433, "db", "", "")},
        {"Data Source=(local);Initial Catalog=master", p("localhost", 1433, "master", "", "")},
        {"Initial Catalog=db;Password=a=b", p("localhost", 1433, "db", "", "a=b")},
        {"Provider=sqloledb;;Persist Security Info=False;Data Source=h", p("h", 1433, "", "", "")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto params = parseConnectionString(s(c.text));
        ASSERT_TRUE(params);
        EXPECT_EQ(*params, c.expected);
    }
    for (const char* bad : {"Data Source=srv,abc", "Data Source=srv,0", "Data Source=srv,70000"}) {
        QString error;
        EXPECT_FALSE(parseConnectionString(s(bad), &error)) << bad;
        EXPECT_TRUE(error.contains(QLatin1String("Puerto"))) << bad;
    }
}

TEST(ConnectionStringTest, DatabaseKeyIgnoresTheCaseOfTheHostOnly)
{
    const ConnectionParams a{s("SRV"), 1756, s("db"), s("u"), s("p")};
    const ConnectionParams b{s("srv"), 1756, s("db"), s("other"), s("q")};
    EXPECT_EQ(a.databaseKey(), b.databaseKey());
    EXPECT_NE(a.databaseKey(), (ConnectionParams{s("srv"), 1757, s("db"), {}, {}}.databaseKey()));
}
