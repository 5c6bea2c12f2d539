// The server side of the expired-tickets report: hcaduca lists a ticket
// exactly when payment answers 7 for it, by its seller's days, and never
// paid, annulled or unprized tickets.

#include "datossorteos.h"
#include "llamadascontrol.h"

#include "platform/db/dberror.h"

using namespace datossorteos;
using llamadascontrol::filas;
using llamadascontrol::hcaduca;

namespace {

const QString Todos = QStringLiteral("*****");

class CaducadosServidorTest : public ConBase {
protected:
    void SetUp() override
    {
        ConBase::SetUp();
        if (HasFatalFailure())
            return;
        resultados();
        // Seller 00000 keeps 5 days, 00001 only 2.
        db_->exec(QStringLiteral("UPDATE vendedor SET diascaduca = 2 WHERE codvendedor = '00001'"));
        const Jugada gana{QStringLiteral("001"), QStringLiteral("123")};
        const Jugada pierde{QStringLiteral("001"), QStringLiteral("999")};
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("0000000001"), {gana}, QStringLiteral("A1"));
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("0000000002"), {pierde}, QStringLiteral("A2"));
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("0000000003"), {gana}, QStringLiteral("A3"),
               true);
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("0000000004"), {gana}, QStringLiteral("A4"));
        ticket(*db_, QStringLiteral("00001"), QStringLiteral("0000000001"), {gana}, QStringLiteral("B1"));
        ASSERT_EQ(procesa(conexion(), Fecha), QStringLiteral("0"));
        // Ticket 4 is paid while it still can be.
        db_->setServerClock(QStringLiteral("2026-03-06 10:00:00"));
        ASSERT_EQ(pagaticket(conexion(), QStringLiteral("A4"), QStringLiteral("00000"), QStringLiteral("1"),
                             QStringLiteral("0000000004"))
                      .codigo,
                  QStringLiteral("0"));
    }

    QStringList caducados(const QString& vendedor, const QString& desde = Fecha, const QString& hasta = Fecha)
    {
        platform::db::RecordSet rs = hcaduca(conexion(), desde, hasta, vendedor);
        QStringList salida;
        for (const QString& fila : filas(rs))
            salida << fila.section(QLatin1Char('|'), 0, 1) + QLatin1Char('|') +
                          fila.section(QLatin1Char('|'), 4, 5);
        return salida;
    }
};

} // namespace

TEST_F(CaducadosServidorTest, ExpiresExactlyWhenPaymentAnswersSeven)
{
    // Sold on the 5th: seller 00001 (2 days) pays up to the 7th, seller
    // 00000 (5 days) up to the 10th.
    struct Caso {
        const char* reloj;
        const char* vendedor;
        const char* serial;
        bool caducado;
    };
    const Caso casos[] = {
        {"2026-03-07 23:59:59", "00001", "B1", false},
        {"2026-03-08 00:00:00", "00001", "B1", true},
        {"2026-03-10 23:59:59", "00000", "A1", false},
        {"2026-03-11 00:00:00", "00000", "A1", true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.reloj);
        db_->setServerClock(QLatin1String(c.reloj));
        const Respuesta pago = pagaticket(conexion(), QLatin1String(c.serial), QLatin1String(c.vendedor),
                                          QStringLiteral("0"), QStringLiteral("0000000001"));
        EXPECT_EQ(pago.codigo == QStringLiteral("7"), c.caducado)
            << "payment answered " << pago.codigo.toStdString();
        const QStringList lista = caducados(QLatin1String(c.vendedor));
        EXPECT_EQ(lista.size(), c.caducado ? 1 : 0) << lista.join(QLatin1Char(' ')).toStdString();
    }
}

TEST_F(CaducadosServidorTest, ListsOnlyUnpaidPrizesOfTheSellerAndPeriod)
{
    db_->setServerClock(QStringLiteral("2026-03-20 09:00:00"));
    // Columns: ticket, user, sale and prize (10 x 600); not the unprized
    // ticket 2, the annulled 3 or the paid 4.
    EXPECT_EQ(caducados(QStringLiteral("00000")), QStringList{QStringLiteral("0000000001|TAQ01|10|6000")});
    EXPECT_EQ(caducados(QStringLiteral("00001")), QStringList{QStringLiteral("0000000001|TAQ01|10|6000")})
        << "2 days: expired too";
    EXPECT_EQ(caducados(Todos).size(), 2) << "***** is every seller";
    EXPECT_EQ(caducados(QString()), QStringList()) << "an empty code names no seller";
    EXPECT_EQ(caducados(QStringLiteral("00002")), QStringList());
    EXPECT_EQ(caducados(Todos, QStringLiteral("06/03/2026"), QStringLiteral("09/03/2026")), QStringList())
        << "outside the period";
    EXPECT_EQ(caducados(Todos, QStringLiteral("06/03/2026"), QStringLiteral("01/03/2026")), QStringList())
        << "a start after the end";
    EXPECT_EQ(caducados(Todos, QStringLiteral("5/3/2026"), QStringLiteral("05/03/2026")).size(), 2);
}

TEST_F(CaducadosServidorTest, AnswersSixColumnsInTheirOrder)
{
    db_->setServerClock(QStringLiteral("2026-03-20 09:00:00"));
    platform::db::RecordSet rs = hcaduca(conexion(), Fecha, Fecha, QStringLiteral("00000"));
    ASSERT_EQ(rs.fieldCount(), 6);
    EXPECT_EQ(filas(rs), QStringList{QStringLiteral("0000000001|TAQ01|05/03/2026|10:00:00|10|6000")});
}

TEST_F(CaducadosServidorTest, RefusesAnUnknownModeAndABadDate)
{
    EXPECT_THROW(hcaduca(conexion(), QStringLiteral("31/02/2026"), Fecha, Todos), platform::db::DbError);
    EXPECT_THROW(conexion().execute(platform::db::callText(QStringLiteral("hcaduca"),
                                                           {QStringLiteral("2"), Fecha, Fecha, Todos})),
                 platform::db::DbError);
}
