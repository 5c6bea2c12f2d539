// A database whose daily results carry their taxes row by row, as the tax
// processing wrote them before it inserted them, loaded again: the taxes of
// every row read from the view, the fiscal report and the fiscal monitor's
// sums are those it had, and those of the same days processed afresh.

#include "datosfiscales.h"
#include "serverscripts.h"
#include "testdb.h"

#include <gtest/gtest.h>

using testsupport::TestDatabase;

namespace {

// What the tax processing of a day did to its rows: each row got the rates
// in force and each tax round(base × rate / 100, 3).
const char* const ProcesoAnterior =
    "UPDATE saldosdias s SET impuestos_procesados = 'S', codigo_junta = l.codigo_junta,"
    " tasa_junta = coalesce(ju.tasa_junta, 0),"
    " impuesto_junta = round(s.total_venta * coalesce(ju.tasa_junta, 0) / 100, 3),"
    " codigo_operadora = l.codigo_operadora, tasa_operadora = coalesce(l.impuesto, 0),"
    " impuesto_operadora = round(s.total_venta * coalesce(l.impuesto, 0) / 100, 3),"
    " codigo_alcaldia = a.codigo_alcaldia, codigo_gobernacion = a.codigo_gobernacion,"
    " tasa_alcaldia = coalesce(a.tasa_alcaldia, 0),"
    " impuesto_alcaldia = round(s.total_venta * coalesce(a.tasa_alcaldia, 0) / 100, 3),"
    " tasa_venta = pb.tasa_venta, impuesto_venta = round(s.total_venta * pb.tasa_venta / 100, 3),"
    " tasa_premio = pb.tasa_premio, impuesto_premio = round(s.premios * pb.tasa_premio / 100, 3)"
    " FROM loterias l LEFT JOIN juntas ju ON ju.codigo_junta = l.codigo_junta,"
    " vendedor v LEFT JOIN alcaldia a ON a.codigo_alcaldia = v.codigo_alcaldia"
    "  AND a.codigo_gobernacion = v.codigo_gobernacion, parametrosbanca pb"
    " WHERE s.fecha = '2026-03-05' AND l.cod_lot = s.cod_lot AND v.codvendedor = s.vendedor AND pb.id = 1";

// A second day, 6 March, not processed.
const char* const SegundoDia =
    "INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada, total_venta, comision, premios, subtotal)"
    " VALUES ('00012', '2026-03-06', '001', '1', 300, 30, 50, 220),"
    " ('00013', '2026-03-06', '003', '3', 80, 8, 20, 52)";

QString filas(const QString& tabla)
{
    return QStringLiteral(
               "SELECT string_agg(concat_ws('|', vendedor, fecha, cod_lot, tipo_jugada, impuestos_procesados,"
               " codigo_junta, tasa_junta, impuesto_junta, codigo_operadora, tasa_operadora, "
               "impuesto_operadora,"
               " codigo_gobernacion, codigo_alcaldia, tasa_alcaldia, impuesto_alcaldia, tasa_venta, "
               "impuesto_venta,"
               " tasa_premio, impuesto_premio), ';' ORDER BY vendedor, fecha, cod_lot, tipo_jugada) FROM %1")
        .arg(tabla);
}

QString informe(const char* desde, const char* hasta)
{
    return QStringLiteral(
               "SELECT string_agg(x::text, ';') FROM proc.rpt_res_ven_totales_fiscal('%1', '%2', ' ', ' ') x")
        .arg(QLatin1String(desde), QLatin1String(hasta));
}

const char* const Monitor =
    "SELECT string_agg(concat_ws('|', vendedor, fecha, v, p), ';' ORDER BY vendedor, fecha)"
    " FROM (SELECT vendedor, fecha, sum(total_venta) v, sum(premios) p FROM saldosdias"
    " GROUP BY vendedor, fecha) x";

} // namespace

TEST(ImpuestosMigracionTest, RowByRowTaxesCarryOverToTheSameFigures)
{
    REQUIRE_TEST_CLUSTER();
    TestDatabase fresca;
    const QString vieja = fresca.name() + QStringLiteral("_antes");
    fresca.exec(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 OWNER %2")
                    .arg(vieja, QLatin1String(testsupport::OwnerRole)));
    struct Borra {
        TestDatabase& db;
        QString nombre;
        ~Borra() { db.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(nombre)); }
    } borra{fresca, vieja};

    // The earlier schema, its 5 March processed row by row, 6 March not.
    QString output;
    ASSERT_EQ(serverscripts::run(QStringLiteral("server/load"),
                                 {vieja, QStringLiteral("--hasta"), QStringLiteral("209")}, false, &output),
              0)
        << output.toStdString();
    ASSERT_EQ(
        serverscripts::query(vieja, QStringLiteral("SELECT count(*) FROM pg_attribute WHERE attrelid ="
                                                   " 'saldosdias'::regclass AND attname = 'impuesto_junta'")),
        QStringLiteral("1"));
    serverscripts::query(vieja, datosfiscales::Siembra + QLatin1String(ProcesoAnterior) +
                                    QStringLiteral(";") + QLatin1String(SegundoDia));
    const QString antes = serverscripts::query(vieja, filas(QStringLiteral("saldosdias")));
    ASSERT_TRUE(antes.contains(QStringLiteral("00012|2026-03-05|003|2|S|003|5.500|13.750|")))
        << antes.toStdString();
    const QString monitorAntes = serverscripts::query(vieja, QLatin1String(Monitor));

    // Loaded again: the migration carries the taxes over.
    ASSERT_EQ(serverscripts::run(QStringLiteral("server/load"), {vieja}, false, &output), 0)
        << output.toStdString();
    EXPECT_EQ(serverscripts::query(vieja, filas(QStringLiteral("proc.saldosdias_impuestos"))), antes);
    EXPECT_EQ(serverscripts::query(vieja, QLatin1String(Monitor)), monitorAntes);
    EXPECT_EQ(
        serverscripts::query(vieja, QStringLiteral("SELECT count(*) FROM pg_attribute WHERE attrelid ="
                                                   " 'saldosdias'::regclass AND attname = 'impuesto_junta'"
                                                   " AND NOT attisdropped")),
        QStringLiteral("0"));
    EXPECT_EQ(serverscripts::query(vieja, QStringLiteral("SELECT reloptions IS NULL FROM pg_class"
                                                         " WHERE oid = 'saldosdias'::regclass")),
              QStringLiteral("t"))
        << "saldosdias back to the default fillfactor";

    // The same days processed by the tax processing of today.
    datosfiscales::siembra(fresca);
    fresca.exec(QLatin1String(SegundoDia));
    ASSERT_EQ(fresca.scalar(QStringLiteral("SELECT proc.Proceseimpuestos('05/03/2026')")),
              QStringLiteral("0"));
    EXPECT_EQ(fresca.scalar(filas(QStringLiteral("proc.saldosdias_impuestos"))), antes);
    for (const auto& [desde, hasta] :
         {std::pair{"05/03/2026", "05/03/2026"}, std::pair{"05/03/2026", "06/03/2026"},
          std::pair{"06/03/2026", "06/03/2026"}, std::pair{"01/03/2026", "31/03/2026"}}) {
        const QString esperado = fresca.scalar(informe(desde, hasta));
        ASSERT_FALSE(esperado.isEmpty());
        EXPECT_EQ(serverscripts::query(vieja, informe(desde, hasta)), esperado) << desde << "-" << hasta;
    }
    // The kept sums and their month as the processing makes them (the
    // combinations by their rates: their numbers are of each database).
    for (const char* tabla :
         {"impuestos_dia", "impuestos_loterias", "impuestos_sumas", "impuestos_sumas_mes"}) {
        const bool sumas = QLatin1String(tabla).startsWith(QLatin1String("impuestos_sumas"));
        const QString q =
            sumas
                ? QStringLiteral("SELECT string_agg(f, ';' ORDER BY f) FROM (SELECT ((to_jsonb(x) - 'tasas')"
                                 " || (to_jsonb(t) - 'id'))::text f FROM %1 x"
                                 " JOIN impuestos_tasas t ON t.id = x.tasas) y")
                      .arg(QLatin1String(tabla))
                : QStringLiteral("SELECT string_agg(x::text, ';' ORDER BY x::text) FROM %1 x")
                      .arg(QLatin1String(tabla));
        EXPECT_EQ(serverscripts::query(vieja, q), fresca.scalar(q)) << tabla;
    }
}
