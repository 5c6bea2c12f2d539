// The seller results read what prize processing writes: a day of tickets
// awarded by Procesepremios2 shows in the reports with the sales of its
// active tickets, the commission processing computed and the prizes it
// awarded, split by lottery and play kind.

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
    ASSERT_EQ(premios, s("12000.00"));
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
                           s("001|Trip. Especial|10.00|6000.00"), s("014|Digito|10.00|0.00")}));
}
