// The server side of a draw: recording a result, listing the date, awarding
// it by the rules of server/README.md, and what the award leaves in the
// tickets and the daily results.

#include "datossorteos.h"

#include "platform/db/dberror.h"

using namespace datossorteos;

namespace {

class PremiosServidorTest : public ConBase {
protected:
    QString premio(const QString& vendedor, const QString& numero)
    {
        return db_->scalar(QStringLiteral("SELECT coalesce(montopremio, 0)::numeric(18,2) FROM tickets"
                                          " WHERE codvendedor = '%1' AND nroticket = '%2'")
                               .arg(vendedor, numero));
    }

    // Everything the award writes, to compare two runs.
    QStringList estado()
    {
        return db_->rows(QStringLiteral("SELECT codvendedor, nroticket, montopremio, premiado, pagado FROM "
                                        "tickets ORDER BY 1, 2")) +
               db_->rows(QStringLiteral("SELECT codvendedor, nroticket, linea, premio FROM jugadasticket"
                                        " ORDER BY 1, 2, 3")) +
               db_->rows(QStringLiteral("SELECT vendedor, fecha, cod_lot, tipo_jugada, total_venta, comision,"
                                        " premios, subtotal, impuesto_venta FROM proc.saldosdias_impuestos"
                                        " ORDER BY 1, 2, 3, 4")) +
               db_->rows(QStringLiteral("SELECT cod_lot, fechapremio, procesado FROM premiar ORDER BY 1, 2"));
    }

    // How many kept sums differ from those counted afresh from the daily
    // results: saldosdias_dia, saldosdias_importes_dia and _mes (each kept
    // row against its recount, both ways).
    QString sumasDescuadradas()
    {
        return db_->scalar(QStringLiteral(
            "WITH f AS (SELECT s.*,"
            "  (s.total_venta, s.comision, s.premios) <> (0, 0, 0) AS importe FROM saldosdias s),"
            " a AS (SELECT 'dia' AS t, concat_ws(' ', vendedor, fecha, subtotal) AS l FROM saldosdias_dia"
            "  UNION ALL SELECT 'dia', concat_ws(' ', vendedor, fecha, sum(subtotal)) FROM f GROUP BY "
            "vendedor, fecha"
            "  UNION ALL SELECT 'idia', concat_ws(' ', vendedor, fecha, total_venta, comision, premios, "
            "filas)"
            "   FROM saldosdias_importes_dia"
            "  UNION ALL SELECT 'idia', concat_ws(' ', vendedor, fecha, sum(total_venta), sum(comision), "
            "sum(premios),"
            "   count(*)) FROM f WHERE importe GROUP BY vendedor, fecha"
            "  UNION ALL SELECT 'imes', concat_ws(' ', mes, vendedor, cod_lot, tipo_jugada, total_venta, "
            "comision,"
            "   premios, filas) FROM saldosdias_importes_mes"
            "  UNION ALL SELECT 'imes', concat_ws(' ', date_trunc('month', fecha)::date, vendedor, cod_lot, "
            "tipo_jugada,"
            "   sum(total_venta), sum(comision), sum(premios), count(*)) FROM f WHERE importe"
            "   GROUP BY date_trunc('month', fecha), vendedor, cod_lot, tipo_jugada)"
            " SELECT count(*) FROM (SELECT t, l FROM a GROUP BY t, l HAVING count(*) <> 2) x"));
    }

    template <class F> static QString refusal(F&& llamada)
    {
        try {
            llamada();
        } catch (const platform::db::DbError& e) {
            return e.description();
        }
        ADD_FAILURE() << "the server accepted the request";
        return {};
    }
};

} // namespace

TEST_F(PremiosServidorTest, EachPlayTypeAndPaymentModeWinsAndLosesByTheRules)
{
    resultados();
    // 020: first triple with "*".
    grabapremios(conexion(), Resultado{QStringLiteral("020"),
                                       {QStringLiteral("12*"), QString(), QString()},
                                       {QStringLiteral("2*"), QStringLiteral("12"), QString()},
                                       QStringLiteral("*")});
    struct Caso {
        const char* vendedor; // his row for the lottery pays by the mode of his last figure
        const char* loteria;
        const char* numero;
        const char* especial;
        const char* jugada;
        const char* premio;
    };
    const Caso casos[] = {
        // Punta y Cola
        {"00000", "001", "123", "", "", "6000.00"},
        {"00000", "001", "456", "", "", "600.00"},
        {"00000", "001", "789", "", "", "60.00"},
        {"00000", "001", "124", "", "", "0.00"},
        {"00000", "001", "23", "", "", "700.00"},
        {"00000", "001", "12", "", "", "70.00"},
        {"00000", "001", "89", "", "", "50.00"},
        {"00000", "001", "22", "", "", "0.00"},
        {"00000", "001", "3", "", "", "80.00"},
        {"00000", "001", "4", "", "", "0.00"},
        // Aproximaciones: no wrap between 00 and 99
        {"00001", "001", "23", "", "", "700.00"},
        {"00001", "001", "22", "", "", "70.00"},
        {"00001", "001", "24", "", "", "50.00"},
        {"00001", "001", "12", "", "", "0.00"},
        {"00001", "001", "456", "", "", "600.00"},
        {"00001", "014", "01", "", "", "50.00"},
        {"00001", "014", "99", "", "", "0.00"},
        // Seco
        {"00002", "001", "123", "", "", "6000.00"},
        {"00002", "001", "456", "", "", "0.00"},
        {"00002", "001", "23", "", "", "700.00"},
        {"00002", "001", "12", "", "", "0.00"},
        {"00002", "001", "3", "", "", "80.00"},
        // Comodines
        {"00003", "001", "12", "", "", "70.00"},
        {"00003", "001", "43", "", "", "20.00"},
        {"00003", "001", "44", "", "", "0.00"},
        {"00003", "001", "456", "", "", "600.00"},
        // Special plays, by the seller's row for the lottery and special
        // play (triples 500, terminales 40/4/3): 00000 Aproximaciones,
        // 00001 Punta y Cola, 00002 Comodines (no comodin for special
        // plays), 00003 Seco
        {"00000", "001", "345", "T1", "01", "5000.00"},
        {"00000", "001", "45", "T1", "01", "400.00"},
        {"00000", "001", "44", "T1", "01", "40.00"},
        {"00000", "001", "46", "T1", "01", "30.00"},
        {"00000", "001", "34", "T1", "01", "0.00"},
        {"00000", "001", "345", "T1", "02", "0.00"},
        {"00001", "001", "45", "T1", "01", "400.00"},
        {"00001", "001", "34", "T1", "01", "40.00"},
        {"00001", "001", "44", "T1", "01", "0.00"},
        {"00002", "001", "34", "T1", "01", "40.00"},
        {"00002", "001", "35", "T1", "01", "0.00"},
        {"00003", "001", "45", "T1", "01", "400.00"},
        {"00003", "001", "34", "T1", "01", "0.00"},
        // A seller with no row for the lottery nor the special play: his
        // defaults (Aproximaciones, triples 400/40/4, terminales 30/3/2,
        // digit 6)
        {"00009", "001", "123", "", "", "4000.00"},
        {"00009", "001", "456", "", "", "400.00"},
        {"00009", "001", "23", "", "", "300.00"},
        {"00009", "001", "22", "", "", "30.00"},
        {"00009", "001", "12", "", "", "0.00"},
        {"00009", "001", "3", "", "", "60.00"},
        {"00009", "001", "345", "T1", "01", "4000.00"},
        {"00009", "001", "44", "T1", "01", "30.00"},
        // "*": its positions pay nobody, the others pay
        {"00000", "020", "123", "", "", "0.00"},
        {"00000", "020", "23", "", "", "0.00"},
        {"00000", "020", "12", "", "", "70.00"},
        {"00000", "020", "3", "", "", "0.00"},
        {"00001", "020", "21", "", "", "0.00"},
    };
    int n = 0;
    for (const Caso& c : casos)
        ticket(*db_, QLatin1String(c.vendedor), QString::number(++n),
               {Jugada{QLatin1String(c.loteria), QLatin1String(c.numero), QStringLiteral("10"),
                       QLatin1String(c.especial), QLatin1String(c.jugada)}});
    ticket(*db_, QStringLiteral("00000"), QStringLiteral("ANULADO"),
           {Jugada{QStringLiteral("001"), QStringLiteral("123")}}, QStringLiteral("SER-1"), true);

    ASSERT_EQ(procesa(conexion(), Fecha), QStringLiteral("0"));
    n = 0;
    for (const Caso& c : casos) {
        const QString nro = QString::number(++n);
        EXPECT_EQ(premio(QLatin1String(c.vendedor), nro), QLatin1String(c.premio))
            << c.vendedor << " " << c.loteria << " " << c.numero << " " << c.especial << c.jugada;
    }
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT montopremio FROM tickets WHERE nroticket = 'ANULADO'")),
              QStringLiteral("NULL"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT premio FROM jugadasticket WHERE nroticket = 'ANULADO'")),
              QStringLiteral("0.000"));
}

TEST_F(PremiosServidorTest, AResultWithoutItsSpecialPlayDetailPaysNoSpecialPlay)
{
    // Results recorded before the detail was kept have the special play but
    // no detail: no detail wins, the normal plays still do.
    resultados();
    db_->exec(QStringLiteral("UPDATE premiar SET jugada = NULL WHERE cod_lot = '001'"));
    ticket(*db_, QStringLiteral("00000"), QStringLiteral("1"),
           {Jugada{QStringLiteral("001"), QStringLiteral("345"), QStringLiteral("10"), QStringLiteral("T1"),
                   QStringLiteral("01")}});
    ticket(*db_, QStringLiteral("00000"), QStringLiteral("2"),
           {Jugada{QStringLiteral("001"), QStringLiteral("123"), QStringLiteral("10")}});
    ASSERT_EQ(procesa(conexion(), Fecha), QStringLiteral("0"));
    EXPECT_EQ(premio(QStringLiteral("00000"), QStringLiteral("1")), QStringLiteral("0.00"));
    EXPECT_EQ(premio(QStringLiteral("00000"), QStringLiteral("2")), QStringLiteral("6000.00"));
}

TEST_F(PremiosServidorTest, ProcessingAnswersItsCodes)
{
    EXPECT_EQ(procesa(conexion(), Fecha), QStringLiteral("55")) << "no result on the date";
    resultados();
    EXPECT_EQ(procesa(conexion(), Fecha, QStringLiteral("020")), QStringLiteral("55"))
        << "the chosen lottery has no result";
    EXPECT_EQ(procesa(conexion(), Fecha, QStringLiteral("999")), QStringLiteral("6"));
    EXPECT_EQ(procesa(conexion(), Fecha, QStringLiteral("0010")), QStringLiteral("7"));
    EXPECT_EQ(procesa(conexion(), QStringLiteral("31/02/2026")), QStringLiteral("7"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM premiar WHERE procesado = 'S'")),
              QStringLiteral("0"));
    EXPECT_EQ(procesa(conexion(), Fecha, QStringLiteral("")), QStringLiteral("0")) << "empty list: all";
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM premiar WHERE procesado = 'S'")),
              QStringLiteral("2"));
}

TEST_F(PremiosServidorTest, OneProcessedDateAgreesAcrossTablesAndReprocessingIsStable)
{
    resultados();
    grabapremios(conexion(), Resultado{QStringLiteral("020"),
                                       {QStringLiteral("555"), QString(), QString()},
                                       {QStringLiteral("55"), QString(), QString()},
                                       QStringLiteral("5")});
    ticket(*db_, QStringLiteral("00000"), QStringLiteral("A"),
           {{QStringLiteral("001"), QStringLiteral("123")},
            {QStringLiteral("001"), QStringLiteral("12")},
            {QStringLiteral("014"), QStringLiteral("100"), QStringLiteral("2")},
            {QStringLiteral("020"), QStringLiteral("555")},
            {QStringLiteral("001"), QStringLiteral("999")},
            {QStringLiteral("001"), QStringLiteral("45"), QStringLiteral("4"), QStringLiteral("T1"),
             QStringLiteral("01")}});
    ticket(*db_, QStringLiteral("00001"), QStringLiteral("B"),
           {{QStringLiteral("001"), QStringLiteral("24")}, {QStringLiteral("001"), QStringLiteral("3")}});
    ticket(*db_, QStringLiteral("00001"), QStringLiteral("C"),
           {{QStringLiteral("014"), QStringLiteral("77")}});
    ticket(*db_, QStringLiteral("00002"), QStringLiteral("X"),
           {{QStringLiteral("001"), QStringLiteral("123")}}, QStringLiteral("S"), true);

    ASSERT_EQ(procesa(conexion(), Fecha, QStringLiteral("001014")), QStringLiteral("0"));
    // Each ticket's prize is the sum of its plays' prizes.
    EXPECT_EQ(db_->rows(QStringLiteral(
                  "SELECT t.nroticket FROM tickets t WHERE coalesce(t.montopremio, 0) <>"
                  " (SELECT sum(premio) FROM jugadasticket j WHERE j.codvendedor = t.codvendedor"
                  "  AND j.nroticket = t.nroticket)")),
              QStringList());
    EXPECT_EQ(premio(QStringLiteral("00000"), QStringLiteral("A")), QStringLiteral("7430.00"))
        << "6000 + 70 + 2*600 + 0 (020 not processed) + 0 + 4*40 (the special play's own factor)";
    // Only 001 and 014 were touched.
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT premio FROM jugadasticket WHERE cod_lot = '020'")),
              QStringLiteral("0.000"));
    EXPECT_EQ(db_->rows(QStringLiteral("SELECT cod_lot, procesado FROM premiar ORDER BY 1")),
              (QStringList{QStringLiteral("001|S"), QStringLiteral("014|S"), QStringLiteral("020|N")}));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM saldosdias WHERE cod_lot = '020'")),
              QStringLiteral("0"));
    // The daily results are the sums of the active tickets' plays.
    EXPECT_EQ(db_->rows(QStringLiteral(
                  "SELECT vendedor, cod_lot, tipo_jugada, total_venta, comision, premios, subtotal"
                  " FROM saldosdias ORDER BY 1, 2, 3")),
              (QStringList{
                  QStringLiteral("00000|001|1|20.000|2.000|6000.000|-5982.000"),
                  QStringLiteral("00000|001|2|10.000|1.200|70.000|-61.200"),
                  QStringLiteral("00000|001|5|4.000|0.440|160.000|-156.440"),
                  QStringLiteral("00000|014|1|2.000|0.200|1200.000|-1198.200"),
                  QStringLiteral("00001|001|2|10.000|1.200|50.000|-41.200"),
                  QStringLiteral("00001|001|3|10.000|1.500|80.000|-71.500"),
                  QStringLiteral("00001|014|2|10.000|1.200|0.000|8.800"),
              }));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT sum(premios) FROM saldosdias")),
              db_->scalar(QStringLiteral("SELECT sum(j.premio) FROM jugadasticket j JOIN tickets t USING"
                                         " (codvendedor, nroticket) WHERE t.anulado = 'N'"
                                         " AND j.cod_lot IN ('001', '014')")));

    // A re-run leaves everything as it was, the day's processed taxes too.
    ASSERT_EQ(db_->scalar(QStringLiteral("SELECT proc.Proceseimpuestos('05/03/2026')")), QStringLiteral("0"));
    const QStringList antes = estado();
    ASSERT_EQ(procesa(conexion(), Fecha, QStringLiteral("001014")), QStringLiteral("0"));
    EXPECT_EQ(estado(), antes);
}

TEST_F(PremiosServidorTest, ACorrectedResultMovesPrizesAmongUnpaidTicketsOnly)
{
    resultados();
    ticket(*db_, QStringLiteral("00000"), QStringLiteral("PAGADO"),
           {{QStringLiteral("001"), QStringLiteral("123")}});
    ticket(*db_, QStringLiteral("00000"), QStringLiteral("VIEJO"),
           {{QStringLiteral("001"), QStringLiteral("123")}});
    ticket(*db_, QStringLiteral("00000"), QStringLiteral("NUEVO"),
           {{QStringLiteral("001"), QStringLiteral("321")}});
    db_->setServerClock(QStringLiteral("2026-03-05 20:00:00"));
    ASSERT_EQ(procesa(conexion(), Fecha), QStringLiteral("0"));
    ASSERT_EQ(pagaticket(conexion(), QStringLiteral("SER-1"), QStringLiteral("00000"), QStringLiteral("1"),
                         QStringLiteral("PAGADO"))
                  .codigo,
              QStringLiteral("0"));

    Resultado corregido{QStringLiteral("001"),
                        {QStringLiteral("321"), QStringLiteral("456"), QStringLiteral("789")},
                        {QStringLiteral("21"), QStringLiteral("32"), QStringLiteral("89")},
                        QStringLiteral("1")};
    grabapremios(conexion(), corregido);
    EXPECT_EQ(db_->scalar(QStringLiteral(
                  "SELECT procesado || especial || jugada FROM premiar WHERE cod_lot = '001'")),
              QStringLiteral("NT101"))
        << "a changed result is no longer processed; an empty special play keeps the recorded one";
    ASSERT_EQ(procesa(conexion(), Fecha), QStringLiteral("0"));
    EXPECT_EQ(premio(QStringLiteral("00000"), QStringLiteral("PAGADO")), QStringLiteral("6000.00"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT premio FROM jugadasticket WHERE nroticket = 'PAGADO'")),
              QStringLiteral("6000.000"));
    EXPECT_EQ(premio(QStringLiteral("00000"), QStringLiteral("VIEJO")), QStringLiteral("0.00"));
    EXPECT_EQ(premio(QStringLiteral("00000"), QStringLiteral("NUEVO")), QStringLiteral("6000.00"));
    EXPECT_EQ(db_->scalar(QStringLiteral(
                  "SELECT premios FROM saldosdias WHERE tipo_jugada = '1' AND cod_lot = '001'")),
              QStringLiteral("12000.000"))
        << "the paid prize and the new winner's";
}

TEST_F(PremiosServidorTest, GrabapremiosRefusesMalformedNumbersAndStoresNothing)
{
    struct Caso {
        int campo; // 0-2 triples, 3-5 terminals, 6 digit
        const char* valor;
    };
    const Caso casos[] = {{0, "12"}, {0, "1**"}, {1, "12*"}, {1, "1a3"}, {2, "*89"}, {3, "2"}, {3, "123"},
                          {3, "**"}, {4, "**"},  {5, "8*"},  {6, "12"},  {6, "x"},   {0, ""}};
    for (const Caso& c : casos) {
        Resultado r{QStringLiteral("001"),
                    {QStringLiteral("123"), QStringLiteral("456"), QStringLiteral("789")},
                    {QStringLiteral("23"), QStringLiteral("12"), QStringLiteral("89")},
                    QStringLiteral("3")};
        QString* campos[] = {&r.triples[0],    &r.triples[1],    &r.triples[2], &r.terminales[0],
                             &r.terminales[1], &r.terminales[2], &r.digito};
        *campos[c.campo] = QLatin1String(c.valor);
        EXPECT_FALSE(refusal([&] { grabapremios(conexion(), r); }).isEmpty()) << c.campo << " " << c.valor;
    }
    Resultado otra{QStringLiteral("999"), {QStringLiteral("123")}};
    EXPECT_TRUE(refusal([&] { grabapremios(conexion(), otra); }).contains(QStringLiteral("999")));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM premiar")), QStringLiteral("0"));
}

// A "*" in each position of the first triple, with the terminals and the
// digit derived from it as the entry window derives them: recorded as sent,
// and each number holding it pays nobody while the others pay (the rule in
// server/README.md, "Awarding a draw and paying a ticket").
TEST_F(PremiosServidorTest, AStarInEachPositionOfTheFirstTriplePaysByTheRule)
{
    struct Jugada1 {
        const char* vendedor; // 00000 Punta y Cola, 00001 Aproximaciones, 00003 Comodines
        const char* numero;
    };
    const Jugada1 jugadas[] = {
        {"00000", "123"}, {"00000", "023"}, {"00000", "456"}, {"00000", "23"}, {"00000", "13"},
        {"00000", "12"},  {"00000", "89"},  {"00000", "3"},   {"00001", "22"}, {"00001", "24"},
        {"00001", "12"},  {"00003", "43"},  {"00003", "22"},
    };
    struct Caso {
        const char* triple;
        const char* derivados; // 1st terminal, 2nd terminal, digit
        const char* premios;   // of the plays above, in their order
    };
    const Caso casos[] = {
        {"*23", "23|*2|3", "0|0|600|700|0|0|50|80|70|50|0|20|0"},
        {"1*3", "*3|1*|3", "0|0|600|0|0|0|50|80|0|0|0|20|0"},
        {"12*", "2*|12|*", "0|0|600|0|0|70|50|0|0|0|0|0|0"},
    };
    int n = 0;
    for (const Jugada1& j : jugadas)
        ticket(*db_, QLatin1String(j.vendedor), QString::number(++n),
               {Jugada{QStringLiteral("020"), QLatin1String(j.numero)}});
    for (const Caso& c : casos) {
        const QString triple = QLatin1String(c.triple);
        grabapremios(conexion(), Resultado{QStringLiteral("020"),
                                           {triple, QStringLiteral("456"), QStringLiteral("789")},
                                           {triple.mid(1, 2), triple.left(2), QStringLiteral("89")},
                                           triple.right(1)});
        EXPECT_EQ(db_->scalar(QStringLiteral("SELECT concat_ws('|', pri_terminal, seg_terminal, prem_digito)"
                                             " FROM premiar WHERE cod_lot = '020'")),
                  QLatin1String(c.derivados));
        ASSERT_EQ(procesa(conexion(), Fecha, QStringLiteral("020")), QStringLiteral("0")) << c.triple;
        QStringList premios;
        n = 0;
        for (const Jugada1& j : jugadas)
            premios << QString::number(premio(QLatin1String(j.vendedor), QString::number(++n)).toDouble());
        EXPECT_EQ(premios.join(u'|'), QLatin1String(c.premios)) << c.triple;
    }
}

TEST_F(PremiosServidorTest, PremiappalListsTheDrawsOfTheDateWithOrWithoutResult)
{
    resultados();
    grabapremios(conexion(), Resultado{QStringLiteral("030"),
                                       {QStringLiteral("777")},
                                       {},
                                       QString(),
                                       QString(),
                                       QString(),
                                       QString(),
                                       QString(),
                                       {QStringLiteral("12"), QStringLiteral("34"), QStringLiteral("5")}});
    platform::db::RecordSet rs = conexion().execute(QStringLiteral("premiappal '") + Fecha +
                                                    QStringLiteral("'"));
    QStringList filas;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QStringList celdas;
        for (int c = 0; c < 17; ++c)
            celdas << rs.value(c).toString();
        filas << celdas.join(QLatin1Char('|'));
    }
    EXPECT_EQ(filas, (QStringList{
                         QStringLiteral("001|ZULIA 12M|123|456|789|23|12|89|345|01|T1|3||||N|45"),
                         QStringLiteral("014|CARACAS 4PM|100|200|300|00|10|99||||0||||N|"),
                         QStringLiteral("030|MARGARITA|777||||||||||12|34|5|N|"),
                     }))
        << "Thursday: 001 and 014 draw; 020 does not; 030 has a result; the special terminal last";
}

// What the processing reads instead of every play: the plays of each day
// summed per seller, lottery, daily-result kind and special play, whoever
// writes them. Every play counts, annulled or not (the processing takes the
// annulled tickets' plays away).
TEST_F(PremiosServidorTest, TheKeptSalesFollowEveryChangeOfThePlays)
{
    const QString filas = QStringLiteral(
        "SELECT coalesce(string_agg(concat_ws(' ', fechaticket, cod_lot, codvendedor, tipo_jugada, especial,"
        " jugadas, venta), ', ' ORDER BY fechaticket, cod_lot, codvendedor, tipo_jugada, especial), '')"
        " FROM %1");
    const QString guardadas = filas.arg(QStringLiteral("ventas_jugadas"));
    const QString directas = filas.arg(QStringLiteral(
        "(SELECT fechaticket, cod_lot, codvendedor,"
        "  CASE WHEN tipo_jugada = '1' THEN CASE length(numero) WHEN 3 THEN '1' WHEN 2 THEN '2' ELSE '3' END"
        "       ELSE CASE length(numero) WHEN 3 THEN '4' ELSE '5' END END AS tipo_jugada,"
        "  coalesce(especial, '') AS especial, count(*) AS jugadas, sum(monto) AS venta"
        " FROM jugadasticket GROUP BY 1, 2, 3, 4, 5) x"));
    ticket(*db_, QStringLiteral("00000"), QStringLiteral("A"),
           {{QStringLiteral("001"), QStringLiteral("123")},
            {QStringLiteral("001"), QStringLiteral("12"), QStringLiteral("2.5")},
            {QStringLiteral("001"), QStringLiteral("345"), QStringLiteral("4"), QStringLiteral("T1"),
             QStringLiteral("01")}});
    ticket(*db_, QStringLiteral("00001"), QStringLiteral("B"), {{QStringLiteral("014"), QStringLiteral("3")}},
           QStringLiteral("SER-1"), true);
    ticket(*db_, QStringLiteral("00001"), QStringLiteral("C"),
           {{QStringLiteral("001"), QStringLiteral("45")}}, QStringLiteral("SER-1"), false,
           QStringLiteral("'2026-03-06'"));
    ASSERT_NE(db_->scalar(guardadas), QString());
    EXPECT_EQ(db_->scalar(guardadas), db_->scalar(directas));
    // The recount a rebuild reads counts them alike.
    EXPECT_EQ(db_->scalar(filas.arg(QStringLiteral("ventas_jugadas_recuento"))), db_->scalar(directas));
    const char* const cambios[] = {
        // Plays of several tickets, days, lotteries and kinds in one statement.
        "INSERT INTO jugadasticket (codvendedor, nroticket, linea, fechaticket, cod_lot, tipo_jugada, numero,"
        " monto, especial, jugada) VALUES"
        " ('00000', 'A', 10, '2026-03-05', '001', '1', '124', 3, NULL, NULL),"
        " ('00000', 'A', 11, '2026-03-05', '014', '1', '7', 1.25, NULL, NULL),"
        " ('00000', 'A', 12, '2026-03-05', '001', '2', '44', 2, 'T1', '02'),"
        " ('00000', 'A', 13, '2026-03-05', '001', '2', '4', 2, 'T1', '01'),"
        " ('00001', 'B', 10, '2026-03-05', '014', '1', '300', 6, NULL, NULL),"
        " ('00001', 'C', 10, '2026-03-06', '001', '1', '45', 8, NULL, NULL)",
        // A new amount, a number of another kind, another lottery, a prize.
        "UPDATE jugadasticket SET monto = monto + 1 WHERE cod_lot = '001' AND fechaticket = '2026-03-05'",
        "UPDATE jugadasticket SET numero = '77' WHERE nroticket = 'A' AND numero = '124'",
        "UPDATE jugadasticket SET cod_lot = '020' WHERE nroticket = 'B' AND linea = 1",
        "UPDATE jugadasticket SET premio = 5 WHERE nroticket = 'A'",
        // An annulment changes no play.
        "UPDATE tickets SET estadoticket = 'ELI', anulado = 'S' WHERE nroticket = 'C'",
        // Deleting plays, then a ticket with its plays, then everything.
        "DELETE FROM jugadasticket WHERE nroticket = 'A' AND linea IN (1, 12)",
        "DELETE FROM tickets WHERE nroticket = 'B'",
        "TRUNCATE tickets CASCADE",
    };
    for (const char* cambio : cambios) {
        db_->exec(QString::fromUtf8(cambio));
        EXPECT_EQ(db_->scalar(guardadas), db_->scalar(directas)) << cambio;
    }
    EXPECT_EQ(db_->scalar(guardadas), QString());
}

// The processing prices only the plays that can win and takes the sales
// from the kept sums: its prizes equal pricing every play, and its daily
// results a recount of every play of the active tickets, through annulments,
// later sales, a seller's new rate and a corrected result.
TEST_F(PremiosServidorTest, DailyResultsFromTheKeptSalesEqualAFullRecount)
{
    resultados();
    ticket(*db_, QStringLiteral("00000"), QStringLiteral("A"),
           {{QStringLiteral("001"), QStringLiteral("123")},
            {QStringLiteral("001"), QStringLiteral("12"), QStringLiteral("3")},
            {QStringLiteral("001"), QStringLiteral("43"), QStringLiteral("7")},
            {QStringLiteral("001"), QStringLiteral("345"), QStringLiteral("4"), QStringLiteral("T1"),
             QStringLiteral("01")},
            {QStringLiteral("014"), QStringLiteral("01"), QStringLiteral("5")}});
    ticket(*db_, QStringLiteral("00001"), QStringLiteral("B"),
           {{QStringLiteral("001"), QStringLiteral("22")}, {QStringLiteral("001"), QStringLiteral("456")}});
    ticket(*db_, QStringLiteral("00003"), QStringLiteral("C"),
           {{QStringLiteral("001"), QStringLiteral("53")}, {QStringLiteral("001"), QStringLiteral("3")}});
    ticket(*db_, QStringLiteral("00002"), QStringLiteral("D"),
           {{QStringLiteral("001"), QStringLiteral("123")}, {QStringLiteral("014"), QStringLiteral("999")}},
           QStringLiteral("SER-1"), true);
    // Four digits of 0.003 at 15 %: 0.00045 each, 0.0018 together.
    ticket(*db_, QStringLiteral("00002"), QStringLiteral("E"),
           {{QStringLiteral("001"), QStringLiteral("3"), QStringLiteral("0.003")},
            {QStringLiteral("001"), QStringLiteral("5"), QStringLiteral("0.003")},
            {QStringLiteral("001"), QStringLiteral("6"), QStringLiteral("0.003")},
            {QStringLiteral("001"), QStringLiteral("7"), QStringLiteral("0.003")}});
    ticket(*db_, QStringLiteral("00009"), QStringLiteral("F"),
           {{QStringLiteral("014"), QStringLiteral("100")}});
    // Beside annulled plays of the same seller, lottery and kind (D now, A later).
    ticket(*db_, QStringLiteral("00002"), QStringLiteral("H"),
           {{QStringLiteral("001"), QStringLiteral("124")}});
    ticket(*db_, QStringLiteral("00000"), QStringLiteral("I"),
           {{QStringLiteral("001"), QStringLiteral("999"), QStringLiteral("2")}});

    const QString guardados = QStringLiteral(
        "SELECT coalesce(string_agg(concat_ws(' ', vendedor, cod_lot, tipo_jugada, total_venta, comision,"
        " premios, subtotal), ', ' ORDER BY vendedor, cod_lot, tipo_jugada), '') FROM saldosdias"
        " WHERE fecha = '2026-03-05'");
    // Sales, commission at the seller's rates now on the row's sales, rounded
    // once, prizes the plays keep: every play of the active tickets read.
    const QString recuento = QStringLiteral(
        "SELECT coalesce(string_agg(concat_ws(' ', v, l, c, venta, comision, premios,"
        " venta - comision - premios), ', ' ORDER BY v, l, c), '') FROM ("
        " SELECT p.codvendedor AS v, p.cod_lot AS l, k.c, sum(p.monto) AS venta,"
        "  round(sum(p.monto * CASE k.c WHEN '1' THEN coalesce(vl.comi_tri, d.comi_tri)"
        "   WHEN '2' THEN coalesce(vl.comi_ter, d.comi_ter) WHEN '3' THEN coalesce(vl.comi_digito, "
        "d.comi_digito)"
        "   WHEN '4' THEN coalesce(ve.comi_tri, d.comi_tri) ELSE coalesce(ve.comi_ter, d.comi_ter) END) / "
        "100,"
        "   3) AS comision, sum(p.premio) AS premios"
        " FROM jugadasticket p JOIN tickets t USING (codvendedor, nroticket)"
        " JOIN premiar r ON r.cod_lot = p.cod_lot AND r.fechapremio = p.fechaticket AND r.procesado = 'S'"
        " JOIN vendedor d ON d.codvendedor = p.codvendedor"
        " LEFT JOIN ven_lot vl ON vl.codvendedor = p.codvendedor AND vl.cod_lot = p.cod_lot"
        " LEFT JOIN vendespec ve ON ve.codvendedor = p.codvendedor AND ve.cod_lot = p.cod_lot"
        "  AND ve.especial = p.especial"
        " CROSS JOIN LATERAL (SELECT CASE WHEN p.tipo_jugada = '1' THEN CASE length(p.numero) WHEN 3 THEN '1'"
        "  WHEN 2 THEN '2' ELSE '3' END ELSE CASE length(p.numero) WHEN 3 THEN '4' ELSE '5' END END AS c) k"
        " WHERE t.anulado = 'N' AND p.fechaticket = '2026-03-05' GROUP BY 1, 2, 3) x");
    // Plays whose stored prize is not what pricing every play gives.
    const QString malPremiadas = QStringLiteral(
        "SELECT count(*) FROM proc.jugadas_premiadas('2026-03-05', ARRAY['001', '014']::varchar[]) j"
        " JOIN tickets t USING (codvendedor, nroticket) WHERE t.pagado = 'N' AND j.premio_nuevo <> j.premio");
    const auto comprueba = [&](const char* paso) {
        ASSERT_EQ(procesa(conexion(), Fecha), QStringLiteral("0")) << paso;
        EXPECT_EQ(db_->scalar(guardados), db_->scalar(recuento)) << paso;
        EXPECT_EQ(db_->scalar(malPremiadas), QStringLiteral("0")) << paso;
        EXPECT_EQ(sumasDescuadradas(), QStringLiteral("0")) << paso << ": the kept sums against a recount";
        EXPECT_EQ(
            db_->scalar(QStringLiteral("SELECT count(*) FROM tickets t WHERE coalesce(montopremio, 0)"
                                       " <> (SELECT sum(premio) FROM jugadasticket j WHERE"
                                       " j.codvendedor = t.codvendedor AND j.nroticket = t.nroticket)")),
            QStringLiteral("0"))
            << paso;
    };

    comprueba("first processing");
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT comision FROM saldosdias WHERE vendedor = '00002'"
                                         " AND tipo_jugada = '3'")),
              QStringLiteral("0.002"))
        << "the row's commission is rounded once, not each play's";
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT sum(premios) FROM saldosdias")), QStringLiteral("12791.024"))
        << "A 6000 + 21 + 2000, B 70 + 600, C 20 (comodin) + 80, E 0.024, F 4000 (defaults); D is annulled";

    db_->exec(QStringLiteral("UPDATE tickets SET estadoticket = 'ELI', anulado = 'S' WHERE nroticket = 'A'"));
    comprueba("a winning ticket annulled");
    ticket(*db_, QStringLiteral("00001"), QStringLiteral("G"),
           {{QStringLiteral("001"), QStringLiteral("123")}, {QStringLiteral("014"), QStringLiteral("10")}});
    db_->exec(QStringLiteral("UPDATE tickets SET estadoticket = 'ACT', anulado = 'N' WHERE nroticket = 'D'"));
    comprueba("a sale after processing, an annulment undone");
    db_->exec(QStringLiteral("UPDATE ven_lot SET comi_tri = 12.345 WHERE codvendedor = '00001';"
                             "UPDATE vendedor SET comi_ter = 9.5 WHERE codvendedor = '00009'"));
    comprueba("new commission rates");
    grabapremios(conexion(), Resultado{QStringLiteral("001"),
                                       {QStringLiteral("321"), QStringLiteral("123"), QStringLiteral("789")},
                                       {QStringLiteral("53"), QStringLiteral("32"), QStringLiteral("22")},
                                       QStringLiteral("7")});
    comprueba("a corrected result");
    db_->exec(QStringLiteral("DELETE FROM jugadasticket WHERE nroticket = 'G' AND cod_lot = '014';"
                             "DELETE FROM tickets WHERE nroticket = 'C'"));
    comprueba("plays and a ticket deleted");
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM saldosdias WHERE vendedor = '00003'")),
              QStringLiteral("0"));
    comprueba("processed again, nothing changed");

    // After the taxes: a result no longer sold loses its row, the day's
    // processed taxes stay where the tax processing keeps them, and the
    // kept sums follow.
    ASSERT_EQ(db_->scalar(QStringLiteral("SELECT return_value FROM proc.Proceseimpuestos('05/03/2026')")),
              QStringLiteral("0"));
    EXPECT_EQ(sumasDescuadradas(), QStringLiteral("0")) << "after the taxes";
    db_->exec(QStringLiteral("UPDATE tickets SET estadoticket = 'ELI', anulado = 'S' WHERE nroticket = 'F'"));
    ASSERT_EQ(procesa(conexion(), Fecha), QStringLiteral("0"));
    EXPECT_EQ(sumasDescuadradas(), QStringLiteral("0")) << "a ticket annulled after the taxes";
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM saldosdias"
                                         " WHERE vendedor = '00009' AND cod_lot = '014'")),
              QStringLiteral("0"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM impuestos_dia"
                                         " WHERE vendedor = '00009' AND fecha = '2026-03-05'")),
              QStringLiteral("1"));
    db_->exec(QStringLiteral("UPDATE tickets SET estadoticket = 'ACT', anulado = 'N' WHERE nroticket = 'F'"));
    comprueba("the annulment undone after the taxes");
}

// A new daily result carries the codes of its taxing bodies (the board and
// operator of its lottery, the seller's municipality) as the tax processing
// derives them; the taxes of a processed seller-day keep what they stored.
TEST_F(PremiosServidorTest, DailyResultsCarryTheirTaxingBodiesAsTaxProcessingDerivesThem)
{
    db_->exec(QStringLiteral(
        "INSERT INTO juntas (codigo_junta, descripcion_junta, tasa_junta) VALUES ('J1', 'JUNTA 1', 5),"
        " ('J2', 'JUNTA 2', 4);"
        "INSERT INTO operadoras (codigo_operadora, descripcion_operadora) VALUES ('O1', 'OPERADORA');"
        "INSERT INTO gobernacion (codigo_gobernacion, descri_gobernacion) VALUES ('ZUL', 'ZULIA');"
        "INSERT INTO alcaldia (codigo_alcaldia, codigo_gobernacion, descri_alcaldia, tasa_alcaldia)"
        " VALUES ('MBO', 'ZUL', 'MARACAIBO', 0.9);"
        "UPDATE loterias SET codigo_junta = 'J1', codigo_operadora = 'O1' WHERE cod_lot = '001';"
        "UPDATE vendedor SET codigo_alcaldia = 'MBO', codigo_gobernacion = 'ZUL' WHERE codvendedor = '00000';"
        "UPDATE vendedor SET codigo_gobernacion = 'ZUL' WHERE codvendedor = '00001'"));
    resultados();
    ticket(*db_, QStringLiteral("00000"), QStringLiteral("A"),
           {{QStringLiteral("001"), QStringLiteral("123")}, {QStringLiteral("014"), QStringLiteral("12")}});
    ticket(*db_, QStringLiteral("00001"), QStringLiteral("B"),
           {{QStringLiteral("001"), QStringLiteral("45")}});
    const QString codigos = QStringLiteral(
        "SELECT string_agg(concat_ws('|', vendedor, cod_lot, tipo_jugada, coalesce(codigo_junta, '-'),"
        " coalesce(codigo_operadora, '-'), coalesce(codigo_alcaldia, '-'), coalesce(codigo_gobernacion, "
        "'-')),"
        " ', ' ORDER BY vendedor, cod_lot, tipo_jugada) FROM saldosdias");
    const QString comoImpuestos = QStringLiteral(
        "SELECT count(*) FROM saldosdias s JOIN tasas_vigentes t ON t.vendedor = s.vendedor"
        " AND t.cod_lot = s.cod_lot WHERE (s.codigo_junta, s.codigo_operadora, s.codigo_alcaldia,"
        " s.codigo_gobernacion) IS DISTINCT FROM (t.codigo_junta, t.codigo_operadora, t.codigo_alcaldia,"
        " t.codigo_gobernacion)");

    ASSERT_EQ(procesa(conexion(), Fecha), QStringLiteral("0"));
    EXPECT_EQ(db_->scalar(codigos), QStringLiteral("00000|001|1|J1|O1|MBO|ZUL, 00000|014|2|-|-|MBO|ZUL,"
                                                   " 00001|001|2|J1|O1|-|-"))
        << "a seller with a region and no municipality owes no municipality";
    EXPECT_EQ(db_->scalar(comoImpuestos), QStringLiteral("0"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM saldosdias WHERE impuestos_procesados = 'S'")),
              QStringLiteral("0"))
        << "the codes are set, the taxes are not processed";
    ASSERT_EQ(db_->scalar(QStringLiteral("SELECT return_value FROM proc.Proceseimpuestos('05/03/2026')")),
              QStringLiteral("0"));
    EXPECT_EQ(db_->scalar(codigos), QStringLiteral("00000|001|1|J1|O1|MBO|ZUL, 00000|014|2|-|-|MBO|ZUL,"
                                                   " 00001|001|2|J1|O1|-|-"))
        << "the tax processing finds the same codes";

    // The board changes: the daily results get the new one from prize
    // processing; the taxes of a processed seller-day keep the bodies they
    // stored, for a row it gains later too; a seller-day not processed
    // shows its rows' own.
    db_->exec(QStringLiteral("DELETE FROM impuestos_dia WHERE vendedor = '00001';"
                             "UPDATE loterias SET codigo_junta = 'J2' WHERE cod_lot = '001'"));
    ticket(*db_, QStringLiteral("00000"), QStringLiteral("C"),
           {{QStringLiteral("001"), QStringLiteral("123")}, {QStringLiteral("001"), QStringLiteral("3")}});
    ASSERT_EQ(procesa(conexion(), Fecha), QStringLiteral("0"));
    EXPECT_EQ(db_->scalar(codigos), QStringLiteral("00000|001|1|J2|O1|MBO|ZUL, 00000|001|3|J2|O1|MBO|ZUL,"
                                                   " 00000|014|2|-|-|MBO|ZUL, 00001|001|2|J2|O1|-|-"));
    QString procesados = codigos;
    procesados.replace(QStringLiteral("FROM saldosdias"), QStringLiteral("FROM proc.saldosdias_impuestos"));
    EXPECT_EQ(db_->scalar(procesados), QStringLiteral("00000|001|1|J1|O1|MBO|ZUL, 00000|001|3|J1|O1|MBO|ZUL,"
                                                      " 00000|014|2|-|-|MBO|ZUL, 00001|001|2|J2|O1|-|-"));
}
