#include "core/acceso.h"
#include "core/sesion.h"
#include "reports/textoticket.h"
#include "datosticket.h"
#include "platform/db/dberror.h"
#include "registros.h"
#include "sessiontest.h"
#include "testdb.h"

#include <gtest/gtest.h>
#include <QDate>

using platform::db::DataType;
using platform::db::RecordSet;
using Jugada = testsupport::JugadaPrueba;

using namespace Qt::StringLiterals;

namespace {

const QString Vendedor = QStringLiteral("00001 - CENTRO UNO");
const QDate Fecha(2024, 3, 5);

// The ticket text around its plays.
QStringList ticket(const QString& numero, const QStringList& cuerpo, const QString& total,
                   bool anulado = false)
{
    return QStringList{QStringLiteral("<< Quorvelin 2007 >>"),  Vendedor,
                       QStringLiteral("Ticket: ") + numero,     QStringLiteral("U01"),
                       QStringLiteral("05/03/2024   10:15:30"), reports::separadorTicket()} +
           cuerpo +
           QStringList{reports::separadorTicket(), QStringLiteral("Total Bs.: ") + total,
                       QStringLiteral("REVISE SU TICKET"), QString(),
                       anulado ? QStringLiteral("EL TICKET ESTA ANULADO")
                               : QStringLiteral("EL TICKET ESTA ACTIVO")};
}

class TextoTicket : public testsupport::SessionTest {
protected:
    void siembra(testsupport::TestDatabase& db) override
    {
        db.exec(QString::fromUtf8(testsupport::CatalogoTickets) +
                // Plays loaded from elsewhere may lack their amount.
                QStringLiteral("ALTER TABLE jugadasticket ALTER COLUMN monto DROP NOT NULL;"));
    }

    void SetUp() override
    {
        SessionTest::SetUp();
        if (HasFatalFailure())
            return;
        core::Sesion& s = core::sesion();
        core::cargalistascompartidas(s.conexion);
    }

    void vende(const QString& vendedor, const QString& numero, const QString& estado,
               const QList<Jugada>& jugadas, const QString& usuario = QStringLiteral("U01"))
    {
        testsupport::vendeTicket(*db_, vendedor, numero, estado, jugadas, usuario);
    }
};

} // namespace

TEST_F(TextoTicket, TicketTextFromTheServedRows)
{
    struct Caso {
        const char* nombre;
        const char* tecleado; // as the operator typed it
        const char* guardado; // the ticket number stored
        const char* estado;
        QList<Jugada> jugadas;
        QStringList cuerpo;
        const char* total;
    };
    const QString zulia = QString(14, QLatin1Char(' ')) + QStringLiteral("Sorteo:ZULIA");
    const Caso casos[] = {
        {"seven normal plays: lines of three, three and one",
         "101",
         "0000000101",
         "ACT",
         {{"001", "1", "123", "10"},
          {"001", "1", "45", "20"},
          {"001", "1", "6", "5"},
          {"001", "1", "789", "1.5"},
          {"001", "1", "01", "1000"},
          {"001", "1", "2", "2"},
          {"001", "1", "999", "3"}},
         {zulia, QStringLiteral("123 x 10,00 - *45 x 20,00 - **6 x 5,00 "),
          QStringLiteral("789 x 1,50 - *01 x 1.000,00 - **2 x 2,00 "), QStringLiteral("999 x 3,00 - ")},
         "1.041,50"},
        {"two normal plays, then three special plays",
         "102",
         "0000000102",
         "ACT",
         {{"002", "1", "12", "5"},
          {"002", "1", "345", "7"},
          {"002", "2", "123", "2", "01"},
          {"002", "2", "45", "3", "02"},
          {"002", "2", "6", "4", "03"}},
         {QString(13, QLatin1Char(' ')) + QStringLiteral("Sorteo:TACHIRA"),
          QStringLiteral("*12 x 5,00 - 345 x 7,00 - "), QStringLiteral("123  ARI x 2,00   "),
          QStringLiteral("*45  TAU x 3,00   **6  GEM x 4,00   ")},
         "21,00"},
        {"a normal play without amount shows 0 and adds nothing",
         "103",
         "0000000103",
         "ACT",
         {{"001", "1", "777", ""}, {"001", "1", "12", "3"}},
         {zulia, QStringLiteral("777 x 0,00 - *12 x 3,00 - ")},
         "3,00"},
        {"two lotteries, each centred; the plays of one lottery come together",
         "104",
         "0000000104",
         "ACT",
         {{"001", "1", "111", "1"}, {"003", "1", "22", "2"}, {"001", "1", "333", "1"}},
         {zulia, QStringLiteral("111 x 1,00 - 333 x 1,00 - "),
          // (40 - 15) / 2 = 12.5: halves go to the even number
          QString(12, QLatin1Char(' ')) + QStringLiteral("Sorteo:ORIENTAL"), QStringLiteral("*22 x 2,00 - ")},
         "4,00"},
        {"a cancelled ticket",
         "105",
         "0000000105",
         "ELI",
         {{"001", "1", "555", "8"}},
         {zulia, QStringLiteral("555 x 8,00 - ")},
         "8,00"},
        {"ten or more characters are sent as typed",
         " 12345678901 ",
         "12345678901",
         "ACT",
         {{"001", "1", "9", "1"}},
         {zulia, QStringLiteral("**9 x 1,00 - ")},
         "1,00"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        vende(QStringLiteral("00001"), QString::fromUtf8(c.guardado), QString::fromUtf8(c.estado), c.jugadas);
        const QString numero = reports::numeroticket(QString::fromUtf8(c.tecleado));
        EXPECT_EQ(numero, QString::fromUtf8(c.guardado));
        RecordSet rs = reports::muestraticket(Fecha, QStringLiteral("00001"), numero);
        ASSERT_EQ(rs.recordCount(), c.jugadas.size());
        const core::Sesion& s = core::sesion();
        EXPECT_EQ(reports::textoticket(rs, Vendedor, numero, s.rsloterias, s.rsjugadas),
                  ticket(numero, c.cuerpo, QString::fromUtf8(c.total),
                         QLatin1String(c.estado) == QLatin1String("ELI")));
    }
}

TEST_F(TextoTicket, TheProcedureFindsTheTicketOfTheSellerAndDate)
{
    vende(QStringLiteral("00001"), QStringLiteral("0000000201"), QStringLiteral("ACT"),
          {{"001", "2", "7", "2", "01"}, {"001", "1", "12", "1"}});
    vende(QStringLiteral("00002"), QStringLiteral("0000000201"), QStringLiteral("ACT"),
          {{"002", "1", "99", "4"}}, QStringLiteral("U02"));

    RecordSet rs = reports::muestraticket(Fecha, QStringLiteral("00001"), QStringLiteral("0000000201"));
    QStringList campos;
    for (int i = 0; i < rs.fieldCount(); ++i)
        campos << rs.field(i).name().toLower();
    EXPECT_EQ(campos, QStringList({u"usuario"_s, u"fechaticket"_s, u"hora_venta"_s, u"statust"_s,
                                   u"cod_lot"_s, u"tipo_jugada"_s, u"num_normal"_s, u"monto_normal"_s,
                                   u"montoespecial"_s, u"jugada"_s}));
    ASSERT_EQ(rs.recordCount(), 2);
    // Normal plays before special plays, each amount in its own column.
    EXPECT_EQ(rs.value(QStringLiteral("Num_normal")).toString(), QStringLiteral("12"));
    EXPECT_TRUE(rs.field(QStringLiteral("Montoespecial")).isNull());
    rs.moveNext();
    EXPECT_EQ(rs.value(QStringLiteral("Tipo_jugada")).toString(), QStringLiteral("2"));
    EXPECT_TRUE(rs.field(QStringLiteral("Monto_Normal")).isNull());
    EXPECT_EQ(rs.value(QStringLiteral("jugada")).toString(), QStringLiteral("01"));

    struct Caso {
        QDate fecha;
        QString vendedor;
        int filas;
        QString usuario;
    };
    const Caso casos[] = {
        {Fecha, QStringLiteral("00002"), 1, QStringLiteral("U02")},
        // Any seller: the lowest seller code that sold the number that day.
        {Fecha, QStringLiteral("*****"), 2, QStringLiteral("U01")},
        {Fecha, QString(), 2, QStringLiteral("U01")},
        {Fecha.addDays(1), QStringLiteral("00001"), 0, QString()},
        {Fecha, QStringLiteral("00003"), 0, QString()},
    };
    for (const Caso& c : casos) {
        RecordSet r = reports::muestraticket(c.fecha, c.vendedor, QStringLiteral("0000000201"));
        ASSERT_EQ(r.recordCount(), c.filas) << c.vendedor.toStdString();
        if (c.filas > 0) {
            EXPECT_EQ(r.value(QStringLiteral("usuario")).toString(), c.usuario);
        }
    }
}

TEST_F(TextoTicket, TheProcedureRefusesABadDateOrMode)
{
    platform::db::Connection& c = core::sesion().conexion;
    for (const QString& llamada : {QStringLiteral("xmuestraTICKET '31/02/2024', '00001', '1', '2'"),
                                   QStringLiteral("xmuestraTICKET 'ayer', '00001', '1', '2'"),
                                   QStringLiteral("xmuestraTICKET '05/03/2024', '00001', '1', '1'")}) {
        try {
            c.execute(llamada);
            ADD_FAILURE() << "accepted: " << llamada.toStdString();
        } catch (const platform::db::DbError& e) {
            EXPECT_EQ(e.number(), platform::db::err::ServerError) << llamada.toStdString();
        }
    }
}

// Rows the ticket text must cope with although the server never sends them:
// an unknown play type (left out: the text still ends), a lottery and a
// special play missing from the lookup lists (their codes shown), a NULL
// special amount (0), a lottery name too long to centre.
TEST(TextoTicketSinServidor, OddRowsStillGiveATicket)
{
    const QList<testsupport::CampoPrueba> campos{{QStringLiteral("usuario")},
                                                 {QStringLiteral("fechaticket")},
                                                 {QStringLiteral("Hora_venta")},
                                                 {QStringLiteral("statust")},
                                                 {QStringLiteral("COD_LOT")},
                                                 {QStringLiteral("Tipo_jugada")},
                                                 {QStringLiteral("Num_normal")},
                                                 {QStringLiteral("Monto_Normal"), DataType::Numeric},
                                                 {QStringLiteral("Montoespecial"), DataType::Numeric},
                                                 {QStringLiteral("jugada")}};
    const auto fila = [](const char* lot, const char* tipo, const char* num, QVariant normal,
                         QVariant especial, const char* jugada) {
        return QVariantList{QStringLiteral("U01"),
                            QStringLiteral("05/03/2024"),
                            QStringLiteral("10:15:30"),
                            QStringLiteral("ACT"),
                            QString::fromUtf8(lot),
                            QString::fromUtf8(tipo),
                            QString::fromUtf8(num),
                            normal,
                            especial,
                            QString::fromUtf8(jugada)};
    };
    RecordSet rs = testsupport::registros(
        campos, {fila("001", "3", "5", testsupport::dinero("9"), {}, ""),
                 fila("001", "1", "12", testsupport::dinero("2"), {}, ""),
                 fila("001", "3", "6", testsupport::dinero("9"), {}, ""), fila("001", "2", "7", {}, {}, "01"),
                 fila("009", "2", "8", {}, testsupport::dinero("1"), "77")});
    const RecordSet loterias = testsupport::registros(
        {{QStringLiteral("cod_lot")}, {QStringLiteral("desc_lot")}},
        {{QStringLiteral("001"), QStringLiteral("LOTERIA DE UN NOMBRE MUY LARGO DE VERDAD")}});
    const RecordSet jugadas = testsupport::registros(
        {{QStringLiteral("jugada")}, {QStringLiteral("desc_jugada")}},
        {{QStringLiteral("01"), QStringLiteral(" ARIES ")}});
    EXPECT_EQ(reports::textoticket(rs, Vendedor, QStringLiteral("0000000001"), loterias, jugadas),
              ticket(QStringLiteral("0000000001"),
                     {QStringLiteral("Sorteo:LOTERIA DE UN NOMBRE MUY LARGO DE VERDAD"),
                      QStringLiteral("*12 x 2,00 - "), QStringLiteral("**7  ARI x 0,00   "),
                      QString(15, QLatin1Char(' ')) + QStringLiteral("Sorteo:009"),
                      QStringLiteral("**8  77 x 1,00   ")},
                     QStringLiteral("3,00")));
}
