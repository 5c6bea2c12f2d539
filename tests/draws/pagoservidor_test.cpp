// The server side of ticket verification and payment: every return code,
// who may be paid, the expiry boundary, and two operators paying one ticket
// at the same moment.

#include "datossorteos.h"

#include "platform/db/connection.h"
#include "platform/db/dberror.h"

#include <thread>

using namespace datossorteos;

namespace {

class PagoServidorTest : public ConBase {
protected:
    void SetUp() override
    {
        ConBase::SetUp();
        if (HasFatalFailure())
            return;
        resultados();
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("0000000001"),
               {{QStringLiteral("001"), QStringLiteral("123")}}, QStringLiteral("AB12"));
        ticket(*db_, QStringLiteral("00001"), QStringLiteral("0000000001"),
               {{QStringLiteral("001"), QStringLiteral("123")}}, QStringLiteral("CD34"));
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("0000000002"),
               {{QStringLiteral("001"), QStringLiteral("999")}}, QStringLiteral("EF56"));
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("0000000003"),
               {{QStringLiteral("001"), QStringLiteral("123")}}, QStringLiteral("GH78"), true);
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("0000000004"),
               {{QStringLiteral("001"), QStringLiteral("123")}}, QStringLiteral("IJ90"));
        ASSERT_EQ(procesa(conexion(), Fecha), QStringLiteral("0"));
        // Seller 00000 keeps tickets 5 days: the 5th of March is payable up to the 10th.
        db_->setServerClock(QStringLiteral("2026-03-10 23:59:59"));
        ASSERT_EQ(pagaticket(conexion(), QStringLiteral("IJ90"), QStringLiteral("00000"), QStringLiteral("1"),
                             QStringLiteral("0000000004"))
                      .codigo,
                  QStringLiteral("0"));
    }
};

} // namespace

TEST_F(PagoServidorTest, VerificationAndPaymentAnswerTheirCodes)
{
    struct Caso {
        const char* serial;
        const char* vendedor;
        const char* modo;
        const char* numero;
        const char* codigo;
        int filas;
        const char* porque;
    };
    const Caso casos[] = {
        {"AB12", "00000", "0", "0000000001", "0", 1, "a prized, unpaid ticket"},
        {"AB12", "00000", "0", " 0000000001 ", "0", 1, "the number is trimmed"},
        {"EF56", "00000", "0", "0000000002", "3", 1, "no prize"},
        {"EF56", "00000", "1", "0000000002", "3", 1, "no prize, paying"},
        {"GH78", "00000", "0", "0000000003", "9", 1, "annulled"},
        {"GH78", "00000", "1", "0000000003", "9", 1, "annulled, paying"},
        {"IJ90", "00000", "0", "0000000004", "55", 1, "paid: verification shows the row"},
        {"IJ90", "00000", "1", "0000000004", "6", 1, "paid: a second payment"},
        {"XX99", "00000", "0", "0000000001", "8", 0, "wrong serial"},
        {"XX99", "00000", "1", "0000000001", "8", 0, "wrong serial, paying"},
        {"CD34", "00000", "1", "0000000001", "8", 0, "another seller's serial for this number"},
        {"AB12", "00002", "0", "0000000001", "8", 0, "a seller with no such ticket"},
        {"AB12", "00000", "0", "0000000099", "8", 0, "no such number"},
    };
    for (const Caso& c : casos) {
        const Respuesta r = pagaticket(conexion(), QLatin1String(c.serial), QLatin1String(c.vendedor),
                                       QLatin1String(c.modo), QLatin1String(c.numero));
        EXPECT_EQ(r.codigo, QLatin1String(c.codigo)) << c.porque;
        EXPECT_EQ(r.filas, c.filas) << c.porque;
    }
    EXPECT_EQ(db_->rows(QStringLiteral("SELECT codvendedor, nroticket FROM tickets WHERE pagado = 'S'")),
              (QStringList{QStringLiteral("00000|0000000004")}))
        << "none of these paid anything";
}

TEST_F(PagoServidorTest, PaymentRecordsTheOperatorAndShowsAsPaidAfterwards)
{
    const Respuesta r = pagaticket(conexion(), QStringLiteral("AB12"), QStringLiteral("00001"),
                                   QStringLiteral("1"), QStringLiteral("0000000001"),
                                   QStringLiteral("CAJA1"));
    ASSERT_EQ(r.codigo, QStringLiteral("8")) << "the right number of another seller";
    EXPECT_EQ(pagaticket(conexion(), QStringLiteral("AB12"), QStringLiteral("00000"), QStringLiteral("1"),
                         QStringLiteral("0000000001"), QStringLiteral("CAJA1"))
                  .codigo,
              QStringLiteral("0"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT pagado || operadorpago || fechapago FROM tickets"
                                         " WHERE codvendedor = '00000' AND nroticket = '0000000001'")),
              QStringLiteral("SCAJA12026-03-10 23:59:59"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT pagado FROM tickets WHERE codvendedor = '00001'")),
              QStringLiteral("N"));
    EXPECT_EQ(pagaticket(conexion(), QStringLiteral("AB12"), QStringLiteral("00000"), QStringLiteral("0"),
                         QStringLiteral("0000000001"))
                  .codigo,
              QStringLiteral("55"));
}

TEST_F(PagoServidorTest, ATicketExpiresTheDayAfterItsSellersLastDay)
{
    db_->setServerClock(QStringLiteral("2026-03-11 00:00:00"));
    EXPECT_EQ(pagaticket(conexion(), QStringLiteral("AB12"), QStringLiteral("00000"), QStringLiteral("0"),
                         QStringLiteral("0000000001"))
                  .codigo,
              QStringLiteral("7"));
    EXPECT_EQ(pagaticket(conexion(), QStringLiteral("AB12"), QStringLiteral("00000"), QStringLiteral("1"),
                         QStringLiteral("0000000001"))
                  .codigo,
              QStringLiteral("7"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT ticket_caducado('2026-03-05', 5, '2026-03-10')::text ||"
                                         " ticket_caducado('2026-03-05', 5, '2026-03-11')::text")),
              QStringLiteral("falsetrue"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT pagado FROM tickets WHERE nroticket = '0000000001'"
                                         " AND codvendedor = '00000'")),
              QStringLiteral("N"));
}

TEST_F(PagoServidorTest, AnUnknownModeIsAnError)
{
    EXPECT_THROW(pagaticket(conexion(), QStringLiteral("AB12"), QStringLiteral("00000"), QStringLiteral("2"),
                            QStringLiteral("0000000001")),
                 platform::db::DbError);
    EXPECT_THROW(pagaticket(conexion(), QStringLiteral("AB12"), QStringLiteral("00000"), QStringLiteral("1"),
                            QStringLiteral("0000000001"), QString()),
                 platform::db::DbError)
        << "a payment names its operator";
}

TEST_F(PagoServidorTest, APaymentByAnOperatorThatIsNoneIsRefusedAndPaysNothing)
{
    const char* const operadores[] = {
        "NADIE",              // names no operator
        "admin",              // codes compare as stored
        "AD\xF0\x9F\x98\x80", // an emoji
        "CAJA\xE2\x80\x8B",   // a zero-width space
        " ",                  // blank
    };
    for (const char* operador : operadores) {
        EXPECT_THROW(pagaticket(conexion(), QStringLiteral("AB12"), QStringLiteral("00000"),
                                QStringLiteral("1"), QStringLiteral("0000000001"),
                                QString::fromUtf8(operador)),
                     platform::db::DbError)
            << operador;
    }
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT pagado FROM tickets WHERE codvendedor = '00000'"
                                         " AND nroticket = '0000000001'")),
              QStringLiteral("N"));
}

// Operator A pays inside an open transaction and holds the ticket; B pays
// the same ticket from another connection and waits for A's row; A commits.
// No timing: B is known to wait once the server shows it waiting on a lock.
TEST_F(PagoServidorTest, TwoOperatorsPayingOneTicketAtOnceRecordOnePayment)
{
    platform::db::Connection a;
    platform::db::Connection b;
    a.open(db_->connectionString());
    b.open(db_->connectionString());
    const QString pidB = b.execute(QStringLiteral("SELECT pg_backend_pid()")).value(0).toString();

    platform::db::Transaction t(a);
    const Respuesta primero = pagaticket(a, QStringLiteral("AB12"), QStringLiteral("00000"),
                                         QStringLiteral("1"), QStringLiteral("0000000001"),
                                         QStringLiteral("OPA"));
    Respuesta segundo;
    std::string fallo;
    std::thread otro([&] {
        try {
            segundo = pagaticket(b, QStringLiteral("AB12"), QStringLiteral("00000"), QStringLiteral("1"),
                                 QStringLiteral("0000000001"), QStringLiteral("OPB"));
        } catch (const std::exception& e) {
            fallo = e.what();
        }
    });
    while (db_->scalar(QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE pid = %1"
                                      " AND wait_event_type = 'Lock'")
                           .arg(pidB)) != QStringLiteral("1"))
        std::this_thread::yield();
    t.commit();
    otro.join();

    EXPECT_TRUE(fallo.empty()) << fallo;
    EXPECT_EQ(primero.codigo, QStringLiteral("0"));
    EXPECT_EQ(segundo.codigo, QStringLiteral("6"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT operadorpago FROM tickets WHERE codvendedor = '00000'"
                                         " AND nroticket = '0000000001'")),
              QStringLiteral("OPA"));
}
