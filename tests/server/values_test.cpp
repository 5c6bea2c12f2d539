// Sound stored values, one table per rule, against the server: amounts
// without NaN or infinities, times of day before 24:00, codes without
// control or invisible characters, dates of the calendar, amount texts with
// either decimal mark; and the indexes the look-ups rely on.

#include "serverscripts.h"
#include "testdb.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using testsupport::TestDatabase;

namespace {

const char* const Catalogue = R"SQL(
INSERT INTO loterias (cod_lot, desc_lot, dia_1, hora_1) VALUES ('001', 'TRIPLE PRUEBA', 'S', '12:30');
INSERT INTO jugadas VALUES ('01', 'TRIPLE ZODIACAL');
INSERT INTO jugadeta VALUES ('01', '01', 'ARIES');
INSERT INTO lotespec (cod_lot, especial) VALUES ('001', '01');
INSERT INTO vendedor (codvendedor, nombre_vend) VALUES ('00001', 'Agencia Uno');
INSERT INTO usuarios (codvendedor, usuario, nombre_usua) VALUES ('00001', 'TAQ01', 'Cajero uno');
INSERT INTO ven_lot (codvendedor, cod_lot) VALUES ('00001', '001');
INSERT INTO tickets (codvendedor, nroticket, serial, usuario, fechaticket, horaticket, montoticket)
  VALUES ('00001', '0000000001', 'A1B2C3', 'TAQ01', '2026-03-02', '10:15', 30);
INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada) VALUES ('00001', '2026-03-02', '001', '1');
)SQL";

// ACTLOT adding lottery 777 with every amount `monto`, closing hour `hora`
// on every day and code `codigo`; its return code.
std::string actlot(const std::string& codigo, const std::string& monto, const std::string& hora)
{
    std::string sql = "SELECT proc.actlot('1', " + codigo + ", 'NUEVA'";
    for (int i = 0; i < 22; ++i)
        sql += ", " + monto;
    for (int i = 0; i < 7; ++i)
        sql += ", 'S'";
    for (int i = 0; i < 7; ++i)
        sql += ", " + hora;
    sql += ", 'A', 'N', 'N', 'N', 'N', 'S', 'N', " + monto + ", " + monto + ")";
    return sql;
}

struct Case {
    const char* name;
    std::string sql;
    const char* expected; // the first value it answers, or part of the server's refusal
};

class ValuesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_TEST_CLUSTER();
        db_ = std::make_unique<TestDatabase>();
        db_->exec(QString::fromUtf8(Catalogue));
    }
    void check(const Case* begin, const Case* end)
    {
        for (const Case* c = begin; c != end; ++c) {
            const std::string result = serverscripts::outcome(*db_, c->sql);
            EXPECT_NE(result.find(c->expected), std::string::npos)
                << c->name << ": expected \"" << c->expected << "\", got \"" << result << '"';
        }
    }
    std::unique_ptr<TestDatabase> db_;
};

const char* const Refused = "violates check constraint";

} // namespace

TEST_F(ValuesTest, AmountsAreFinite)
{
    const Case cases[] = {
        {"ticket amount NaN", "UPDATE tickets SET montoticket = 'NaN' RETURNING 1", Refused},
        {"ticket prize NaN", "UPDATE tickets SET montopremio = 'NaN', premiado = 'S' RETURNING 1", Refused},
        {"daily result NaN", "UPDATE saldosdias SET total_venta = 'NaN', subtotal = 'NaN' RETURNING 1",
         Refused},
        {"processed tax sum NaN",
         "INSERT INTO impuestos_sumas VALUES ('2026-03-05', '00001', 1, 0, 0, 'NaN', 0, 1) RETURNING 1",
         Refused},
        {"processed seller rate NaN",
         "INSERT INTO impuestos_dia VALUES ('2026-03-05', '00001', NULL, NULL, 0, 'NaN', 0, 0, 0, 0, 0) "
         "RETURNING 1",
         Refused},
        {"processed lottery rate NaN",
         "INSERT INTO impuestos_loterias VALUES ('2026-03-05', '001', NULL, 'NaN', NULL, 0) RETURNING 1",
         Refused},
        {"processed rate combination NaN",
         "INSERT INTO impuestos_tasas (codigo_junta, tasa_junta, codigo_operadora, tasa_operadora, "
         "codigo_alcaldia,"
         " codigo_gobernacion, tasa_alcaldia, tasa_venta, tasa_premio) VALUES ('', 0, '', 0, '', '', 0, 0, "
         "'NaN')"
         " RETURNING 1",
         Refused},
        {"processed month sum NaN",
         "INSERT INTO impuestos_sumas_mes VALUES ('2026-03-01', '00001', 1, 0, 0, 0, 'NaN', 1, 1) RETURNING "
         "1",
         Refused},
        {"processed tax sum infinite",
         "INSERT INTO impuestos_sumas VALUES ('2026-03-05', '00001', 1, 'Infinity', 0, 0, 0, 1) RETURNING 1",
         "numeric field overflow"},
        {"daily result sales minus infinite",
         "UPDATE saldosdias SET total_venta = '-Infinity', subtotal = '-Infinity' RETURNING 1",
         "numeric field overflow"},
        {"a sound processed tax sum",
         "INSERT INTO impuestos_sumas VALUES ('2026-03-05', '00001', 1, 0, 0, 1.5, 0, 1) RETURNING premios",
         "1.500"},
        {"lottery parameter NaN", "UPDATE loterias SET lim_tri = 'NaN' RETURNING 1", Refused},
        {"lottery digit limit NaN", "UPDATE loterias SET lim_digito = 'NaN' RETURNING 1", Refused},
        {"special-play parameter NaN", "UPDATE lotespec SET p_tri_1 = 'NaN' RETURNING 1", Refused},
        {"seller parameter NaN", "UPDATE ven_lot SET comi_ter = 'NaN' RETURNING 1", Refused},
        {"seller chief commission NaN", "UPDATE vendedor SET comision_jefe = 'NaN' RETURNING 1", Refused},
        {"a sound amount", "UPDATE loterias SET lim_tri = 12.5 RETURNING lim_tri", "12.500"},
        {"ACTLOT with NaN amounts", actlot("'777'", "'NaN'", "'12:00'"), "7"},
        {"ACTLOT with infinite amounts", actlot("'777'", "'Infinity'", "'12:00'"), "7"},
        {"ACTLOT with minus infinite amounts", actlot("'777'", "'-Infinity'", "'12:00'"), "7"},
        {"ACTLOT with sound amounts", actlot("'777'", "1.5", "'12:00'"), "0"},
    };
    check(std::begin(cases), std::end(cases));
}

TEST_F(ValuesTest, EveryAmountColumnCarriesTheCheck)
{
    // A numeric column of any table, new ones included, refuses NaN and
    // infinities by a check the loader adds, or one a table holds for
    // several of its columns.
    EXPECT_EQ(db_->scalar(QStringLiteral(
                  "SELECT string_agg(c.relname || '.' || a.attname, ' ') FROM pg_attribute a "
                  "JOIN pg_class c ON c.oid = a.attrelid "
                  "WHERE c.relnamespace = 'public'::regnamespace AND c.relkind = 'r' AND a.attnum > 0 "
                  "AND a.atttypid = 'numeric'::regtype AND NOT EXISTS (SELECT FROM pg_constraint k "
                  "WHERE k.conrelid = c.oid AND k.contype = 'c' AND k.conname LIKE '%\\_finito' "
                  "AND a.attnum = ANY (k.conkey))")),
              QStringLiteral("NULL"));
}

TEST_F(ValuesTest, TheSaleParametersAreThoseOfTheTemplate)
{
    // Each of the five parameter tables holds the twelve sale parameters as
    // the template declares them (but a lottery's first terminal prize).
    EXPECT_EQ(db_->scalar(QStringLiteral(
                  "SELECT string_agg(c.relname || '.' || t.attname, ' ' ORDER BY c.relname, t.attnum) "
                  "FROM pg_attribute t CROSS JOIN pg_class c "
                  "LEFT JOIN pg_attribute a ON a.attrelid = c.oid AND a.attname = t.attname "
                  "WHERE t.attrelid = 'parametrosventa'::regclass AND t.attnum > 0 "
                  "AND c.oid IN ('loterias'::regclass, 'lotespec'::regclass, 'vendedor'::regclass, "
                  "'ven_lot'::regclass, 'vendespec'::regclass) "
                  "AND (a.attname IS NULL OR (a.atttypid, a.atttypmod, a.attnotnull) "
                  "IS DISTINCT FROM (t.atttypid, t.atttypmod, t.attnotnull) "
                  "OR pg_get_expr((SELECT d.adbin FROM pg_attrdef d WHERE d.adrelid = c.oid AND d.adnum = "
                  "a.attnum), c.oid) "
                  "IS DISTINCT FROM '0'::text)")),
              QStringLiteral("loterias.p_ter_1"));
}

TEST_F(ValuesTest, TimesOfDayEndBeforeMidnight)
{
    const Case cases[] = {
        {"closing hour 24:00:00", "UPDATE loterias SET hora_1 = '24:00:00' RETURNING 1", Refused},
        {"closing hour 23:59:60", "UPDATE loterias SET hora_2 = '23:59:60' RETURNING 1", Refused},
        {"sale hour 24:00", "UPDATE tickets SET horaticket = '24:00' RETURNING 1", Refused},
        {"closing hour 23:59:59", "UPDATE loterias SET hora_1 = '23:59:59' RETURNING hora_1", "23:59:59"},
        {"ACTLOT closing at 24:00:00", actlot("'777'", "1", "'24:00:00'"), "7"},
        {"ACTLOT closing at 23:59:60", actlot("'777'", "1", "'23:59:60'"), "7"},
        {"ACTLOT closing at 24:00", actlot("'777'", "1", "'24:00'"), "7"},
        {"ACTLOT closing at 23:59:59", actlot("'777'", "1", "'23:59:59'"), "0"},
    };
    check(std::begin(cases), std::end(cases));
}

TEST_F(ValuesTest, CodesHoldNoControlOrInvisibleCharacters)
{
    const Case cases[] = {
        {"special play with a tab", "INSERT INTO jugadas VALUES (E'0\\t2', 'X') RETURNING 1", Refused},
        {"special play with a newline", "INSERT INTO jugadas VALUES (E'02\\n', 'X') RETURNING 1", Refused},
        {"special play with a zero-width space", "INSERT INTO jugadas VALUES (U&'02\\200B', 'X') RETURNING 1",
         Refused},
        {"special play with a left-to-right mark",
         "INSERT INTO jugadas VALUES (U&'\\200E02', 'X') RETURNING 1", Refused},
        {"special play with a right-to-left override",
         "INSERT INTO jugadas VALUES (U&'0\\202E2', 'X') RETURNING 1", Refused},
        {"special play with a byte-order mark", "INSERT INTO jugadas VALUES (U&'\\FEFF02', 'X') RETURNING 1",
         Refused},
        {"seller with a zero-width space",
         "INSERT INTO vendedor (codvendedor, nombre_vend) VALUES (U&'0000\\200B', 'X') RETURNING 1", Refused},
        {"cashier with a tab",
         "INSERT INTO usuarios (codvendedor, usuario, nombre_usua) VALUES ('00001', E'T\\t1', 'X') RETURNING "
         "1",
         Refused},
        {"ticket number with a newline", "UPDATE tickets SET nroticket = E'0000000001\\n' RETURNING 1",
         Refused},
        {"daily result board with a tab", "UPDATE saldosdias SET codigo_junta = E'0\\t1' RETURNING 1",
         Refused},
        {"daily result municipality with a zero-width space",
         "UPDATE saldosdias SET codigo_alcaldia = U&'MC\\200B', codigo_gobernacion = 'ZUL' RETURNING 1",
         Refused},
        {"special play with an emoji", "INSERT INTO jugadas VALUES (U&'0\\+01F600', 'X') RETURNING 1",
         Refused},
        {"special play in another script", "INSERT INTO jugadas VALUES ('ЖЖ', 'X') RETURNING 1", Refused},
        {"seller with an emoji",
         "INSERT INTO vendedor (codvendedor, nombre_vend) VALUES (U&'0000\\+01F600', 'X') RETURNING 1",
         Refused},
        {"a plain code with accents", "INSERT INTO jugadas VALUES ('Ñá', 'X') RETURNING especial", "Ñá"},
        {"a code with punctuation", "INSERT INTO jugadas VALUES ('*-/', 'X') RETURNING especial", "*-/"},
        {"ACTJUG with an emoji", "SELECT proc.actjug('1', U&'\\+01F600', 'X')", "7"},
        {"ACTOPR with an emoji", "SELECT proc.actopr('1', U&'A\\+01F600', 'X', 'c', '')", "7"},
        {"ACTJUG with a zero-width space", "SELECT proc.actjug('1', U&'0\\200B', 'X')", "7"},
        {"ACTLOT with a tab", actlot("E'7\\t7'", "1", "'12:00'"), "7"},
    };
    check(std::begin(cases), std::end(cases));
}

TEST_F(ValuesTest, DatesAreDaysOfTheCalendar)
{
    const char* const invalid = "fecha invalida";
    const Case cases[] = {
        {"00/00/0000", "SELECT proc.lee_fecha('00/00/0000')", invalid},
        {"31/02/2026", "SELECT proc.lee_fecha('31/02/2026')", invalid},
        {"29/02/2026, not a leap year", "SELECT proc.lee_fecha('29/02/2026')", invalid},
        {"32/01/2026", "SELECT proc.lee_fecha('32/01/2026')", invalid},
        {"a thirteenth month", "SELECT proc.lee_fecha('05/13/2026')", invalid},
        {"year 0000", "SELECT proc.lee_fecha('01/01/0000')", invalid},
        {"ISO order", "SELECT proc.lee_fecha('2026-03-05')", invalid},
        {"two-figure year", "SELECT proc.lee_fecha('05/03/26')", invalid},
        {"empty", "SELECT proc.lee_fecha('')", invalid},
        {"trailing text", "SELECT proc.lee_fecha('05/03/2026x')", invalid},
        {"before 1900", "SELECT proc.lee_fecha('31/12/1899')", invalid},
        {"after 2200", "SELECT proc.lee_fecha('01/01/2201')", invalid},
        {"year 9999", "SELECT proc.lee_fecha('31/12/9999')", invalid},
        {"infinity", "SELECT proc.lee_fecha('infinity')", invalid},
        {"minus infinity", "SELECT proc.lee_fecha('-infinity')", invalid},
        {"the first day of 1900", "SELECT proc.lee_fecha('01/01/1900')", "1900-01-01"},
        {"the last day of 2200", "SELECT proc.lee_fecha('31/12/2200')", "2200-12-31"},
        {"29/02/2028, a leap year", "SELECT proc.lee_fecha('29/02/2028')", "2028-02-29"},
        {"one-figure day and month", "SELECT proc.lee_fecha('5/3/2026')", "2026-03-05"},
        {"surrounding blanks", "SELECT proc.lee_fecha(' 05/03/2026 ')", "2026-03-05"},
        {"the ticket look-up, 00/00/0000",
         "SELECT count(*) FROM proc.xmuestraticket('00/00/0000', '', '0000000001', '2')", invalid},
        {"the ticket look-up, 31/02/2026",
         "SELECT count(*) FROM proc.xmuestraticket('31/02/2026', '', '0000000001', '2')", invalid},
        {"the ticket look-up, a sound date",
         "SELECT count(*) FROM proc.xmuestraticket('02/03/2026', '', '0000000001', '2')", "0"},
    };
    check(std::begin(cases), std::end(cases));
}

TEST_F(ValuesTest, AmountTextsTakeEitherDecimalMark)
{
    const char* const invalid = "no es un número";
    const Case cases[] = {
        {"12,5", "SELECT proc.lee_importe('12,5')", "12.5"},
        {"12.5", "SELECT proc.lee_importe('12.5')", "12.5"},
        {",5", "SELECT proc.lee_importe(',5')", "0.5"},
        {"12,", "SELECT proc.lee_importe('12,')", "12"},
        {"blanks around", "SELECT proc.lee_importe(' 7 ')", "7"},
        {"1.234,5", "SELECT proc.lee_importe('1.234,5')", invalid},
        {"1,234.5", "SELECT proc.lee_importe('1,234.5')", invalid},
        {"1.2.3", "SELECT proc.lee_importe('1.2.3')", invalid},
        {"1 000", "SELECT proc.lee_importe('1 000')", invalid},
        {"letters", "SELECT proc.lee_importe('12a')", invalid},
        {"a sign", "SELECT proc.lee_importe('-1')", invalid},
        {"an exponent", "SELECT proc.lee_importe('1e3')", invalid},
        {"NaN", "SELECT proc.lee_importe('NaN')", invalid},
        {"Infinity", "SELECT proc.lee_importe('Infinity')", invalid},
        {"empty", "SELECT proc.lee_importe('')", invalid},
        {"a mark alone", "SELECT proc.lee_importe(',')", invalid},
        {"special-play parameters store 12,5",
         "SELECT proc.parametroslotespec('M', '001', '01', '12,5', '1', '1', '1', '1', '1', '1', '1', "
         "'1', '1', '1', '1'); SELECT minimo_tri FROM lotespec",
         "12.500"},
        {"special-play parameters refuse 1.234,5",
         "SELECT proc.parametroslotespec('M', '001', '01', '1.234,5', '1', '1', '1', '1', '1', '1', '1', "
         "'1', '1', '1', '1')",
         "Minimo_tri no es un número"},
    };
    check(std::begin(cases), std::end(cases));
}

TEST_F(ValuesTest, LookUpsUseTheirIndexes)
{
    struct Lookup {
        const char* query;
        const char* index;
    };
    const Lookup lookups[] = {
        {"SELECT * FROM tickets WHERE fechaticket = '2026-03-02' AND nroticket = '0000000001'",
         "tickets_fecha_numero"},
        {"SELECT * FROM saldosdias WHERE codigo_junta = '001'", "saldosdias_junta"},
        {"SELECT * FROM saldosdias WHERE codigo_operadora = '001'", "saldosdias_operadora"},
        {"SELECT * FROM saldosdias WHERE codigo_alcaldia = 'MCB' AND codigo_gobernacion = 'ZUL'",
         "saldosdias_alcaldia"},
        {"SELECT * FROM jugadasticket WHERE fechaticket = '2026-03-02'", "jugadasticket_fecha"},
    };
    db_->exec(QStringLiteral("SET enable_seqscan = off"));
    for (const Lookup& l : lookups) {
        const QString plan =
            db_->rows(QStringLiteral("EXPLAIN ") + QLatin1String(l.query)).join(QLatin1Char('\n'));
        EXPECT_TRUE(plan.contains(QLatin1String(l.index))) << l.query << '\n' << plan.toStdString();
    }
}
