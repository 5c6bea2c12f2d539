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
               db_->rows(
                   QStringLiteral("SELECT vendedor, fecha, cod_lot, tipo_jugada, total_venta, comision,"
                                  " premios, subtotal, impuesto_venta FROM saldosdias ORDER BY 1, 2, 3, 4")) +
               db_->rows(QStringLiteral("SELECT cod_lot, fechapremio, procesado FROM premiar ORDER BY 1, 2"));
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
        const char* vendedor; // its payment mode is its last figure (00009: defaults, mode 0)
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
        {"00000", "001", "345", "T1", "01", "6000.00"},
        {"00000", "001", "45", "T1", "01", "700.00"},
        {"00000", "001", "34", "T1", "01", "70.00"},
        {"00000", "001", "345", "T1", "02", "0.00"},
        // Aproximaciones: no wrap between 00 and 99
        {"00001", "001", "23", "", "", "700.00"},
        {"00001", "001", "22", "", "", "70.00"},
        {"00001", "001", "24", "", "", "50.00"},
        {"00001", "001", "12", "", "", "0.00"},
        {"00001", "001", "456", "", "", "600.00"},
        {"00001", "001", "44", "T1", "01", "70.00"},
        {"00001", "001", "46", "T1", "01", "50.00"},
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
        // A seller with no row for the lottery: its defaults
        {"00009", "001", "12", "", "", "70.00"},
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
    EXPECT_EQ(premio(QStringLiteral("00000"), QStringLiteral("A")), QStringLiteral("7550.00"))
        << "6000 + 70 + 2*600 + 0 (020 not processed) + 0 + 4*70";
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
                  QStringLiteral("00000|001|5|4.000|0.480|280.000|-276.480"),
                  QStringLiteral("00000|014|1|2.000|0.200|1200.000|-1198.200"),
                  QStringLiteral("00001|001|2|10.000|1.200|50.000|-41.200"),
                  QStringLiteral("00001|001|3|10.000|1.500|80.000|-71.500"),
                  QStringLiteral("00001|014|2|10.000|1.200|0.000|8.800"),
              }));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT sum(premios) FROM saldosdias")),
              db_->scalar(QStringLiteral("SELECT sum(j.premio) FROM jugadasticket j JOIN tickets t USING"
                                         " (codvendedor, nroticket) WHERE t.anulado = 'N'"
                                         " AND j.cod_lot IN ('001', '014')")));

    // A re-run leaves everything as it was; tax columns already processed stay.
    db_->exec(QStringLiteral("UPDATE saldosdias SET impuesto_venta = 1.5, impuestos_procesados = 'S'"));
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
    const Caso casos[] = {{0, "12"},  {0, "1**"}, {1, "12*"}, {1, "1a3"}, {3, "2"},
                          {3, "123"}, {4, "2*"},  {6, "12"},  {6, "x"},   {0, ""}};
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
        for (int c = 0; c < 16; ++c)
            celdas << rs.value(c).toString();
        filas << celdas.join(QLatin1Char('|'));
    }
    EXPECT_EQ(filas, (QStringList{
                         QStringLiteral("001|ZULIA 12M|123|456|789|23|12|89|345|01|T1|3||||N"),
                         QStringLiteral("014|CARACAS 4PM|100|200|300|00|10|99||||0||||N"),
                         QStringLiteral("030|MARGARITA|777||||||||||12|34|5|N"),
                     }))
        << "Thursday: 001 and 014 draw; 020 does not; 030 has a result";
}
