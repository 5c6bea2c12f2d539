// The report procedures on the real server, called as the windows call
// them: the columns in the positions the writers read, each filter, and
// totals that agree with the tickets, plays and daily results they sum.

#include "datosreportes.h"

#include "platform/regional.h"
#include "reportwindows/comunes.h"

#include <gtest/gtest.h>

using namespace datosreportes;
using platform::db::RecordSet;
using reportwindows::llamadaReporte;

namespace {

class ProcedimientosTest : public ConReportes {
protected:
    static RecordSet texto(const char* procedimiento, const QStringList& argumentos)
    {
        return conexion().execute(platform::db::callText(s(procedimiento), argumentos));
    }

    // The rows as texts of the columns given, "|" between them.
    static QStringList filas(RecordSet rs, const QList<int>& columnas)
    {
        QStringList salida;
        if (rs.recordCount() <= 0)
            return salida;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            QStringList celdas;
            for (int c : columnas)
                celdas << platform::regional::toText(rs.value(c));
            salida << celdas.join(QLatin1Char('|'));
        }
        return salida;
    }

    static double suma(RecordSet rs, int columna)
    {
        double total = 0;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            total += rs.value(columna).toDouble();
        return total;
    }

    double escalar(const QString& sql) { return db_->scalar(sql).toDouble(); }
};

} // namespace

TEST_F(ProcedimientosTest, RptmovFiltersBySellerOrGroupAndByMovementType)
{
    struct Caso {
        const char* vendedor;
        const char* tipo;
        QStringList esperadas; // seller|movement|amount
    };
    const QList<Caso> casos = {
        {"",
         "",
         {s("00000|0.- Pago Vendedor a Duroz|1500"), s("00001|3.- Pago Couta Prestamo|200"),
          s("00002|1.- Pago Duroz a Vendedor|50")}},
        // A group chief brings his group's movements.
        {"00000", "", {s("00000|0.- Pago Vendedor a Duroz|1500"), s("00001|3.- Pago Couta Prestamo|200")}},
        {"", "3", {s("00001|3.- Pago Couta Prestamo|200")}},
        {"00002", "0", {}},
    };
    for (const Caso& c : casos) {
        RecordSet rs = texto("rptmov", {s("0"), Fecha, s("06/03/2026"), s(c.vendedor), s(c.tipo)});
        EXPECT_EQ(filas(rs, {0, 3, 4}), c.esperadas) << c.vendedor << "/" << c.tipo;
        if (rs.recordCount() > 0) {
            rs.moveFirst();
            EXPECT_EQ(rs.value(s("nombre_vend")).toString(), s("AGENCIA ") + rs.value(0).toString());
            EXPECT_EQ(rs.value(2).toDate().isValid(), true);
        }
    }
    EXPECT_THROW(texto("rptmov", {s("9"), Fecha, Fecha, QString(), QString()}), std::exception);
}

TEST_F(ProcedimientosTest, RptlistasSumsEachNumbersActivePlaysInTheColumnItsKindReads)
{
    struct Caso {
        const char* tipo;
        const char* loteria;
        const char* vendedor;
        QStringList esperadas; // number|amount (col 3, 4 or 5)|play
    };
    const QList<Caso> casos = {
        // 10 + 5 + 3 on 123 (the annulled 7 left out), 6 on 999.
        {"1", "001", "", {s("123|18|18|18|"), s("999|6|6|6|")}},
        {"1", "014", "", {s("123|4|4|4|")}},
        {"1", "001", "00001", {s("123|3|3|3|")}},
        {"2", "001", "", {s("45|20|20|20|")}},
        {"5", "001", "", {s("3|2|2|2|")}},
        {"4", "001", "", {s("345|4|4|4|01")}},
        {"3", "001", "", {}},
        {"7", "001", "", {}},
    };
    for (const Caso& c : casos) {
        RecordSet rs = texto("rptlistas",
                             {Fecha, s(c.tipo), s(c.loteria), QString(), QString(), s(c.vendedor)});
        EXPECT_EQ(filas(rs, {0, 3, 4, 5, 6}), c.esperadas) << c.tipo << "/" << c.loteria << "/" << c.vendedor;
    }
    // The page total is that lottery's sales of that kind.
    RecordSet triples = texto("rptlistas", {Fecha, s("1"), s("001"), QString(), QString(), QString()});
    EXPECT_EQ(
        suma(triples, 4),
        escalar(s("SELECT sum(j.monto) FROM jugadasticket j JOIN tickets t USING (codvendedor, nroticket)"
                  " WHERE j.cod_lot = '001' AND j.fechaticket = '2026-03-05' AND t.estadoticket = 'ACT'"
                  " AND j.tipo_jugada = '1' AND length(j.numero) = 3")));
}

TEST_F(ProcedimientosTest, ReportepremionumeroCountsEachPrizeOnTheNumberOnce)
{
    const auto llama = [](const char* numero, const char* especial, const char* jugada,
                          const char* vendedor) {
        return llamadaReporte(s("reportepremionumero"), {{s("@loteria"), 3, s("001")},
                                                         {s("@numero"), 3, s(numero)},
                                                         {s("@jugada"), 2, s(jugada)},
                                                         {s("@especial"), 3, s(especial)},
                                                         {s("@fecha"), 10, Fecha},
                                                         {s("@vendedor"), 5, s(vendedor)}});
    };
    // seller|number|normal|prize|special
    EXPECT_EQ(filas(llama("123", "", "", ""), {0, 3, 4, 5, 6}),
              (QStringList{s("00000|123|15|9000|0"), s("00001|123|3|1800|0")}));
    EXPECT_EQ(suma(llama("123", "", "", ""), 5),
              escalar(s("SELECT sum(premio) FROM jugadasticket WHERE cod_lot = '001' AND numero = '123'"
                        " AND fechaticket = '2026-03-05'")));
    EXPECT_EQ(filas(llama("123", "", "", "00001"), {0, 5}), QStringList{s("00001|1800")});
    EXPECT_EQ(filas(llama("345", "T1", "01", ""), {0, 4, 5, 6}), QStringList{s("00000|0|2000|4")});
    EXPECT_EQ(filas(llama("345", "T1", "02", ""), {0}), QStringList());
    EXPECT_EQ(llama("999", "", "", "").recordCount(), 0);
    EXPECT_EQ(llama("12'", "", "", "").recordCount(), 0);
}

TEST_F(ProcedimientosTest, RptptovtaListsEachTicketOnceByStateAndSeller)
{
    const auto llama = [](const char* vendedor, const char* modo, const QString& hasta = Fecha) {
        return llamadaReporte(s("rptptovta"), {{s("@xfecha"), 10, Fecha},
                                               {s("@xcodigo_vend"), 5, s(vendedor)},
                                               {s("@xmodo"), 1, s(modo)},
                                               {s("@xfechah"), 10, hasta}});
    };
    struct Caso {
        const char* vendedor;
        const char* modo;
        QStringList esperadas; // ticket|amount|time|user|state|prized|prize|paid
    };
    const QList<Caso> casos = {
        {"00000",
         "0",
         {s("0000000001|35|10:00:00|TAQ01|ACT|S|9000|S"), s("0000000002|7|10:00:00|TAQ01|ELI|N||N"),
          s("0000000003|4|10:00:00|TAQ01|ACT|S|2000|N")}},
        {"00000", "1", {s("0000000002|7|10:00:00|TAQ01|ELI|N||N")}},
        {"00000", "2", {s("0000000003|4|10:00:00|TAQ01|ACT|S|2000|N")}},
        {"00000", "3", {s("0000000001|35|10:00:00|TAQ01|ACT|S|9000|S")}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(filas(llama(c.vendedor, c.modo), {0, 1, 2, 3, 4, 5, 6, 7}), c.esperadas) << c.modo;
    EXPECT_EQ(llama("*****", "0").recordCount(), 5);
    EXPECT_EQ(llama("*****", "0", s("06/03/2026")).recordCount(), 6);
    EXPECT_EQ(filas(llama("*****", "2"), {8, 0}),
              (QStringList{s("00000|0000000003"), s("00001|0000000001"), s("00002|0000000001")}));
    EXPECT_THROW(llama("00000", "7"), std::exception);
}

TEST_F(ProcedimientosTest, RpttaquillatotalesAddsUpToTheActiveTicketsOfTheList)
{
    const auto totales = [](const char* vendedor) {
        return llamadaReporte(s("rpttaquillatotales"), {{s("@xfechad"), 10, Fecha},
                                                        {s("@xfechah"), 10, s("06/03/2026")},
                                                        {s("@xvendedor"), 5, s(vendedor)}});
    };
    EXPECT_EQ(filas(totales(""), {0, 1}),
              (QStringList{s("00000 - AGENCIA 00000|39"), s("00001 - AGENCIA 00001|7"),
                           s("00002 - AGENCIA 00002|17")}));
    EXPECT_EQ(filas(totales("00002"), {1}), QStringList{s("17")});

    RecordSet lista = llamadaReporte(s("rptptovta"), {{s("@xfecha"), 10, Fecha},
                                                      {s("@xcodigo_vend"), 5, s("*****")},
                                                      {s("@xmodo"), 1, s("0")},
                                                      {s("@xfechah"), 10, s("06/03/2026")}});
    double activas = 0;
    for (lista.moveFirst(); !lista.eof(); lista.moveNext())
        if (lista.value(4).toString() == s("ACT"))
            activas += lista.value(1).toDouble();
    EXPECT_EQ(suma(totales(""), 1), activas);
}

TEST_F(ProcedimientosTest, RptconexCountsTheOpenSessionsPerSeller)
{
    RecordSet rs = llamadaReporte(s("RPTCONEX"), {}, 0);
    EXPECT_EQ(filas(rs, {0, 4}), (QStringList{s("00000|2"), s("00002|1")}));
    rs.moveFirst();
    EXPECT_EQ(rs.value(s("nombre_vend")).toString(), s("AGENCIA 00000"));
}

TEST_F(ProcedimientosTest, DevuelvegraficarGivesTheDailyResultsAndExpensesOfEachMonthAsked)
{
    const auto grafico = [](const char* desde, const char* hasta, const char* meses) {
        return llamadaReporte(s("devuelvegraficar"), {{s("@anio"), 5, s("2026")},
                                                      {s("@vended"), 5, s(desde)},
                                                      {s("@vendeh"), 5, s(hasta)},
                                                      {s("@meses"), 100, s(meses)},
                                                      {s("@opciones"), 100, s("12345")}});
    };
    const auto porNombre = [](RecordSet rs) {
        QStringList salida;
        if (rs.recordCount() <= 0)
            return salida;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            QStringList celdas;
            for (const char* c : {"mes", "ventas", "premios", "Comision", "saldos", "gastos", "saldototal"})
                celdas << platform::regional::toText(rs.value(s(c)));
            salida << celdas.join(QLatin1Char('|'));
        }
        return salida;
    };
    const QString resultados = s(
        "SELECT concat_ws('|', 'Mar', sum(total_venta)::float8, sum(premios)::float8, sum(comision)::float8,"
        " sum(subtotal)::float8) FROM saldosdias WHERE fecha BETWEEN '2026-03-01' AND '2026-03-31' %1");
    const QString todos = db_->scalar(resultados.arg(QString()));
    const QString rango = db_->scalar(resultados.arg(s("AND vendedor BETWEEN '00001' AND '00002'")));
    ASSERT_FALSE(todos.isEmpty());
    const double saldo = todos.section(QLatin1Char('|'), 4).toDouble();
    const double saldoRango = rango.section(QLatin1Char('|'), 4).toDouble();

    RecordSet marzo = grafico("", "", "3");
    ASSERT_EQ(marzo.recordCount(), 1);
    const QStringList fila = porNombre(marzo).first().split(QLatin1Char('|'));
    EXPECT_EQ(fila.mid(0, 5).join(QLatin1Char('|')).replace(QLatin1Char(','), QLatin1Char('.')),
              todos.split(QLatin1Char('|')).mid(0, 5).join(QLatin1Char('|')));
    EXPECT_EQ(fila[5], s("42"));
    EXPECT_DOUBLE_EQ(platform::regional::parseDouble(fila[6]).value_or(-1), saldo - 42);

    RecordSet deRango = grafico("00001", "00002", "3");
    deRango.moveFirst();
    EXPECT_DOUBLE_EQ(deRango.value(s("saldos")).toDouble(), saldoRango);
    EXPECT_DOUBLE_EQ(deRango.value(s("gastos")).toDouble(), 12);

    QStringList meses;
    RecordSet cuatro = grafico("", "", "13AC");
    for (cuatro.moveFirst(); !cuatro.eof(); cuatro.moveNext())
        meses << cuatro.value(s("mes")).toString();
    EXPECT_EQ(meses, (QStringList{s("Ene"), s("Mar"), s("Oct"), s("Dic")}));
    EXPECT_EQ(grafico("", "", "").recordCount(), 12);
    EXPECT_EQ(porNombre(grafico("", "", "1")), QStringList{s("Ene|0|0|0|0|0|0")});
    EXPECT_THROW(grafico("", "", "D"), std::exception);
    EXPECT_EQ(llamadaReporte(s("devuelvegraficar"), {{s("@anio"), 5, s("20x6")},
                                                     {s("@vended"), 5, QString()},
                                                     {s("@vendeh"), 5, QString()},
                                                     {s("@meses"), 100, QString()},
                                                     {s("@opciones"), 100, s("12345")}})
                  .recordCount(),
              0);
}

namespace {

// A kept table of sums against the same sums made afresh, after each change.
void sigueCadaCambio(testsupport::TestDatabase& db, const QString& guardada, const QString& directa,
                     const QList<const char*>& cambios)
{
    EXPECT_EQ(db.scalar(guardada), db.scalar(directa));
    for (const char* cambio : cambios) {
        db.exec(QString::fromUtf8(cambio));
        EXPECT_EQ(db.scalar(guardada), db.scalar(directa)) << cambio;
    }
    EXPECT_EQ(db.scalar(guardada), QString());
}

} // namespace

// What the point-of-sale totals read: each seller's active tickets and
// their sales per day, whoever writes the tickets.
TEST_F(ProcedimientosTest, TheSalesPerSellerAndDayFollowEveryChangeOfTheTickets)
{
    const QString filas = s("SELECT coalesce(string_agg(codvendedor || ' ' || fechaticket || ' ' || activos"
                            " || ' ' || venta, ', ' ORDER BY codvendedor, fechaticket), '') FROM %1");
    ASSERT_NE(db_->scalar(filas.arg(s("ventas_dia"))), QString());
    // The recount a rebuild reads counts them alike.
    EXPECT_EQ(db_->scalar(filas.arg(s("ventas_dia_recuento"))), db_->scalar(filas.arg(s("ventas_dia"))));
    sigueCadaCambio(
        *db_, filas.arg(s("ventas_dia")),
        filas.arg(s("(SELECT codvendedor, fechaticket, count(*) AS activos, sum(montoticket) AS venta"
                    " FROM tickets WHERE estadoticket = 'ACT' GROUP BY 1, 2) x")),
        {// Sales of several sellers and days in one statement, an annulled one among them.
         "INSERT INTO tickets (codvendedor, nroticket, serial, usuario, fechaticket, horaticket, montoticket,"
         " estadoticket, anulado) VALUES"
         " ('00001', 'T1', 'X1', 'TAQ01', '2026-03-05', '11:00', 2.5, 'ACT', 'N'),"
         " ('00001', 'T2', 'X2', 'TAQ01', '2026-03-07', '11:00', 8, 'ACT', 'N'),"
         " ('00003', 'T1', 'X3', 'TAQ01', '2026-03-07', '11:00', 0, 'ACT', 'N'),"
         " ('00003', 'T2', 'X4', 'TAQ01', '2026-03-07', '11:00', 6, 'ELI', 'S')",
         // Annulling a ticket, and bringing one back.
         "UPDATE tickets SET estadoticket = 'ELI', anulado = 'S' WHERE codvendedor = '00001' AND nroticket ="
         " '0000000001'",
         "UPDATE tickets SET estadoticket = 'ACT', anulado = 'N' WHERE codvendedor = '00003' AND nroticket = "
         "'T2'",
         // A new amount, another day, another seller; a prize changes no sale.
         "UPDATE tickets SET montoticket = montoticket + 1 WHERE fechaticket = '2026-03-07'",
         "UPDATE tickets SET fechaticket = '2026-03-08' WHERE codvendedor = '00001' AND nroticket = 'T2'",
         "UPDATE tickets SET codvendedor = '00002', nroticket = 'T9' WHERE codvendedor = '00003' AND "
         "nroticket ="
         " 'T1'",
         "UPDATE tickets SET montopremio = 1, premiado = 'S' WHERE codvendedor = '00001' AND nroticket = "
         "'T1'",
         // Deleting one ticket, then the last active one of a seller's day.
         "DELETE FROM tickets WHERE codvendedor = '00000' AND nroticket = '0000000003'",
         "DELETE FROM tickets WHERE codvendedor = '00001' AND fechaticket = '2026-03-05'",
         "TRUNCATE tickets CASCADE"});
}

// What the summary chart reads: each seller's daily results summed per day
// (the amounts kept in saldosdias_importes_dia, the balance in
// saldosdias_dia).
TEST_F(ProcedimientosTest, TheDailyResultSumsFollowEveryChangeOfTheDailyResults)
{
    const QString filas = s(
        "SELECT coalesce(string_agg(concat_ws(' ', vendedor, fecha, total_venta, comision,"
        " premios, subtotal), ', ' ORDER BY vendedor, fecha), '') FROM %1");
    const QString guardadas = s(
        "(SELECT d.vendedor, d.fecha, coalesce(i.total_venta, 0)::numeric(18,3) AS total_venta,"
        " coalesce(i.comision, 0)::numeric(18,3) AS comision, coalesce(i.premios, 0)::numeric(18,3) AS "
        "premios,"
        " d.subtotal FROM saldosdias_dia d LEFT JOIN saldosdias_importes_dia i USING (vendedor, fecha)) x");
    ASSERT_NE(db_->scalar(filas.arg(guardadas)), QString());
    sigueCadaCambio(
        *db_, filas.arg(guardadas),
        filas.arg(s("(SELECT vendedor, fecha, sum(total_venta)::numeric(18,3) AS total_venta,"
                    " sum(comision)::numeric(18,3) AS comision, sum(premios)::numeric(18,3) AS premios,"
                    " sum(subtotal)::numeric(18,3) AS subtotal FROM saldosdias GROUP BY 1, 2) x")),
        {"INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada, total_venta, comision, premios, "
         "subtotal)"
         " VALUES ('00001', '2026-03-10', '001', '2', 10, 1, 2, 7), ('00003', '2026-03-01', '001', '1', 5, "
         "0.5,"
         " 0, 4.5), ('00003', '2026-03-01', '014', '1', 3, 0, 4, -1)",
         "UPDATE saldosdias SET total_venta = total_venta + 1, comision = comision + 0.25, subtotal = "
         "subtotal +"
         " 0.75 WHERE vendedor = '00001'",
         "UPDATE saldosdias SET premios = premios + 2, subtotal = subtotal - 2 WHERE vendedor = '00003'",
         "UPDATE saldosdias SET fecha = '2026-03-02' WHERE vendedor = '00003' AND cod_lot = '014'",
         "DELETE FROM saldosdias WHERE vendedor = '00003' AND fecha = '2026-03-01'",
         "DELETE FROM saldosdias WHERE vendedor = '00001' AND tipo_jugada = '2'", "TRUNCATE saldosdias"});
}
