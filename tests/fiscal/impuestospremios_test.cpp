// Prizes processed again after the day's taxes: the processed taxes stay as
// the tax processing stored them (the day still processed, its bodies and
// rates unchanged, whatever the rates in force became); the fiscal report
// taxes the day's new prizes at the stored rate; processing the taxes again
// takes the rates in force.

#include "datosfiscales.h"
#include "datossorteos.h"

#include <gtest/gtest.h>

namespace {

using datossorteos::Jugada;

class ImpuestosPremiosTest : public datossorteos::ConBase {
protected:
    void siembra(testsupport::TestDatabase& db) override
    {
        datossorteos::siembra(db);
        db.exec(QStringLiteral(
            "INSERT INTO parametrosbanca (id, name_duroz, tasa_venta, tasa_premio) VALUES (1, 'BANCA', 2, 3);"
            "INSERT INTO juntas VALUES ('001', 'BENEFICENCIA ZULIA', 5);"
            "INSERT INTO operadoras VALUES ('001', 'SORTEOS DEL LAGO');"
            "UPDATE loterias SET codigo_junta = '001', codigo_operadora = '001', impuesto = 2.5"
            " WHERE cod_lot = '001'"));
    }

    // Everything the tax processing stored, combinations by their rates.
    QString guardado()
    {
        return db_->scalar(
            QStringLiteral("SELECT concat_ws(' / ',"
                           " (SELECT string_agg(x::text, ';' ORDER BY x::text) FROM impuestos_dia x),"
                           " (SELECT string_agg(x::text, ';' ORDER BY x::text) FROM impuestos_loterias x),"
                           " (SELECT string_agg(((to_jsonb(x) - 'tasas') || (to_jsonb(t) - 'id'))::text, ';' "
                           "ORDER BY x::text)"
                           "   FROM impuestos_sumas x JOIN impuestos_tasas t ON t.id = x.tasas),"
                           " (SELECT string_agg(((to_jsonb(x) - 'tasas') || (to_jsonb(t) - 'id'))::text, ';' "
                           "ORDER BY x::text)"
                           "   FROM impuestos_sumas_mes x JOIN impuestos_tasas t ON t.id = x.tasas))"));
    }

    // The report of the day for seller 00000: processed, its prizes, the
    // windfall rate and tax.
    QString informe()
    {
        return db_->scalar(QStringLiteral(
            "SELECT string_agg(DISTINCT procesado, ',') || '|' || max(premios_vendedor) || '|' ||"
            " max(tasa_premio) || '|' || sum(impuesto_premio) FROM"
            " proc.rpt_res_ven_totales_fiscal('05/03/2026', '05/03/2026', '00000', '00000')"));
    }

    QString premios()
    {
        return db_->scalar(QStringLiteral("SELECT sum(premios) FROM saldosdias WHERE vendedor = '00000'"));
    }
};

} // namespace

TEST_F(ImpuestosPremiosTest, ReprocessingPrizesAfterTheTaxesKeepsTheTaxes)
{
    datossorteos::ticket(*db_, QStringLiteral("00000"), QStringLiteral("0000000001"),
                         {Jugada{QStringLiteral("001"), QStringLiteral("123")},
                          Jugada{QStringLiteral("001"), QStringLiteral("456")},
                          Jugada{QStringLiteral("014"), QStringLiteral("7")}});
    resultados();
    ASSERT_EQ(datossorteos::procesa(conexion(), datossorteos::Fecha), QStringLiteral("0"));
    ASSERT_EQ(datosfiscales::procesa(conexion(), datossorteos::Fecha), QStringLiteral("0"));
    const QString antes = guardado();
    ASSERT_FALSE(antes.isEmpty());
    EXPECT_EQ(premios(), QStringLiteral("6600.000")) << "123 first (600 x 10), 456 second (60 x 10)";
    EXPECT_EQ(informe(), QStringLiteral("S|6600.000|3.000|198.00"));

    // The national rate on prizes changes, and 001's result is corrected:
    // 456 first, 123 second. Prizes are processed again.
    db_->exec(QStringLiteral("UPDATE parametrosbanca SET tasa_premio = 10"));
    datossorteos::Resultado corregido{QStringLiteral("001"),
                                      {QStringLiteral("456"), QStringLiteral("123"), QStringLiteral("789")},
                                      {QStringLiteral("56"), QStringLiteral("45"), QStringLiteral("89")},
                                      QStringLiteral("6"),
                                      QStringLiteral("345"),
                                      QStringLiteral("45"),
                                      QStringLiteral("T1"),
                                      QStringLiteral("01")};
    datossorteos::grabapremios(conexion(), corregido);
    ASSERT_EQ(datossorteos::procesa(conexion(), datossorteos::Fecha), QStringLiteral("0"));
    ASSERT_EQ(premios(), QStringLiteral("6600.000"));
    EXPECT_EQ(guardado(), antes) << "the processed taxes stay as stored";
    EXPECT_EQ(informe(), QStringLiteral("S|6600.000|3.000|198.00"));

    // A ticket of the day recorded late, 456 again: processed again, the
    // prizes rise by 6,000, and the report taxes them at the stored 3 %.
    datossorteos::ticket(*db_, QStringLiteral("00000"), QStringLiteral("0000000002"),
                         {Jugada{QStringLiteral("001"), QStringLiteral("456")}});
    ASSERT_EQ(datossorteos::procesa(conexion(), datossorteos::Fecha), QStringLiteral("0"));
    ASSERT_EQ(premios(), QStringLiteral("12600.000"));
    EXPECT_EQ(guardado(), antes) << "the processed taxes stay as stored";
    EXPECT_EQ(informe(), QStringLiteral("S|12600.000|3.000|378.00")) << "the new prizes at the stored rate";

    // The taxes processed again: the day's sums replaced, at the rate in force.
    ASSERT_EQ(datosfiscales::procesa(conexion(), datossorteos::Fecha), QStringLiteral("0"));
    EXPECT_NE(guardado(), antes);
    EXPECT_EQ(informe(), QStringLiteral("S|12600.000|10.000|1260.00"));
    EXPECT_EQ(db_->scalar(datosfiscales::MesDistinto), QStringLiteral("0"));
    EXPECT_EQ(db_->scalar(datosfiscales::diaDistinto(QStringLiteral("2026-03-05"))), QStringLiteral("0"));
}
