// The data-access layer against the real server: typed calls, text calls,
// statements, transactions, errors and the signature cache.
#include "platform/db/calltext.h"
#include "platform/db/command.h"
#include "platform/db/connection.h"
#include "platform/db/dberror.h"
#include "qtprint.h"
#include "testdb.h"

#include <QDateTime>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace platform::db;
using platform::Decimal;
using testsupport::TestDatabase;

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

// The procedures and the tables these tests call, created as the owner role
// (as the loader does); the product's role may use them.
const char* const SetupSql = R"sql(
SET ROLE duroz_dueno;
CREATE TABLE registro (n integer, texto varchar(200));
CREATE TABLE victima (x integer);
INSERT INTO victima VALUES (1);

-- Return value from the text's length, the amount added to an in/out total.
CREATE FUNCTION proc.prueba_suma(xtexto varchar, xmonto numeric, INOUT xtotal numeric,
                                 OUT return_value integer)
LANGUAGE plpgsql AS $$
BEGIN
  xtotal := xtotal + xmonto;
  return_value := length(xtexto);
  INSERT INTO registro VALUES (return_value, xtexto);
END $$;

CREATE FUNCTION proc.prueba_eco(xtexto varchar)
RETURNS TABLE (texto varchar, largo integer)
LANGUAGE sql AS $$ SELECT xtexto, length(xtexto) $$;

CREATE FUNCTION proc.prueba_mitad(xn integer, OUT return_value integer)
LANGUAGE plpgsql AS $$
BEGIN
  INSERT INTO registro SELECT g, 'mitad' FROM generate_series(1, xn) g;
  RAISE EXCEPTION 'falla a mitad de camino';
END $$;

CREATE FUNCTION proc.prueba_cursor(xdesde integer, OUT return_value integer,
                                   OUT resultado refcursor)
LANGUAGE plpgsql AS $$
BEGIN
  OPEN resultado FOR SELECT g AS numero, 'fila ' || g AS nombre
                     FROM generate_series(xdesde, 5) g ORDER BY g;
  return_value := 7;
END $$;

CREATE FUNCTION proc.prueba_tipos()
RETURNS TABLE (entero integer, grande bigint, monto numeric(12,2), doble double precision,
               texto varchar(10), fijo char(5), dia date, hora time, momento timestamp,
               logico boolean, nulo varchar)
LANGUAGE sql AS $$
  SELECT 42, 9000000000, 1234.5::numeric(12,2), 0.25::float8, 'ñandú'::varchar,
         'ab'::char(5), '31/01/2026'::date, '23:59:58'::time,
         '2026-01-31 23:59:58'::timestamp, true, NULL::varchar
$$;

CREATE FUNCTION proc.prueba_nada(xtexto varchar) RETURNS void
LANGUAGE sql AS $$ INSERT INTO registro VALUES (0, xtexto) $$;

CREATE FUNCTION proc.prueba_lenta(OUT return_value integer)
LANGUAGE plpgsql AS $$ BEGIN PERFORM pg_sleep(5); return_value := 0; END $$;

CREATE FUNCTION proc.prueba_espera(xsegundos numeric, OUT return_value integer)
LANGUAGE plpgsql AS $$ BEGIN PERFORM pg_sleep(xsegundos); return_value := 0; END $$;

CREATE FUNCTION proc.prueba_ip(xserver varchar, INOUT dir_ipdevuelta varchar,
                               OUT return_value integer)
LANGUAGE plpgsql AS $$
BEGIN dir_ipdevuelta := '10.0.0.' || length(xserver); return_value := 0; END $$;
GRANT SELECT, INSERT, DELETE ON registro, victima TO duroz;
RESET ROLE;
)sql";

class ConnectionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!testsupport::haveTestCluster())
            return;
        db_ = std::make_unique<TestDatabase>();
        db_->exec(s(SetupSql));
    }
    static void TearDownTestSuite() { db_.reset(); }

    void SetUp() override
    {
        REQUIRE_TEST_CLUSTER();
        db_->exec(s("DELETE FROM registro"));
        conn_.open(db_->connectionString());
    }

    static int errorOf(const std::function<void()>& action, QString* description = nullptr)
    {
        try {
            action();
        } catch (const DbError& e) {
            if (description)
                *description = e.description();
            return e.number();
        }
        return 0;
    }

    static QString registro()
    {
        return db_->rows(s("SELECT n, texto FROM registro ORDER BY n")).join(s(";"));
    }

    static std::unique_ptr<TestDatabase> db_;
    Connection conn_;
};

std::unique_ptr<TestDatabase> ConnectionTest::db_;

} // namespace

TEST_F(ConnectionTest, TypedCallFillsReturnValueAndInOutParameter)
{
    Command cmd(conn_, s("PRUEBA_SUMA"));
    cmd.setCommandTimeout(900);
    cmd.append(s("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(s("@xtexto"), DataType::VarChar, Direction::Input, 5);
    cmd.appendDecimal(s("@xmonto"), DataType::Decimal, Direction::Input, 9, 3);
    cmd.appendDecimal(s("@XTOTAL"), DataType::Numeric, Direction::InputOutput, 12, 3);
    cmd.setValue(s("@xtexto"), s("abcdefgh")); // cut to 5
    cmd.setValue(s("@xmonto"), s("1.234,5678"));
    cmd.setValue(s("@xtotal"), QVariant::fromValue(*Decimal::parse(s("0.5"))));
    const RecordSet rows = cmd.execute();

    EXPECT_EQ(cmd.value(s("@RETURN_VALUE")).toString().trimmed(), s("5"));
    EXPECT_EQ(cmd.value(s("@xtotal")).value<Decimal>(), *Decimal::parse(s("1235.068")));
    EXPECT_EQ(rows.recordCount(), 0);
    EXPECT_EQ(registro(), s("5|abcde"));
}

TEST_F(ConnectionTest, InOutTextParameterComesBackByName)
{
    Command cmd(conn_, s("prueba_ip"));
    cmd.append(s("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(s("@server"), DataType::VarChar, Direction::Input, 20, s("casa"));
    cmd.append(s("@dir_ipdevuelta"), DataType::VarChar, Direction::InputOutput, 20, s("0"));
    cmd.execute();
    EXPECT_EQ(cmd.value(s("@dir_ipdevuelta")), QVariant(s("10.0.0.4")));
    EXPECT_EQ(cmd.value(s("@RETURN_VALUE")), QVariant(qint64(0)));
}

TEST_F(ConnectionTest, TextCallArgumentsArriveIntactAndChangeNothingElse)
{
    for (const char* value : {"O'Brien", "'; DROP TABLE victima; --", "a\\b", "x', 'y"}) {
        SCOPED_TRACE(value);
        RecordSet rs = conn_.execute(callText(s("prueba_eco"), {s(value)}));
        ASSERT_EQ(rs.recordCount(), 1);
        EXPECT_EQ(rs.value(s("TEXTO")), QVariant(s(value)));
    }
    // Pasted by hand without quoting: refused, not run.
    EXPECT_EQ(errorOf([&] { conn_.execute(s("prueba_eco ''; DROP TABLE victima; --'")); }), err::ServerError);
    EXPECT_EQ(db_->scalar(s("SELECT count(*) FROM victima")), s("1"));
}

TEST_F(ConnectionTest, TextCallFormsAndUnquotedNumbers)
{
    RecordSet rs = conn_.execute(s("exec PRUEBA_CURSOR 3"));
    ASSERT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(rs.value(s("numero")), QVariant(qint64(3)));
    rs = conn_.execute(s("prueba_eco 'a'"));
    EXPECT_EQ(rs.value(s("largo")), QVariant(qint64(1)));
    rs = conn_.execute(s("exec prueba_eco -12.50;"));
    EXPECT_EQ(rs.value(s("texto")), QVariant(s("-12.50")));
}

TEST_F(ConnectionTest, WrongArgumentCountsAndUnknownProceduresAreServerErrors)
{
    QString description;
    EXPECT_EQ(errorOf([&] { conn_.execute(s("prueba_eco 'a','b'")); }, &description), err::ServerError);
    EXPECT_TRUE(description.contains(s("prueba_eco"))) << description.toStdString();
    EXPECT_EQ(errorOf([&] { conn_.execute(s("no_existe '1'")); }, &description), err::ServerError);
    EXPECT_TRUE(description.contains(s("no_existe"))) << description.toStdString();

    Command cmd(conn_, s("prueba_eco"));
    cmd.append(s("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    EXPECT_EQ(errorOf([&] { cmd.execute(); }), err::ServerError);
}

TEST_F(ConnectionTest, FailureHalfWayLeavesNoRowsBehind)
{
    QString description;
    Command cmd(conn_, s("prueba_mitad"));
    cmd.append(s("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(s("@xn"), DataType::Integer, Direction::Input, 0, 3);
    EXPECT_EQ(errorOf([&] { cmd.execute(); }, &description), err::ServerError);
    EXPECT_EQ(description, s("falla a mitad de camino"));
    EXPECT_EQ(errorOf([&] { conn_.execute(s("prueba_mitad '3'")); }), err::ServerError);
    EXPECT_EQ(registro(), s(""));

    // Inside a transaction of the windows the failure takes it all back.
    conn_.beginTrans();
    conn_.execute(s("INSERT INTO registro VALUES (1, 'antes')"));
    EXPECT_EQ(errorOf([&] { conn_.execute(s("prueba_mitad '2'")); }), err::ServerError);
    EXPECT_FALSE(conn_.inTransaction());
    EXPECT_EQ(errorOf([&] { conn_.commitTrans(); }), err::BadArgument);
    EXPECT_EQ(registro(), s(""));
    // The connection goes on working.
    EXPECT_EQ(conn_.execute(s("SELECT 1 AS uno")).value(0), QVariant(qint64(1)));
}

TEST_F(ConnectionTest, TransactionsOfTheWindowsCommitOrRollBack)
{
    conn_.beginTrans();
    conn_.execute(s("prueba_nada 'dentro'"));
    EXPECT_EQ(registro(), s("")); // not visible outside yet
    conn_.commitTrans();
    EXPECT_EQ(registro(), s("0|dentro"));
    {
        Transaction t(conn_);
        conn_.execute(s("DELETE FROM registro"));
    } // no commit: rolled back
    EXPECT_EQ(registro(), s("0|dentro"));
}

TEST_F(ConnectionTest, RefcursorRowsAndReturnValue)
{
    Command cmd(conn_, s("prueba_cursor"));
    cmd.append(s("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(s("@xdesde"), DataType::Integer, Direction::Input, 0, s("2"));
    RecordSet rs = cmd.execute();
    EXPECT_EQ(cmd.value(s("@return_value")), QVariant(qint64(7)));
    ASSERT_EQ(rs.recordCount(), 4);
    EXPECT_EQ(rs.field(0).name(), s("numero"));
    rs.moveLast();
    EXPECT_EQ(rs.value(s("NOMBRE")), QVariant(s("fila 5")));
}

TEST_F(ConnectionTest, RefcursorCallsInsideAndOutsideTheWindowsTransaction)
{
    Command cmd(conn_, s("prueba_cursor"));
    cmd.append(s("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(s("@xdesde"), DataType::Integer, Direction::Input, 0, s("4"));
    for (int i = 0; i < 2; ++i) // the call's own transaction ends each time
        EXPECT_EQ(cmd.execute().recordCount(), 2);
    conn_.beginTrans();
    conn_.execute(s("INSERT INTO registro VALUES (1, 'dentro')"));
    EXPECT_EQ(cmd.execute().recordCount(), 2);
    EXPECT_EQ(conn_.execute(s("prueba_cursor '5'")).recordCount(), 1);
    EXPECT_TRUE(conn_.inTransaction());
    conn_.rollbackTrans();
    EXPECT_EQ(registro(), s(""));
    // A cursor call that fails leaves no transaction behind.
    cmd.setValue(s("@xdesde"), s("x"));
    EXPECT_EQ(errorOf([&] { cmd.execute(); }), err::WrongType);
    EXPECT_EQ(errorOf([&] { conn_.execute(s("prueba_cursor 'x'")); }), err::ServerError);
    conn_.beginTrans();
    conn_.execute(s("INSERT INTO registro VALUES (2, 'luego')"));
    conn_.commitTrans();
    EXPECT_EQ(registro(), s("2|luego"));
}

TEST_F(ConnectionTest, TextIsCutByCharactersAndANulIsRefusedNeverCut)
{
    Command cmd(conn_, s("prueba_suma"));
    cmd.append(s("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(s("@xtexto"), DataType::VarChar, Direction::Input, 5);
    cmd.appendDecimal(s("@xmonto"), DataType::Decimal, Direction::Input, 9, 3, 1);
    cmd.appendDecimal(s("@xtotal"), DataType::Numeric, Direction::InputOutput, 12, 3, 0);
    cmd.setValue(s("@xtexto"), s("ab\U0001F600\U0001F600\U0001F600\U0001F600"));
    cmd.execute();
    EXPECT_EQ(cmd.value(s("@RETURN_VALUE")), QVariant(qint64(5)));
    EXPECT_EQ(registro(), s("5|ab\U0001F600\U0001F600\U0001F600"));
    db_->exec(s("DELETE FROM registro"));

    const QString nul = s("a") + QChar(0) + s("b");
    const std::function<void()> refused[] = {
        [&] {
            cmd.setValue(s("@xtexto"), nul);
            cmd.execute();
        },
        [&] { conn_.execute(s("prueba_nada '") + nul + s("'")); },
        [&] { conn_.execute(s("DELETE FROM victima") + QChar(0) + s(" WHERE x = 2")); },
        [&] { Command(conn_, s("prueba_nada") + QChar(0) + s("x")).execute(); },
    };
    for (const auto& action : refused) {
        QString description;
        EXPECT_EQ(errorOf(action, &description), err::ServerError);
        EXPECT_TRUE(description.contains(s("U+0000"))) << description.toStdString();
    }
    EXPECT_EQ(registro(), s(""));
    EXPECT_EQ(db_->scalar(s("SELECT count(*) FROM victima")), s("1"));
}

TEST_F(ConnectionTest, ReturnsTableRowsWithTypedValues)
{
    RecordSet rs = conn_.execute(s("prueba_tipos"));
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(s("entero")), QVariant(qint64(42)));
    EXPECT_EQ(rs.value(s("grande")), QVariant(qint64(9000000000)));
    EXPECT_EQ(rs.value(s("monto")).value<Decimal>().toString(), s("1234.50"));
    EXPECT_EQ(rs.value(s("doble")), QVariant(0.25));
    EXPECT_EQ(rs.value(s("texto")), QVariant(s("ñandú")));
    EXPECT_EQ(rs.value(s("fijo")), QVariant(s("ab   ")));
    EXPECT_EQ(rs.value(s("dia")), QVariant(QDate(2026, 1, 31)));
    EXPECT_EQ(rs.value(s("hora")), QVariant(QTime(23, 59, 58)));
    EXPECT_EQ(rs.value(s("momento")).toDateTime().toString(s("dd/MM/yyyy HH:mm:ss")),
              s("31/01/2026 23:59:58"));
    EXPECT_EQ(rs.value(s("logico")), QVariant(true));
    EXPECT_TRUE(rs.field(s("NULO")).isNull());
    EXPECT_EQ(rs.field(s("entero")).type(), DataType::Integer);
    EXPECT_EQ(rs.field(s("fijo")).type(), DataType::Char);
}

TEST_F(ConnectionTest, VoidProcedureGivesAnEmptySetAndReturnValueZero)
{
    Command cmd(conn_, s("prueba_nada"));
    cmd.append(s("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(s("@xtexto"), DataType::VarChar, Direction::Input, 3, s("vacío"));
    RecordSet rs = cmd.execute();
    EXPECT_TRUE(rs.bof() && rs.eof());
    EXPECT_EQ(cmd.value(s("@RETURN_VALUE")), QVariant(qint64(0)));
    EXPECT_EQ(registro(), s("0|vac"));
}

TEST_F(ConnectionTest, StatementsRunAsTheyStandWithTheSessionSettings)
{
    RecordSet rs = conn_.execute(s("SELECT '31/01/2026'::date AS d, fecha FROM retornafecha()"));
    EXPECT_EQ(rs.value(s("D")), QVariant(QDate(2026, 1, 31)));
    EXPECT_EQ(conn_.execute(s("INSERT INTO registro VALUES (9, 'x')")).recordCount(), 0);
    EXPECT_EQ(conn_.execute(s("Delete From registro Where n = 9")).fieldCount(), 0);
    EXPECT_EQ(registro(), s(""));
    // One statement per text.
    EXPECT_EQ(errorOf([&] { conn_.execute(s("SELECT 1; DELETE FROM victima")); }), err::ServerError);
    EXPECT_EQ(db_->scalar(s("SELECT count(*) FROM victima")), s("1"));
}

TEST_F(ConnectionTest, ServerErrorsCarryTheFixedNumberAndTheServersMessage)
{
    QString description;
    EXPECT_EQ(errorOf([&] { conn_.execute(s("SELECT * FROM no_existe")); }, &description), err::ServerError);
    EXPECT_TRUE(description.contains(s("no_existe"))) << description.toStdString();
    try {
        conn_.execute(s("SELECT 1/0"));
    } catch (const DbError& e) {
        EXPECT_EQ(e.source(), DbError::ServerSource);
    }
}

TEST_F(ConnectionTest, CommandTimeOutCancelsTheCall)
{
    Command cmd(conn_, s("prueba_lenta"));
    cmd.setCommandTimeout(1);
    cmd.append(s("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    EXPECT_EQ(errorOf([&] { cmd.execute(); }), err::Timeout);
    // Only that call had the limit: statements have the login role's own.
    EXPECT_EQ(conn_.execute(s("SELECT current_setting('statement_timeout') AS t")).value(0),
              QVariant(s("15min")));

    // A limit set inside a transaction of the windows that is rolled back
    // goes with it; the next call still gets its own.
    Command rapida(conn_, s("prueba_eco"));
    rapida.setCommandTimeout(1);
    rapida.append(s("@xtexto"), DataType::VarChar, Direction::Input, 0, s("x"));
    conn_.beginTrans();
    rapida.execute();
    conn_.rollbackTrans();
    EXPECT_EQ(errorOf([&] { cmd.execute(); }), err::Timeout);
    conn_.beginTrans();
    rapida.execute();
    conn_.commitTrans();
    EXPECT_EQ(errorOf([&] { cmd.execute(); }), err::Timeout);
    EXPECT_EQ(conn_.execute(s("SELECT current_setting('statement_timeout') AS t")).value(0),
              QVariant(s("15min")));
}

// Statements and call texts end at the login role's statement time-out; a
// command with a time-out of its own (the long runs' hour) is not held to
// it. The role's limit is made one second here, for this database only.
TEST_F(ConnectionTest, TheLoginRolesTimeOutHoldsWhereACommandSetsNone)
{
    db_->exec(s("ALTER ROLE duroz IN DATABASE %1 SET statement_timeout = '1s'").arg(db_->name()));
    Connection c;
    c.open(db_->connectionString());
    db_->exec(s("ALTER ROLE duroz IN DATABASE %1 RESET statement_timeout").arg(db_->name()));
    EXPECT_EQ(errorOf([&] { c.execute(s("prueba_espera 1.5")); }), err::Timeout);
    EXPECT_EQ(errorOf([&] { c.execute(s("SELECT pg_sleep(1.5)")); }), err::Timeout);
    Command larga(c, s("prueba_espera"));
    larga.setCommandTimeout(3600);
    larga.append(s("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    larga.append(s("@xsegundos"), DataType::Decimal, Direction::Input, 0, 1.5);
    EXPECT_EQ(errorOf([&] { larga.execute(); }), 0);
    EXPECT_EQ(larga.value(s("@RETURN_VALUE")), QVariant(qint64(0)));
}

TEST_F(ConnectionTest, TransportSecurityComesFromTheEnvironment)
{
    const bool serverHasTls = db_->scalar(s("SHOW ssl")) == s("on");
    const QString inUse = s("SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()");
    struct Case {
        const char* mode;
        int error;      // when the server has TLS
        int errorNoTls; // when it has not
        bool encrypted;
    };
    const Case cases[] = {
        {"", 0, 0, serverHasTls}, // prefer
        {"disable", 0, 0, false},
        {"Require", 0, err::CannotConnect, true},
        {"verify-full", err::CannotConnect, err::CannotConnect, true}, // no root certificate
        {"siempre", err::CannotConnect, err::CannotConnect, false},
    };
    const QByteArray before = qgetenv("DUROZ_SSLMODE");
    const QByteArray rootBefore = qgetenv("PGSSLROOTCERT");
    qputenv("PGSSLROOTCERT", "/nonexistent/root.crt");
    for (const Case& c : cases) {
        qputenv("DUROZ_SSLMODE", c.mode);
        Connection other;
        QString description;
        const int error = errorOf([&] { other.open(db_->connectionString()); }, &description);
        EXPECT_EQ(error, serverHasTls ? c.error : c.errorNoTls) << c.mode;
        if (QByteArray(c.mode) == "siempre") {
            EXPECT_TRUE(description.contains(s("DUROZ_SSLMODE"))) << description.toStdString();
        }
        if (error == 0) {
            EXPECT_EQ(other.execute(inUse).value(0), QVariant(c.encrypted)) << c.mode;
        }
    }
    for (const auto& [name, value] :
         {std::pair{"DUROZ_SSLMODE", before}, std::pair{"PGSSLROOTCERT", rootBefore}})
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
}

TEST_F(ConnectionTest, ClosedAndUnreachableConnections)
{
    Connection never;
    EXPECT_EQ(never.state(), Connection::StateClosed);
    EXPECT_EQ(errorOf([&] { never.execute(s("SELECT 1")); }), err::ConnectionClosed);
    conn_.close();
    EXPECT_EQ(errorOf([&] { conn_.execute(s("Retornafecha")); }), err::ConnectionClosed);
    EXPECT_EQ(errorOf([&] { Command(conn_, s("prueba_nada")).execute(); }), err::ConnectionClosed);
    EXPECT_EQ(errorOf([&] { conn_.beginTrans(); }), err::ConnectionClosed);

    Connection nowhere;
    EXPECT_EQ(errorOf([&] {
                  nowhere.open(s("Provider=sqloledb;Data Source=127.0.0.1,1;Initial Catalog=x;"
                                 "User id=duroz;Password=x"),
                               86400);
              }),
              err::CannotConnect);
    EXPECT_EQ(nowhere.state(), Connection::StateClosed);

    QString wrongPassword = db_->connectionString();
    wrongPassword.replace(s(testsupport::ProductPassword), s("otra"));
    QString description;
    EXPECT_EQ(errorOf([&] { nowhere.open(wrongPassword); }, &description), err::LoginFailed);
    EXPECT_FALSE(description.contains(s("LOCATION"))) << description.toStdString();
    QString noDatabase = db_->connectionString();
    noDatabase.replace(db_->name(), s("no_existe"));
    EXPECT_EQ(errorOf([&] { nowhere.open(noDatabase); }), err::CannotConnect);
}

TEST_F(ConnectionTest, LostConnectionClosesSoTheNextCallReports3704)
{
    const QString pid = conn_.execute(s("SELECT pg_backend_pid() AS pid")).value(0).toString();
    db_->exec(s("SELECT pg_terminate_backend(%1)").arg(pid));
    EXPECT_EQ(errorOf([&] { conn_.execute(s("SELECT 1")); }), err::CannotConnect);
    EXPECT_EQ(conn_.state(), Connection::StateClosed);
    EXPECT_EQ(errorOf([&] { conn_.execute(s("SELECT 1")); }), err::ConnectionClosed);
}

TEST_F(ConnectionTest, SignaturesAreReadOncePerDatabaseAcrossConnections)
{
    conn_.execute(s("prueba_eco 'uno'"));
    const long long before = signatureLookupCount();
    for (int i = 0; i < 3; ++i) {
        Connection fresh;
        fresh.open(db_->connectionString());
        fresh.execute(s("PRUEBA_ECO 'otra vez'"));
        Command cmd(fresh, s("prueba_eco"));
        cmd.append(s("@xtexto"), DataType::VarChar, Direction::Input, 10, s("x"));
        cmd.execute();
    }
    EXPECT_EQ(signatureLookupCount(), before);
}

TEST_F(ConnectionTest, AHundredThousandRowsLoadWithExactCount)
{
    RecordSet rs = conn_.execute(
        s("SELECT g AS n, 'vendedor ' || g AS nombre, (g / 100.0)::numeric(12,2) AS monto "
          "FROM generate_series(1, 100000) g"));
    ASSERT_EQ(rs.recordCount(), 100000);
    rs.moveLast();
    EXPECT_EQ(rs.value(s("n")), QVariant(qint64(100000)));
    EXPECT_EQ(rs.value(s("nombre")), QVariant(s("vendedor 100000")));
    EXPECT_EQ(rs.value(s("monto")).value<Decimal>(), Decimal(1000));
    rs.moveFirst();
    EXPECT_TRUE(rs.find(s("nombre = 'VENDEDOR 99999'")));
    EXPECT_EQ(rs.absolutePosition(), 99999);
}
