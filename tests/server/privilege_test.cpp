// What the program's login role may do on a house database: run the
// procedures the program and the updater call, nothing else. Each case is a
// statement run as the login role, in a transaction rolled back afterwards.

#include "testdb.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using testsupport::TestDatabase;

namespace {

struct Case {
    const char* name;
    const char* sql;
    const char* refusal; // part of the server's message; nullptr: accepted
};

const Case Cases[] = {
    {"creating a table", "CREATE TABLE public.intrusa (x int)", "permission denied"},
    {"creating a table in proc", "CREATE TABLE proc.intrusa (x int)", "permission denied"},
    {"creating a temporary table", "CREATE TEMP TABLE intrusa (x int)", "permission denied"},
    {"creating a schema", "CREATE SCHEMA intrusa", "permission denied"},
    {"dropping a table", "DROP TABLE public.operador", "must be owner"},
    {"emptying a table", "TRUNCATE public.loterias CASCADE", "permission denied"},
    {"altering a table", "ALTER TABLE public.operador ADD COLUMN x int", "must be owner"},
    {"creating a function in proc", "CREATE FUNCTION proc.intrusa() RETURNS int LANGUAGE sql AS 'SELECT 1'",
     "permission denied"},
    {"replacing a procedure",
     "CREATE OR REPLACE FUNCTION proc.reloj_servidor() RETURNS timestamp(0) LANGUAGE sql "
     "AS 'SELECT timestamp ''2000-01-01'''",
     "permission denied"},
    {"dropping a procedure", "DROP FUNCTION proc.retornafecha()", "must be owner"},
    {"reading the operators", "SELECT claveope FROM public.operador", "permission denied"},
    {"writing the operators", "UPDATE public.operador SET claveope = 'x'", "permission denied"},
    {"reading the sellers", "SELECT * FROM public.vendedor", "permission denied"},
    {"writing tickets", "DELETE FROM public.tickets", "permission denied"},
    {"pinning the server clock", "INSERT INTO public.relojprueba (momento) VALUES ('2000-01-01')",
     "permission denied"},
    {"making itself superuser", "ALTER ROLE duroz SUPERUSER", "must be superuser"},
    {"giving itself a role", "GRANT duroz_dueno TO duroz", "must have admin option"},
    {"acting as the owner", "SET ROLE duroz_dueno", "permission denied"},
    {"changing the owner role", "ALTER ROLE duroz_dueno LOGIN", "permission denied"},
    {"changing every role's settings", "ALTER ROLE ALL SET search_path = public", "must be superuser"},
    // No right on any table: a window's statement is a procedure bound to
    // the key it names.
    {"emptying the special-play parameters", "DELETE FROM public.lotespec", "permission denied"},
    {"emptying a seller's lottery parameters", "DELETE FROM public.ven_lot", "permission denied"},
    {"emptying a seller's special-play parameters", "DELETE FROM public.vendespec", "permission denied"},
    {"emptying the sellers' taxes", "DELETE FROM public.vend_imp", "permission denied"},
    {"emptying the special-play details", "DELETE FROM public.jugadeta", "permission denied"},
    {"deleting one row by its key", "DELETE FROM lotespec WHERE cod_lot = '001' AND especial = '01'",
     "permission denied"},
    {"reading the special-play parameters", "SELECT * FROM lotespec", "permission denied"},
    {"reading the special plays", "SELECT * FROM jugadas", "permission denied"},
    {"reading the sellers' taxes", "SELECT codvendedor FROM vend_imp", "permission denied"},
    {"adding a seller's tax by hand",
     "INSERT INTO vend_imp (codvendedor, codigo_impuesto, porcentaje_impuesto) VALUES ('00001', 'IVA', -5)",
     "permission denied"},
    {"reading the daily results", "SELECT vendedor FROM saldosdias", "permission denied"},
    {"writing special plays", "UPDATE public.jugadas SET desc_espec = 'x'", "permission denied"},
    {"changing a seller's tax", "UPDATE public.vend_imp SET porcentaje_impuesto = 99", "permission denied"},
    {"changing the tax catalogue", "DELETE FROM public.impuesto", "permission denied"},
    {"reading the sellers' passwords", "SELECT clave_vend FROM public.vendedor", "permission denied"},
    {"reading the daily results' taxes", "SELECT impuesto_junta FROM proc.saldosdias_impuestos",
     "permission denied"},
    {"reading the processed taxes", "SELECT tasas FROM public.impuestos_sumas", "permission denied"},
    {"writing the daily results", "UPDATE public.saldosdias SET premios = 0", "permission denied"},
    // Helpers the procedures call, which skip their callers' checks.
    {"storing a parameter column directly",
     "SELECT proc.parametros_escribe('ven_lot', '2', ARRAY['00001', '001'], ARRAY['-1'])",
     "permission denied"},
    {"walking the months from minus infinity", "SELECT proc.resultados_tramos('-infinity', 'infinity')",
     "permission denied"},
    {"collecting instalments dated infinity", "SELECT proc.lineup_cobra_cuotas('infinity')",
     "permission denied"},
    // What the program does.
    {"running a procedure", "SELECT * FROM proc.retornafecha()", nullptr},
    {"running a procedure through the search path", "SELECT * FROM dsplot('0', '')", nullptr},
    {"reading special-play parameters (Form10)", "SELECT * FROM lee_lotespec('001', '01')", nullptr},
    {"a lottery's special plays (Form17)", "SELECT * FROM especiales_loteria('001')", nullptr},
    {"a special play's name (Form17)", "SELECT * FROM lee_jugada('01')", nullptr},
    {"a special play's details (Form17)", "SELECT * FROM detalles_jugada('01')", nullptr},
    {"every special play (paramvendespe)", "SELECT * FROM lista_jugadas()", nullptr},
    {"a seller's taxes (masterven_imp)", "SELECT * FROM impuestos_vendedor('00001')", nullptr},
    {"the tax catalogue (editaimpuestovend)", "SELECT * FROM catalogo_impuestos()", nullptr},
    {"looking for a seller's tax (editaimpuestovend)", "SELECT * FROM busca_vend_imp('00001', 'IVA')",
     nullptr},
    {"adding a seller's tax (editaimpuestovend)",
     "SELECT * FROM agrega_vend_imp('00001', 'IVA', 1.5, 'Venta')", nullptr},
    {"the fiscal monitor (Form36)",
     "SELECT * FROM monitor_fiscal_dias('01/03/2026', '31/03/2026'), monitor_fiscal_regiones(),"
     " monitor_fiscal_municipios(), monitor_fiscal_impuestos()",
     nullptr},
};

struct PgConnDeleter {
    void operator()(PGconn* c) const { PQfinish(c); }
};
using Connection = std::unique_ptr<PGconn, PgConnDeleter>;

Connection connectAsLoginRole(const TestDatabase& db)
{
    const QString info = QStringLiteral("host=%1 port=%2 dbname=%3 user=%4 password=%5")
                             .arg(TestDatabase::host(), TestDatabase::port(), db.name(),
                                  QLatin1String(testsupport::ProductRole),
                                  QLatin1String(testsupport::ProductPassword));
    return Connection(PQconnectdb(info.toUtf8().constData()));
}

// "" when the statement was accepted, else the server's message.
std::string run(PGconn* c, const char* sql)
{
    PGresult* r = PQexec(c, sql);
    const auto status = PQresultStatus(r);
    std::string refusal;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        refusal = PQresultErrorMessage(r);
    PQclear(r);
    return refusal;
}

// The first value a statement answers ("" for none), or the server's
// message prefixed with "ERROR".
std::string firstValue(PGconn* c, const std::string& sql)
{
    PGresult* r = PQexec(c, sql.c_str());
    const auto status = PQresultStatus(r);
    std::string value;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        value = std::string("ERROR ") + PQresultErrorMessage(r);
    else if (PQntuples(r) > 0 && PQnfields(r) > 0)
        value = PQgetvalue(r, 0, 0);
    PQclear(r);
    return value;
}

// The names of server procedures the program's and the updater's sources
// call: every string literal of src/ whose first word (after an optional
// "exec ") is the name of a routine of `catalogue`, in lower case. Literals
// are where every call helper takes its procedure's name: a typed Command
// ("Command cmd(conexion, "ACTALD")"), a call text (callText("xDSPLOT", …),
// "dspven2 '5'"), the catalogue and report bases that take a name.
QSet<QString> calledProcedures(const QSet<QString>& catalogue)
{
    static const QRegularExpression literal(
        QStringLiteral(R"re("(?:exec\s+)?([A-Za-z_][A-Za-z0-9_]*)(?=[\s"]))re"),
        QRegularExpression::CaseInsensitiveOption);
    QSet<QString> called;
    QDirIterator it(QStringLiteral(DUROZ_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (auto m = literal.globalMatch(text); m.hasNext();) {
            const QString name = m.next().captured(1).toLower();
            if (catalogue.contains(name))
                called.insert(name);
        }
    }
    return called;
}

// The names server/llamadas.txt lists, in lower case.
QSet<QString> grantList()
{
    QFile file(QStringLiteral(DUROZ_SOURCE_DIR "/server/llamadas.txt"));
    QSet<QString> names;
    if (!file.open(QIODevice::ReadOnly))
        return names;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString name = line.section(QLatin1Char('#'), 0, 0).trimmed().toLower();
        if (!name.isEmpty())
            names.insert(name);
    }
    return names;
}

std::string joined(QSet<QString> names)
{
    QStringList list(names.begin(), names.end());
    list.sort();
    return list.join(QLatin1Char(' ')).toStdString();
}

class PrivilegeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_TEST_CLUSTER();
        db_ = std::make_unique<TestDatabase>();
        db_->exec(QStringLiteral(
            "INSERT INTO loterias (cod_lot, desc_lot) VALUES ('001', 'PRUEBA');"
            "INSERT INTO jugadas VALUES ('01', 'ZODIACAL');"
            "INSERT INTO jugadeta VALUES ('01', '99', 'NINGUNO');"
            "INSERT INTO lotespec (cod_lot, especial) VALUES ('001', '01');"
            "INSERT INTO operador (operador, nombreope, claveope) VALUES ('ADMIN', 'A', 'secreta');"
            "INSERT INTO vendedor (codvendedor, nombre_vend) VALUES ('00001', 'AGENCIA');"
            "INSERT INTO impuesto (codigo_impuesto, descri_impuesto) VALUES ('IVA', 'VALOR AGREGADO')"));
        login_ = connectAsLoginRole(*db_);
        ASSERT_EQ(PQstatus(login_.get()), CONNECTION_OK) << PQerrorMessage(login_.get());
    }
    std::unique_ptr<TestDatabase> db_;
    Connection login_;
};

} // namespace

TEST_F(PrivilegeTest, TheLoginRoleMayRunTheProceduresAndNothingElse)
{
    for (const Case& c : Cases) {
        ASSERT_EQ(run(login_.get(), "BEGIN"), "");
        const std::string refusal = run(login_.get(), c.sql);
        ASSERT_EQ(run(login_.get(), "ROLLBACK"), "");
        if (c.refusal)
            EXPECT_NE(refusal.find(c.refusal), std::string::npos)
                << c.name << ": expected \"" << c.refusal << "\", got \"" << refusal << '"';
        else
            EXPECT_EQ(refusal, "") << c.name;
    }
}

TEST_F(PrivilegeTest, ASessionCannotMoveTheServerClock)
{
    // The setting that once pinned the clock is no longer read.
    ASSERT_EQ(run(login_.get(), "SET duroz.reloj_prueba = '2000-01-01 00:00:00'"), "");
    PGresult* r = PQexec(login_.get(), "SELECT fecha::date = current_date FROM proc.retornafecha()");
    ASSERT_EQ(PQresultStatus(r), PGRES_TUPLES_OK) << PQresultErrorMessage(r);
    EXPECT_STREQ(PQgetvalue(r, 0, 0), "t");
    PQclear(r);
}

TEST_F(PrivilegeTest, EveryProcedureRunsAsTheOwnerWithAFixedSearchPath)
{
    // A procedure another file adds gets the same: the loader gives them to
    // every routine of proc, and nobody but the login role may execute one.
    EXPECT_EQ(
        db_->scalar(QStringLiteral("SELECT string_agg(p.proname, ' ') FROM pg_proc p "
                                   "WHERE p.pronamespace = 'proc'::regnamespace AND NOT ("
                                   "  p.prosecdef AND pg_get_userbyid(p.proowner) = 'duroz_dueno'"
                                   "  AND p.proconfig = ARRAY['search_path=proc, public, pg_temp']"
                                   "  AND NOT coalesce(p.proacl::text[] && ARRAY['=X/duroz_dueno'], true))")),
        QStringLiteral("NULL"));
    EXPECT_NE(
        db_->scalar(QStringLiteral("SELECT count(*) FROM pg_proc WHERE pronamespace = 'proc'::regnamespace")),
        QStringLiteral("0"));
}

TEST_F(PrivilegeTest, TheLoginRoleExecutesExactlyTheProceduresTheProgramCalls)
{
    const QString procedures = QStringLiteral(
        "SELECT DISTINCT lower(p.proname), has_function_privilege('duroz', p.oid, 'EXECUTE') FROM pg_proc p "
        "WHERE p.pronamespace = 'proc'::regnamespace");
    TestDatabase master(true);
    QSet<QString> catalogue;
    QSet<QString> granted;
    for (const QString& row : db_->rows(procedures) + master.rows(procedures)) {
        const QString name = row.section(QLatin1Char('|'), 0, 0);
        catalogue.insert(name);
        if (row.endsWith(QLatin1String("|t")))
            granted.insert(name);
    }
    const QSet<QString> called = calledProcedures(catalogue);
    ASSERT_GT(called.size(), 50) << "the sources' calls were not found";
    EXPECT_EQ(joined(called - granted), "")
        << "procedures the program calls that the login role may not execute: give each a line in "
           "server/llamadas.txt";
    EXPECT_EQ(joined(granted - called), "")
        << "procedures the login role may execute that no source calls: take them out of server/llamadas.txt";
    EXPECT_EQ(joined(grantList() - catalogue), "") << "names in server/llamadas.txt that are no procedure";
}

TEST_F(PrivilegeTest, EveryOtherRoutineIsRefused)
{
    const QStringList calls = db_->rows(QStringLiteral(
        "SELECT format('SELECT proc.%I(%s)', p.proname, (SELECT string_agg('NULL::' || format_type(t, NULL), "
        "', ')"
        "                                                FROM unnest(p.proargtypes::oid[]) t)) "
        "FROM pg_proc p WHERE p.pronamespace = 'proc'::regnamespace AND p.prokind = 'f'"
        " AND NOT has_function_privilege('duroz', p.oid, 'EXECUTE') ORDER BY 1"));
    EXPECT_GT(calls.size(), 30);
    for (const QString& call : calls) {
        ASSERT_EQ(run(login_.get(), "BEGIN"), "");
        const std::string refusal = run(login_.get(), call.toUtf8().constData());
        ASSERT_EQ(run(login_.get(), "ROLLBACK"), "");
        EXPECT_NE(refusal.find("permission denied for function"), std::string::npos)
            << call.toStdString() << ": " << refusal;
    }
}

TEST_F(PrivilegeTest, TheLoginRoleHasNoRightOnAnyTable)
{
    EXPECT_EQ(
        db_->scalar(QStringLiteral(
            "SELECT string_agg(c.relname, ' ') FROM pg_class c "
            "WHERE c.relnamespace = 'public'::regnamespace AND c.relkind IN ('r', 'p', 'v', 'm', 'S', 'f')"
            " AND (has_table_privilege('duroz', c.oid, 'SELECT, INSERT, UPDATE, DELETE, TRUNCATE, "
            "REFERENCES, TRIGGER')"
            "      OR has_any_column_privilege('duroz', c.oid, 'SELECT, INSERT, UPDATE, REFERENCES'))")),
        QStringLiteral("NULL"));
}

TEST_F(PrivilegeTest, TheWindowsDeletesTakeOneRowByItsKey)
{
    db_->exec(QStringLiteral(
        "INSERT INTO loterias (cod_lot, desc_lot) VALUES ('002', 'OTRA');"
        "INSERT INTO jugadeta VALUES ('01', '98', 'OTRO');"
        "INSERT INTO lotespec (cod_lot, especial) VALUES ('002', '01');"
        "INSERT INTO ven_lot (codvendedor, cod_lot) VALUES ('00001', '001'), ('00001', '002');"
        "INSERT INTO vendespec (codvendedor, cod_lot, especial) VALUES ('00001', '001', '01'), "
        "('00001', '002', '01');"
        "INSERT INTO impuesto (codigo_impuesto, descri_impuesto) VALUES ('ISLR', 'SOBRE LA RENTA');"
        "INSERT INTO vend_imp (codvendedor, codigo_impuesto, porcentaje_impuesto) VALUES ('00001', 'IVA', "
        "1), "
        "('00001', 'ISLR', 2)"));
    struct Borrado {
        const char* call;  // as the login role
        const char* left;  // the rows of the table afterwards
        const char* table; // its key, for the listing
    };
    const Borrado cases[] = {
        {"SELECT borra_vendespec('001', '01', '00001')", "00001 002 01", "vendespec"},
        {"SELECT borra_lotespec('001', '01')", "002 01", "lotespec"},
        {"SELECT borra_jugadeta('01', '99')", "01 98", "jugadeta"},
        {"SELECT borra_ven_lot('001', '00001')", "00001 002", "ven_lot"},
        {"SELECT * FROM borra_vend_imp('00001', 'IVA')", "00001 ISLR", "vend_imp"},
        // A key of no row, or a pattern, deletes nothing.
        {"SELECT borra_ven_lot('%', '%')", "00001 002", "ven_lot"},
        {"SELECT * FROM borra_vend_imp('00001', 'IVA')", "00001 ISLR", "vend_imp"},
    };
    const auto key = [](const std::string& table) {
        if (table == "vendespec")
            return QStringLiteral("codvendedor || ' ' || cod_lot || ' ' || especial");
        if (table == "lotespec")
            return QStringLiteral("cod_lot || ' ' || especial");
        if (table == "jugadeta")
            return QStringLiteral("especial || ' ' || jugada");
        if (table == "ven_lot")
            return QStringLiteral("codvendedor || ' ' || cod_lot");
        return QStringLiteral("codvendedor || ' ' || codigo_impuesto");
    };
    for (const Borrado& c : cases) {
        EXPECT_EQ(run(login_.get(), c.call), "") << c.call;
        EXPECT_EQ(db_->scalar(QStringLiteral("SELECT string_agg(%1, ',' ORDER BY 1) FROM %2")
                                  .arg(key(c.table), QLatin1String(c.table)))
                      .toStdString(),
                  c.left)
            << c.call;
    }
}

// The procedures the program calls that take a date, as the catalogue
// lists them (an input named fecha…, desde or hasta, or of a date type),
// each with arguments a window could send; "@F" stands for a date.
struct LlamadaConFecha {
    const char* procedure;
    std::vector<const char*> arguments;
};

const LlamadaConFecha LlamadasConFecha[] = {
    {"actgastos", {"0", "G1", "GASTO", "1", "@F", "00001", "", "0"}},
    {"actmov", {"0", "M1", "0 - PAGO", "1", "@F", "10:00:00", "00001", "", "", "0"}},
    {"dspgastos", {"@F", "00001", "0"}},
    {"dsplupcap", {"@F"}},
    {"dspmov", {"0", "@F", "00001", "0", "0", "0", "0", "0", ""}},
    {"grabapremios",
     {"0", "@F", "123", "456", "789", "23", "56", "89", "3", "", "", "", "", "", "", "", "001"}},
    {"hcaduca", {"1", "@F", "@F", "00001"}},
    {"historicolup", {"00001", "@F", "@F"}},
    {"monitor_fiscal_dias", {"@F", "@F"}},
    {"monitoronline", {"@F", "1", "001", "", "", "00001"}},
    {"premiappal", {"@F"}},
    {"proceseimpuestos", {"@F"}},
    {"procesepremios2", {"@F", "001"}},
    {"reportepremionumero", {"001", "123", "", "", "@F", "00001"}},
    {"rpt_res_ven_grupos", {"@F", "@F", "", "", "00001", ""}},
    {"rpt_res_ven_loteria", {"@F", "@F", "", "", "", "000"}},
    {"rpt_res_ven_resumido_loteria", {"@F", "@F", "", "", ""}},
    {"rpt_res_ven_total_gral", {"@F", "@F"}},
    {"rpt_res_ven_totales", {"@F", "@F", "", ""}},
    {"rpt_res_ven_totales_fecha", {"@F", "@F", "", ""}},
    {"rpt_res_ven_totales_fiscal", {"@F", "@F", "", ""}},
    {"rptcuentamov", {"", "", "@F", "@F", "1"}},
    {"rptgastosaldo", {"", "", "@F", "@F", "1"}},
    {"rptlistas", {"@F", "1", "001", "", "", "00001"}},
    {"rptmov", {"0", "@F", "@F", "00001", "0"}},
    {"rptptovta", {"@F", "00001", "1", "@F"}},
    {"rpttaquillatotales", {"@F", "@F", "00001"}},
    {"xmuestraticket", {"@F", "00001", "0000000001", "2"}},
};

TEST_F(PrivilegeTest, EveryProcedureTakingADateRefusesInfiniteAndOutOfRangeDates)
{
    // name|takes return_value|positions (from 0) of its date inputs
    const QStringList listed = db_->rows(QStringLiteral(
        "SELECT lower(p.proname), 'return_value' = ANY (p.proargnames), string_agg((u.i - 1)::text, ' ' "
        "ORDER BY u.i) "
        "FROM pg_proc p, unnest(p.proargnames[1:p.pronargs], p.proargtypes::oid[]) WITH ORDINALITY u (n, t, "
        "i) "
        "WHERE p.pronamespace = 'proc'::regnamespace AND has_function_privilege('duroz', p.oid, 'EXECUTE') "
        "  AND (u.n ~* 'fecha|desde|hasta' OR u.t IN ('date'::regtype, 'timestamp'::regtype, "
        "'timestamptz'::regtype)) "
        "GROUP BY p.oid ORDER BY 1"));
    ASSERT_GT(listed.size(), 20);
    const char* const goodDate = "15/03/2026";
    const char* const badDates[] = {"infinity",   "-infinity",  "31/12/1899",
                                    "01/01/2201", "01/01/0001", "31/12/9999"};
    for (const QString& row : listed) {
        const QStringList parts = row.split(QLatin1Char('|'));
        const std::string name = parts[0].toStdString();
        const auto c = std::find_if(std::begin(LlamadasConFecha), std::end(LlamadasConFecha),
                                    [&](const LlamadaConFecha& l) { return name == l.procedure; });
        if (c == std::end(LlamadasConFecha)) {
            ADD_FAILURE() << name << " takes a date: give it a row of LlamadasConFecha";
            continue;
        }
        const auto call = [&](int bad, const char* date) {
            std::string sql = parts[1] == QLatin1String("t") ? "SELECT return_value FROM proc." + name + "("
                                                             : "SELECT count(*) FROM proc." + name + "(";
            int i = 0;
            for (const char* a : c->arguments) {
                const std::string arg = std::string(a) == "@F" ? (i == bad ? date : goodDate) : a;
                sql += (i ? ", '" : "'") + arg + "'";
                ++i;
            }
            run(login_.get(), "BEGIN");
            const std::string value = firstValue(login_.get(), sql + ")");
            run(login_.get(), "ROLLBACK");
            return value;
        };
        for (const QString& position : parts[2].split(QLatin1Char(' '))) {
            const int at = position.toInt();
            ASSERT_LT(std::size_t(at), c->arguments.size()) << name;
            EXPECT_EQ(std::string(c->arguments[std::size_t(at)]), "@F")
                << name << ": input " << at << " is a date";
            const std::string good = call(at, goodDate);
            EXPECT_TRUE(good.rfind("ERROR", 0) != 0 && good != "7")
                << name << " with " << goodDate << ": " << good;
            for (const char* bad : badDates) {
                const std::string refused = call(at, bad);
                EXPECT_TRUE(refused == "7" || refused.find("de 1900 a 2200") != std::string::npos)
                    << name << " input " << at << " = " << bad << ": " << refused;
            }
        }
    }
}

TEST_F(PrivilegeTest, TheLoginRolesStatementsEndAfterFifteenMinutes)
{
    EXPECT_EQ(firstValue(login_.get(), "SHOW statement_timeout"), "15min");
}

TEST_F(PrivilegeTest, TheLoginRoleOwnsNothingAndOnlyItCarriesTheSessionSettings)
{
    EXPECT_EQ(
        // This database and the cluster-wide objects (another suite makes a
        // database of the login role's on purpose, for the loader to mend).
        db_->scalar(
            QStringLiteral("SELECT count(*) FROM pg_shdepend d JOIN pg_roles r ON r.oid = d.refobjid "
                           "WHERE r.rolname = 'duroz' AND d.deptype = 'o' AND CASE"
                           " WHEN d.classid = 'pg_database'::regclass"
                           "  THEN d.objid = (SELECT oid FROM pg_database WHERE datname = current_database())"
                           " ELSE d.dbid IN (0, (SELECT oid FROM pg_database"
                           "  WHERE datname = current_database())) END")),
        QStringLiteral("0"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT pg_get_userbyid(datdba) FROM pg_database "
                                         "WHERE datname = current_database()")),
              QStringLiteral("duroz_dueno"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT rolcanlogin FROM pg_roles WHERE rolname = 'duroz_dueno'")),
              QStringLiteral("f"));
    // search_path and DateStyle are set for the login role, for no other role
    // and not for every role at once.
    EXPECT_EQ(
        db_->scalar(QStringLiteral(
            "SELECT string_agg(coalesce(r.rolname, 'ALL') || ':' || array_to_string(s.setconfig, ','), ' ') "
            "FROM pg_db_role_setting s LEFT JOIN pg_roles r ON r.oid = s.setrole "
            "WHERE s.setdatabase = 0")),
        QStringLiteral("duroz:search_path=proc, public,DateStyle=ISO, DMY,statement_timeout=15min"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT has_schema_privilege('duroz', 'public', 'CREATE') OR "
                                         "has_schema_privilege('duroz', 'proc', 'CREATE') OR "
                                         "has_database_privilege('duroz', current_database(), 'CREATE')")),
              QStringLiteral("f"));
}
