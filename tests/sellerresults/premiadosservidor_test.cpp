// The seller results read what prize processing writes: a day of tickets
// awarded by Procesepremios2 shows in the reports with the sales of its
// active tickets, the commission processing computed and the prizes it
// awarded, split by lottery and play kind.

#include "datosfiscales.h"
#include "datosresultados.h"
#include "datossorteos.h"

#include <gtest/gtest.h>

using datosresultados::filas;
using datosresultados::llama;

namespace {

QString s(const char* texto)
{
    return QString::fromUtf8(texto);
}

class PremiadosTest : public datossorteos::ConBase {};

} // namespace

TEST_F(PremiadosTest, TheReportsShowTheDayAsPrizeProcessingLeftIt)
{
    using datossorteos::Jugada;
    datossorteos::ticket(*db_, s("00000"), s("0000000001"),
                         {Jugada{s("001"), s("123")}, Jugada{s("001"), s("45")}, Jugada{s("014"), s("7")},
                          Jugada{s("001"), s("345"), s("10"), s("T1"), s("01")}});
    // Annulled: counts nowhere.
    datossorteos::ticket(*db_, s("00000"), s("0000000002"), {Jugada{s("001"), s("123"), s("500")}},
                         s("SER-1"), true);
    resultados();
    ASSERT_EQ(datossorteos::procesa(conexion(), datossorteos::Fecha), s("0"));

    const QList<datosresultados::Entrada> rango{{"@FECHAREPORT1", 10, datossorteos::Fecha},
                                                {"@FECHAREPORT2", 10, datossorteos::Fecha},
                                                {"@VENDEDOR1", 5, s("00000")},
                                                {"@VENDEDOR2", 5, s("00000")}};
    // What processing awarded: the plays' prizes and the commissions of
    // the day's daily results.
    const QString premios = db_->scalar(
        s("SELECT to_char(sum(premio), 'FM999990.00') FROM jugadasticket WHERE nroticket = '0000000001'"));
    const QString comision = db_->scalar(
        s("SELECT to_char(sum(comision), 'FM999990.00') FROM saldosdias WHERE vendedor = '00000'"));
    ASSERT_EQ(premios, s("11000.00")) << "6000 for 123, 5000 for the special play (its own factor)";
    const QStringList resumido = filas(llama(s("rpt_res_ven_totales"), rango), {0, 4, 5, 6, 7});
    ASSERT_EQ(resumido.size(), 1);
    const QStringList cifras = resumido[0].split(QLatin1Char('|'));
    EXPECT_EQ(cifras[1], s("40.00"));
    EXPECT_EQ(cifras[2], comision);
    EXPECT_EQ(cifras[3], premios);
    EXPECT_EQ(platform::Decimal::parse(cifras[4]), platform::Decimal::parse(s("40")).value() -
                                                       platform::Decimal::parse(comision).value() -
                                                       platform::Decimal::parse(premios).value());

    EXPECT_EQ(filas(llama(s("rpt_res_ven_resumido_loteria"),
                          rango + QList<datosresultados::Entrada>{{"@LALOTERIA", 5, QString()}}),
                    {3, 5, 6, 8}),
              QStringList({s("001|Triples|10.00|6000.00"), s("001|Terminales|10.00|0.00"),
                           s("001|Trip. Especial|10.00|5000.00"), s("014|Digito|10.00|0.00")}));
}

// The totals kept beside the daily results (per seller and day, per
// seller, lottery, play kind and month, and the fiscal report's sums)
// equal a fresh sum of saldosdias after every kind of write: prize
// processing writing, rewriting and emptying a day, tax processing, and
// plain inserts, updates (amounts, a key moved to another month, a row made
// zeros), deletes and truncation.
TEST_F(PremiadosTest, TheKeptTotalsEqualAFreshSumAfterEveryWrite)
{
    const QString dia = s("SELECT coalesce(string_agg(concat_ws(' ', vendedor, fecha, total_venta, comision,"
                          " premios, filas), ', ' ORDER BY vendedor, fecha), '') FROM %1");
    const QString mes = s("SELECT coalesce(string_agg(concat_ws(' ', mes, vendedor, cod_lot, tipo_jugada,"
                          " total_venta, comision, premios, filas), ', '"
                          " ORDER BY mes, vendedor, cod_lot, tipo_jugada), '') FROM %1");
    const QString conImporte = s(" FROM saldosdias WHERE (total_venta, comision, premios) <> (0, 0, 0)");
    const QString diaFresco = dia.arg(s("(SELECT vendedor, fecha, sum(total_venta) AS total_venta,"
                                        " sum(comision) AS comision, sum(premios) AS premios,"
                                        " count(*) AS filas") +
                                      conImporte + s(" GROUP BY 1, 2) x"));
    const QString mesFresco = mes.arg(s("(SELECT date_trunc('month', fecha)::date AS mes, vendedor, cod_lot,"
                                        " tipo_jugada, sum(total_venta) AS total_venta,"
                                        " sum(comision) AS comision, sum(premios) AS premios,"
                                        " count(*) AS filas") +
                                      conImporte + s(" GROUP BY 1, 2, 3, 4) x"));
    const auto iguales = [&](const QString& paso) {
        EXPECT_EQ(db_->scalar(dia.arg(s("saldosdias_importes_dia"))), db_->scalar(diaFresco))
            << qPrintable(paso);
        EXPECT_EQ(db_->scalar(mes.arg(s("saldosdias_importes_mes"))), db_->scalar(mesFresco))
            << qPrintable(paso);
        EXPECT_EQ(db_->scalar(datosfiscales::MesDistinto), s("0")) << qPrintable(paso);
    };

    using datossorteos::Jugada;
    datossorteos::ticket(*db_, s("00000"), s("0000000001"),
                         {Jugada{s("001"), s("123")}, Jugada{s("001"), s("45")}, Jugada{s("014"), s("7")}});
    resultados();
    ASSERT_EQ(datossorteos::procesa(conexion(), datossorteos::Fecha), s("0"));
    ASSERT_NE(db_->scalar(s("SELECT count(*) FROM saldosdias_importes_mes")), s("0"));
    iguales(s("processed"));

    // More sales of the day and one play fewer: processing again rewrites it.
    datossorteos::ticket(*db_, s("00000"), s("0000000002"), {Jugada{s("001"), s("123"), s("30")}});
    db_->exec(s("DELETE FROM jugadasticket WHERE nroticket = '0000000001' AND cod_lot = '014'"));
    ASSERT_EQ(datossorteos::procesa(conexion(), datossorteos::Fecha), s("0"));
    iguales(s("processed again"));

    ASSERT_EQ(db_->scalar(s("SELECT proc.Proceseimpuestos('05/03/2026')")), s("0"));
    iguales(s("taxes processed"));

    // Every ticket annulled after the taxes: the daily results go, the
    // processed taxes of the day stay until the taxes are processed again.
    db_->exec(s("UPDATE tickets SET anulado = 'S', estadoticket = 'ELI'"));
    ASSERT_EQ(datossorteos::procesa(conexion(), datossorteos::Fecha), s("0"));
    ASSERT_NE(db_->scalar(s("SELECT count(*) FROM impuestos_dia WHERE fecha = '2026-03-05'")), s("0"));
    iguales(s("annulled"));

    const char* cambios[] = {
        "INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada, total_venta, comision, premios, "
        "subtotal)"
        " VALUES ('00000', '2026-03-10', '001', '2', 10, 1, 0, 9), ('00000', '2026-03-31', '001', '2', 5, 0, "
        "5, 0),"
        " ('00000', '2026-04-01', '014', '3', 7, 0, 0, 7), ('00000', '2026-04-02', '014', '3', 0, 0, 0, 0)",
        "UPDATE saldosdias SET total_venta = total_venta + 1, subtotal = subtotal + 1 WHERE fecha > "
        "'2026-03-05'",
        "UPDATE saldosdias SET fecha = '2026-04-03' WHERE fecha = '2026-03-31'",
        "UPDATE saldosdias SET total_venta = 0, comision = 0, premios = 0, subtotal = 0 WHERE fecha = "
        "'2026-04-01'",
        "UPDATE saldosdias SET impuestos_procesados = 'S'",
        "DELETE FROM saldosdias WHERE fecha = '2026-03-10'",
        "DELETE FROM saldosdias WHERE tipo_jugada = '3'",
        "TRUNCATE saldosdias",
    };
    for (const char* cambio : cambios) {
        db_->exec(QLatin1String(cambio));
        iguales(QLatin1String(cambio));
    }
    EXPECT_EQ(db_->scalar(s("SELECT count(*) FROM saldosdias_importes_dia")), s("0"));
    EXPECT_EQ(db_->scalar(s("SELECT count(*) FROM saldosdias_importes_mes")), s("0"));
}
