// What the program's login role may do on a house database: run the
// procedures and the few plain statements of the windows, nothing else.
// Each case is a statement run as the login role, in a transaction rolled
// back afterwards.

#include "testdb.h"

#include <QString>
#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <memory>
#include <string>

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
    // What the program does.
    {"running a procedure", "SELECT * FROM proc.retornafecha()", nullptr},
    {"running a procedure through the search path", "SELECT * FROM dsplot('0', '')", nullptr},
    {"reading special-play parameters (Form10)",
     "SELECT * FROM lotespec WHERE cod_lot = '001' AND especial = '01'", nullptr},
    {"deleting special-play parameters (Form10)",
     "DELETE FROM lotespec WHERE cod_lot = '001' AND especial = '01'", nullptr},
    {"deleting a special-play detail (Form6)", "DELETE FROM jugadeta WHERE especial = '01' AND jugada = '99'",
     nullptr},
    {"reading a lottery's special plays (Form17)", "SELECT especial FROM LOTESPEC WHERE COD_LOT = '001'",
     nullptr},
    {"reading a special play's name (Form17)", "SELECT * FROM jugadas WHERE especial = '01'", nullptr},
    {"reading a special play's details (Form17)", "SELECT * FROM JUGADETA WHERE ESPECIAL = '01'", nullptr},
    {"writing special plays", "UPDATE public.jugadas SET desc_espec = 'x'", "permission denied"},
    {"listing a seller's taxes (masterven_imp)",
     "SELECT vend_imp.codigo_impuesto, (SELECT impuesto.descri_impuesto FROM impuesto WHERE"
     " vend_imp.codigo_impuesto = impuesto.codigo_impuesto) AS descripcionimp, vend_imp.porcentaje_impuesto"
     " FROM vend_imp WHERE codvendedor = '00001' ORDER BY vend_imp.codigo_impuesto",
     nullptr},
    {"deleting a seller's tax (masterven_imp)",
     "DELETE FROM vend_imp WHERE codvendedor = '00001' AND codigo_impuesto = 'IVA' RETURNING codvendedor",
     nullptr},
    {"listing the tax catalogue (editaimpuestovend)",
     "SELECT codigo_impuesto, descri_impuesto FROM impuesto ORDER BY codigo_impuesto", nullptr},
    {"looking for a seller's tax (editaimpuestovend)",
     "SELECT codvendedor, codigo_impuesto FROM vend_imp WHERE codvendedor = '00001' AND codigo_impuesto = "
     "'IVA'",
     nullptr},
    {"adding a seller's tax (editaimpuestovend)",
     "INSERT INTO vend_imp (codvendedor, codigo_impuesto, porcentaje_impuesto, muestramonitor, "
     "aplica_impuesto)"
     " SELECT v.codvendedor, i.codigo_impuesto, '1.5'::numeric, '1', 'Venta'::varchar FROM vendedor v, "
     "impuesto i"
     " WHERE v.codvendedor = '00001' AND i.codigo_impuesto = 'IVA' ON CONFLICT DO NOTHING RETURNING "
     "codvendedor",
     nullptr},
    {"the fiscal monitor's regions (Form36)",
     "SELECT codigo_gobernacion, descri_gobernacion FROM gobernacion ORDER BY codigo_gobernacion", nullptr},
    {"the fiscal monitor's municipalities (Form36)",
     "SELECT codigo_alcaldia, descri_alcaldia FROM alcaldia ORDER BY codigo_gobernacion, codigo_alcaldia",
     nullptr},
    {"the fiscal monitor's seller-days (Form36)",
     "SELECT vendedor, fecha, (SELECT vendedor.nombre_vend FROM vendedor WHERE vendedor.codvendedor ="
     " saldosdias.vendedor) AS nombre_vend, sum(total_venta) AS total_venta, sum(premios) AS premios"
     " FROM saldosdias WHERE fecha BETWEEN '01/03/2026' AND '31/03/2026' GROUP BY vendedor, fecha"
     " ORDER BY vendedor, fecha",
     nullptr},
    {"the fiscal monitor's taxes (Form36)",
     "SELECT codigo_impuesto, porcentaje_impuesto, codvendedor, aplica_impuesto, (SELECT "
     "impuesto.descri_impuesto"
     " FROM impuesto WHERE impuesto.codigo_impuesto = vend_imp.codigo_impuesto) AS descri_impuesto FROM "
     "vend_imp"
     " ORDER BY codvendedor, codigo_impuesto",
     nullptr},
    {"changing a seller's tax", "UPDATE public.vend_imp SET porcentaje_impuesto = 99", "permission denied"},
    {"changing the tax catalogue", "DELETE FROM public.impuesto", "permission denied"},
    {"reading the sellers' passwords", "SELECT clave_vend FROM public.vendedor", "permission denied"},
    {"reading the daily results' taxes", "SELECT impuesto_junta FROM proc.saldosdias_impuestos",
     "permission denied"},
    {"reading the processed taxes", "SELECT tasas FROM public.impuestos_sumas", "permission denied"},
    {"writing the daily results", "UPDATE public.saldosdias SET premios = 0", "permission denied"},
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
    // every routine of proc.
    EXPECT_EQ(
        db_->scalar(QStringLiteral("SELECT string_agg(p.proname, ' ') FROM pg_proc p "
                                   "WHERE p.pronamespace = 'proc'::regnamespace AND NOT ("
                                   "  p.prosecdef AND pg_get_userbyid(p.proowner) = 'duroz_dueno'"
                                   "  AND p.proconfig = ARRAY['search_path=proc, public, pg_temp']"
                                   "  AND has_function_privilege('duroz', p.oid, 'EXECUTE')"
                                   "  AND NOT coalesce(p.proacl::text[] && ARRAY['=X/duroz_dueno'], true))")),
        QStringLiteral("NULL"));
    EXPECT_NE(
        db_->scalar(QStringLiteral("SELECT count(*) FROM pg_proc WHERE pronamespace = 'proc'::regnamespace")),
        QStringLiteral("0"));
}

TEST_F(PrivilegeTest, TheLoginRoleOwnsNothingAndOnlyItCarriesTheSessionSettings)
{
    EXPECT_EQ(
        db_->scalar(QStringLiteral("SELECT count(*) FROM pg_shdepend d JOIN pg_roles r ON r.oid = d.refobjid "
                                   "WHERE r.rolname = 'duroz' AND d.deptype = 'o'")),
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
        QStringLiteral("duroz:search_path=proc, public,DateStyle=ISO, DMY"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT has_schema_privilege('duroz', 'public', 'CREATE') OR "
                                         "has_schema_privilege('duroz', 'proc', 'CREATE') OR "
                                         "has_database_privilege('duroz', current_database(), 'CREATE')")),
              QStringLiteral("f"));
}
