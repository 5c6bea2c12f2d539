// The server side of the seller results report: each report procedure on a
// fixture whose totals are known by hand, the filters (sellers, lottery,
// play mode, group), the agreement of the reports with each other and with
// the daily results, and the seller groups of dspven2 '2'.

#include "datosresultados.h"
#include "platform/db/calltext.h"
#include "platform/db/dberror.h"
#include "sessiontest.h"

#include <gtest/gtest.h>
#include <QSet>

using datosresultados::filas;
using datosresultados::llama;
using platform::db::RecordSet;

namespace {

QString s(const char* texto)
{
    return QString::fromUtf8(texto);
}

const QString Desde = s("01/03/2024");
const QString Hasta = s("02/03/2024");

class ResultadosServidorTest : public testsupport::SessionTest {
protected:
    void siembra(testsupport::TestDatabase& db) override { datosresultados::siembra(db); }

    static RecordSet totales(const QString& v1, const QString& v2, const QString& d1 = Desde,
                             const QString& d2 = Hasta)
    {
        return llama(s("rpt_res_ven_totales"), {{"@FECHAREPORT1", 10, d1},
                                                {"@FECHAREPORT2", 10, d2},
                                                {"@VENDEDOR1", 5, v1},
                                                {"@VENDEDOR2", 5, v2}});
    }
    static RecordSet totalGral()
    {
        return llama(s("rpt_res_ven_total_gral"),
                     {{"@FECHAREPORT1", 10, Desde}, {"@FECHAREPORT2", 10, Hasta}});
    }
    static RecordSet porLoteria(const QString& loteria, const QString& modo)
    {
        return llama(s("rpt_res_ven_loteria"), {{"@FECHAREPORT1", 10, Desde},
                                                {"@FECHAREPORT2", 10, Hasta},
                                                {"@VENDEDOR1", 5, s(" ")},
                                                {"@VENDEDOR2", 5, s(" ")},
                                                {"@LALOTERIA", 3, loteria},
                                                {"@Xmodo", 3, modo}});
    }
    static RecordSet porFecha()
    {
        return llama(s("rpt_res_ven_totales_fecha"), {{"@FECHAREPORT1", 10, Desde},
                                                      {"@FECHAREPORT2", 10, Hasta},
                                                      {"@VENDEDOR1", 5, s(" ")},
                                                      {"@VENDEDOR2", 5, s(" ")}});
    }
    static RecordSet porTipoJugada(const QString& loteria)
    {
        return llama(s("rpt_res_ven_resumido_loteria"), {{"@FECHAREPORT1", 10, Desde},
                                                         {"@FECHAREPORT2", 10, Hasta},
                                                         {"@VENDEDOR1", 5, QString()},
                                                         {"@VENDEDOR2", 5, QString()},
                                                         {"@LALOTERIA", 5, loteria}});
    }
    static RecordSet grupos(const QString& grupo, const QString& loteria, const QString& v1 = s(" "),
                            const QString& v2 = s(" "))
    {
        return llama(s("rpt_res_ven_GRUPOS"), {{"@FECHAREPORT1", 10, Desde},
                                               {"@FECHAREPORT2", 10, Hasta},
                                               {"@VENDEDOR1", 5, v1},
                                               {"@VENDEDOR2", 5, v2},
                                               {"@GRUPOS1", 5, grupo},
                                               {"@codlot", 3, loteria}});
    }

    // The sum of the amount columns of a result: "sales|commission|prizes|net".
    static QString sumas(RecordSet rs, int primera)
    {
        QStringList fila;
        for (int c = primera; c < primera + 4; ++c) {
            platform::Decimal suma;
            if (rs.recordCount() > 0)
                rs.moveFirst();
            for (; !rs.eof(); rs.moveNext())
                suma = suma + rs.value(c).value<platform::Decimal>();
            fila << suma.toString(2);
        }
        return fila.join(QLatin1Char('|'));
    }
};

// Whether the rows with the same key at position 0 stand together.
bool juntas(const QStringList& claves)
{
    QSet<QString> cerradas;
    for (qsizetype i = 0; i < claves.size(); ++i) {
        if (i > 0 && claves[i] != claves[i - 1])
            cerradas.insert(claves[i - 1]);
        if (cerradas.contains(claves[i]))
            return false;
    }
    return true;
}

} // namespace

TEST_F(ResultadosServidorTest, ResumidoGivesOneRowPerSellerWithSalesLessCommissionAndPrizes)
{
    EXPECT_EQ(filas(totales(s(" "), s(" ")), {0, 1, 4, 5, 6, 7}),
              QStringList({s("00002|00002 - ANA|170.00|17.00|120.00|33.00"),
                           s("00003|00003 - LUIS|30.00|3.00|0.00|27.00"),
                           s("00004|00004 - PEDRO|210.00|21.00|0.00|189.00"),
                           s("00006|00006 - ZOE|40.00|4.00|10.00|26.00")}));
}

// A blank or empty seller leaves that end of the range open; the range
// takes its ends; dates in reverse order select nothing.
TEST_F(ResultadosServidorTest, TheSellerRangeAndTheDatesChooseTheRows)
{
    struct Caso {
        const char* v1;
        const char* v2;
        const char* d1;
        const char* d2;
        QStringList vendedores;
    };
    const Caso casos[] = {
        {" ", "00003", "01/03/2024", "02/03/2024", {s("00002"), s("00003")}},
        {"00003", "", "01/03/2024", "02/03/2024", {s("00003"), s("00004"), s("00006")}},
        {"00004", "00004", "01/03/2024", "02/03/2024", {s("00004")}},
        {"", "", "02/03/2024", "02/03/2024", {s("00002"), s("00004")}},
        {" ", " ", "02/03/2024", "01/03/2024", {}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(filas(totales(s(c.v1), s(c.v2), s(c.d1), s(c.d2)), {0}), c.vendedores)
            << c.v1 << " " << c.v2 << " " << c.d1;
}

TEST_F(ResultadosServidorTest, AMalformedDateIsRefused)
{
    for (const char* fecha : {"31/02/2024", "", "2024-03-01"}) {
        try {
            totales(s(" "), s(" "), s(fecha));
            ADD_FAILURE() << "accepted " << fecha;
        } catch (const platform::db::DbError& e) {
            EXPECT_TRUE(e.description().contains(s("FECHAREPORT1"))) << e.description().toStdString();
        }
    }
}

TEST_F(ResultadosServidorTest, TotalsPerDateCoverEverySeller)
{
    EXPECT_EQ(filas(totalGral(), {0, 1, 2, 3, 4}), QStringList({s("01/03/2024|190.00|19.00|60.00|111.00"),
                                                                s("02/03/2024|260.00|26.00|70.00|164.00")}));
}

TEST_F(ResultadosServidorTest, PorLoteriaListsTheSellersOfEachLotteryTogether)
{
    EXPECT_EQ(filas(porLoteria(s(" "), s("000")), {0, 2, 5, 6, 7, 8, 9}),
              QStringList({s("001|00002 - ANA|TRIPLE ZULIA|120.00|12.00|50.00|58.00"),
                           s("001|00004 - PEDRO|TRIPLE ZULIA|210.00|21.00|0.00|189.00"),
                           s("002|00002 - ANA|TRIPLE CARACAS|50.00|5.00|70.00|-25.00"),
                           s("002|00006 - ZOE|TRIPLE CARACAS|40.00|4.00|10.00|26.00"),
                           s("011|00003 - LUIS|TRIPLE ORIENTE|30.00|3.00|0.00|27.00")}));
}

// The play modes arrive three characters wide ("Tp2 " is cut to "Tp2" by its
// parameter's size) and "Tp2"/"Te2" stay apart from "Tp"/"Te"; the lottery
// is matched by its whole three-character code.
TEST_F(ResultadosServidorTest, PorLoteriaFiltersByPlayModeAndLottery)
{
    struct Caso {
        const char* loteria;
        const char* modo;
        const char* sumas;
    };
    const Caso casos[] = {
        {" ", "Tp ", "340.00|34.00|60.00|246.00"},
        {" ", "Te ", "50.00|5.00|70.00|-25.00"},
        {" ", "D  ", "30.00|3.00|0.00|27.00"},
        {" ", "Tp2 ", "20.00|2.00|0.00|18.00"},
        {" ", "Te2 ", "10.00|1.00|0.00|9.00"},
        {"001", "000", "330.00|33.00|50.00|247.00"},
        {"001", "Tp ", "300.00|30.00|50.00|220.00"},
        {"0", "000", "0.00|0.00|0.00|0.00"},
        {" ", "", "0.00|0.00|0.00|0.00"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(sumas(porLoteria(s(c.loteria), s(c.modo)), 6), s(c.sumas)) << c.loteria << "/" << c.modo;
}

TEST_F(ResultadosServidorTest, DetalladoGivesEachSellersDatesTogether)
{
    EXPECT_EQ(filas(porFecha(), {0, 1, 3, 4, 5, 6, 7}),
              QStringList({s("00002|ANA|01/03/2024|120.00|12.00|50.00|58.00"),
                           s("00002|ANA|02/03/2024|50.00|5.00|70.00|-25.00"),
                           s("00003|LUIS|01/03/2024|30.00|3.00|0.00|27.00"),
                           s("00004|PEDRO|02/03/2024|210.00|21.00|0.00|189.00"),
                           s("00006|ZOE|01/03/2024|40.00|4.00|10.00|26.00")}));
}

TEST_F(ResultadosServidorTest, TipoDeJugadaGivesEachSellersLotteriesAndPlayKinds)
{
    EXPECT_EQ(filas(porTipoJugada(QString()), {0, 2, 4, 5, 6, 9}),
              QStringList({s("00002|ANA|001 - TRIPLE ZULIA|Triples|100.00|40.00"),
                           s("00002|ANA|001 - TRIPLE ZULIA|Trip. Especial|20.00|18.00"),
                           s("00002|ANA|002 - TRIPLE CARACAS|Terminales|50.00|-25.00"),
                           s("00003|LUIS|011 - TRIPLE ORIENTE|Digito|30.00|27.00"),
                           s("00004|PEDRO|001 - TRIPLE ZULIA|Triples|200.00|180.00"),
                           s("00004|PEDRO|001 - TRIPLE ZULIA|Term. Especial|10.00|9.00"),
                           s("00006|ZOE|002 - TRIPLE CARACAS|Triples|40.00|26.00")}));
    EXPECT_EQ(filas(porTipoJugada(s("011")), {0, 1, 2, 3, 4}),
              QStringList({s("00003|00001|LUIS|011|011 - TRIPLE ORIENTE")}));
}

// Only the chosen group's sellers; the chief's commission at each seller's
// rate for the lottery (ven_lot) or his own, once per seller.
TEST_F(ResultadosServidorTest, PorGruposGivesTheGroupsSellersWithTheChiefsCommission)
{
    EXPECT_EQ(filas(grupos(s("00001"), s(" ")), {0, 3, 4, 5, 6, 7, 8, 9}),
              QStringList({s("00002|170.00|17.00|120.00|33.00|ANA|00001|7.00"),
                           s("00003|30.00|3.00|0.00|27.00|LUIS|00001|3.00")}));
    struct Caso {
        const char* grupo;
        const char* loteria;
        const char* v1;
        const char* v2;
        QStringList vendedores;
    };
    const Caso casos[] = {
        {"00005", " ", " ", " ", {s("00006")}},
        {"00001", "011", " ", " ", {s("00003")}},
        {"00001", " ", "00003", " ", {s("00003")}},
        {" ", " ", " ", " ", {}},
        {"00004", " ", " ", " ", {}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(filas(grupos(s(c.grupo), s(c.loteria), s(c.v1), s(c.v2)), {0}), c.vendedores)
            << c.grupo << "/" << c.loteria << "/" << c.v1;
}

// The same dates and sellers give the same totals in every report, and the
// same figures as the daily results of those days (what the line-up adds
// up); each seller's rows come together, once per seller in "Resumido".
TEST_F(ResultadosServidorTest, EveryReportAddsUpToTheSameTotalsAsTheDailyResults)
{
    const QString esperado = db_->scalar(
        s("SELECT to_char(sum(total_venta), 'FM999990.00') || '|' || to_char(sum(comision), 'FM999990.00') "
          "|| '|'"
          " || to_char(sum(premios), 'FM999990.00') || '|' || to_char(sum(subtotal), 'FM999990.00')"
          " FROM saldosdias WHERE fecha BETWEEN '2024-03-01' AND '2024-03-02'"));
    EXPECT_EQ(esperado, s("450.00|45.00|130.00|275.00"));
    EXPECT_EQ(sumas(totales(s(" "), s(" ")), 4), esperado);
    EXPECT_EQ(sumas(totalGral(), 1), esperado);
    EXPECT_EQ(sumas(porLoteria(s(" "), s("000")), 6), esperado);
    EXPECT_EQ(sumas(porFecha(), 4), esperado);
    EXPECT_EQ(sumas(porTipoJugada(QString()), 6), esperado);

    // Per day, the date totals are the day's daily results.
    EXPECT_EQ(filas(totalGral(), {0, 4}),
              db_->rows(s("SELECT to_char(fecha, 'DD/MM/YYYY'), to_char(sum(subtotal), 'FM999990.00')"
                          " FROM saldosdias WHERE fecha BETWEEN '2024-03-01' AND '2024-03-02'"
                          " GROUP BY fecha ORDER BY fecha")));

    const QStringList resumido = filas(totales(s(" "), s(" ")), {0});
    EXPECT_EQ(QSet<QString>(resumido.begin(), resumido.end()).size(), resumido.size());
    EXPECT_TRUE(juntas(filas(porFecha(), {0})));
    EXPECT_TRUE(juntas(filas(porTipoJugada(QString()), {0})));
    EXPECT_TRUE(juntas(filas(porLoteria(s(" "), s("000")), {0})));
    const QStringList porVendedor = filas(porFecha(), {0});
    EXPECT_EQ(QSet<QString>(porVendedor.begin(), porVendedor.end()),
              QSet<QString>(resumido.begin(), resumido.end()));
}

// The groups: every chief some seller names, with the chief's name.
TEST_F(ResultadosServidorTest, Dspven2Mode2ListsTheGroups)
{
    RecordSet rs = conexion().execute(platform::db::callText(s("dspven2"), {s("2")}));
    EXPECT_EQ(rs.fieldIndex(s("perteneceal")), 0);
    EXPECT_EQ(rs.fieldIndex(s("nombre_vend")), 1);
    EXPECT_EQ(filas(rs, {0, 1}), QStringList({s("00001|JEFE NORTE"), s("00005|JEFE SUR")}));
}

// The reports per seller, date, lottery and play kind read totals kept per
// day and per month, and of a month the range covers in part either its
// days inside or the month less its days outside: over ranges of each
// shape they give the rows of a fresh sum of the daily results.
TEST_F(ResultadosServidorTest, AnyRangeGivesTheRowsOfAFreshSumOfTheDailyResults)
{
    db_->exec(s(R"SQL(
INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada, total_venta, comision, premios, subtotal) VALUES
  ('00002', '2024-02-10', '001', '1', 11, 1, 0, 10), ('00002', '2024-02-28', '002', '2', 7, 1, 9, -3),
  ('00004', '2024-02-29', '001', '1', 5, 0, 0, 5), ('00006', '2024-02-29', '011', '3', 0, 0, 0, 0),
  ('00003', '2024-03-15', '011', '3', 13, 1, 2, 10), ('00004', '2024-03-20', '002', '5', 8, 1, 0, 7),
  ('00002', '2024-03-31', '001', '4', 3, 0, 30, -27), ('00006', '2024-04-01', '002', '1', 9, 1, 0, 8),
  ('00006', '2024-04-02', '002', '1', 4, 0, 0, 4), ('00003', '2024-04-30', '001', '2', 6, 1, 0, 5);
)SQL"));
    const char* rangos[][2] = {
        {"01/03/2024", "31/03/2024"}, // a whole month
        {"28/02/2024", "02/04/2024"}, // two ends of a few days around a whole month
        {"11/02/2024", "29/02/2024"}, // most of a month: the month less its days outside
        {"02/03/2024", "15/03/2024"}, {"29/02/2024", "01/03/2024"}, {"01/01/2024", "31/12/2024"},
        {"01/04/2024", "01/04/2024"}, {"03/04/2024", "29/04/2024"}, {"02/04/2024", "01/04/2024"},
    };
    const QString importes = s("to_char(sum(total_venta), 'FM999990.00') || '|' || to_char(sum(comision),"
                               " 'FM999990.00') || '|' || to_char(sum(premios), 'FM999990.00') || '|' ||"
                               " to_char(sum(subtotal), 'FM999990.00')");
    const QString donde = s(
        " FROM saldosdias WHERE fecha BETWEEN to_date('%1', 'DD/MM/YYYY')"
        " AND to_date('%2', 'DD/MM/YYYY') AND (total_venta, comision, premios) <> (0, 0, 0)");
    for (const auto& rango : rangos) {
        const QString d1 = QLatin1String(rango[0]);
        const QString d2 = QLatin1String(rango[1]);
        const QString filtro = donde.arg(d1, d2);
        const QList<datosresultados::Entrada> pedido{{"@FECHAREPORT1", 10, d1},
                                                     {"@FECHAREPORT2", 10, d2},
                                                     {"@VENDEDOR1", 5, s(" ")},
                                                     {"@VENDEDOR2", 5, s(" ")}};
        const QString caso = d1 + s(" - ") + d2;
        EXPECT_EQ(filas(totales(s(" "), s(" "), d1, d2), {0, 4, 5, 6, 7}),
                  db_->rows(s("SELECT vendedor, ") + importes + filtro + s(" GROUP BY 1 ORDER BY 1")))
            << qPrintable(caso);
        EXPECT_EQ(filas(llama(s("rpt_res_ven_total_gral"), pedido.mid(0, 2)), {0, 1, 2, 3, 4}),
                  db_->rows(s("SELECT to_char(fecha, 'DD/MM/YYYY'), ") + importes + filtro +
                            s(" GROUP BY fecha ORDER BY fecha")))
            << qPrintable(caso);
        EXPECT_EQ(filas(llama(s("rpt_res_ven_totales_fecha"), pedido), {0, 3, 4, 5, 6, 7}),
                  db_->rows(s("SELECT vendedor, to_char(fecha, 'DD/MM/YYYY'), ") + importes + filtro +
                            s(" GROUP BY 1, fecha ORDER BY 1, fecha")))
            << qPrintable(caso);
        EXPECT_EQ(filas(llama(s("rpt_res_ven_loteria"),
                              pedido + QList<datosresultados::Entrada>{{"@LALOTERIA", 3, s(" ")},
                                                                       {"@Xmodo", 3, s("000")}}),
                        {0, 1, 6, 7, 8, 9}),
                  db_->rows(s("SELECT cod_lot, vendedor, ") + importes + filtro +
                            s(" GROUP BY 1, 2 ORDER BY 1, 2")))
            << qPrintable(caso);
        EXPECT_EQ(filas(llama(s("rpt_res_ven_loteria"),
                              pedido + QList<datosresultados::Entrada>{{"@LALOTERIA", 3, s("002")},
                                                                       {"@Xmodo", 3, s("Tp ")}}),
                        {0, 1, 6, 7, 8, 9}),
                  db_->rows(s("SELECT cod_lot, vendedor, ") + importes + filtro +
                            s(" AND cod_lot = '002' AND tipo_jugada = '1' GROUP BY 1, 2 ORDER BY 1, 2")))
            << qPrintable(caso);
        EXPECT_EQ(filas(llama(s("rpt_res_ven_resumido_loteria"),
                              pedido + QList<datosresultados::Entrada>{{"@LALOTERIA", 5, QString()}}),
                        {0, 3, 6, 7, 8, 9}),
                  db_->rows(s("SELECT vendedor, cod_lot, ") + importes + filtro +
                            s(" GROUP BY 1, 2, tipo_jugada ORDER BY 1, 2, tipo_jugada")))
            << qPrintable(caso);
    }
}
