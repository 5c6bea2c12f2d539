#include "core/conexion.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "databasetest.h"
#include "platform/db/dberror.h"

#include <gtest/gtest.h>

using namespace core;
using platform::db::Connection;
using testsupport::MessageRecorder;
using testsupport::TestDatabase;

namespace {

const QString NoConecta = QStringLiteral(
    "No se puede Conectar con el Servidor de Datos Remotos... Finalizando");
const QString FallaReconexion = QStringLiteral(
    "Ocurrieron Errores al Intentar Conectarse!... Finalizando el Sistema");
const QString MensajeGeneral = QStringLiteral(
    "Ha ocurrido un error probablemente por la perdida de conexión con el servidor por favor, "
    "salga de la aplicacion y vuelva a ingresar si el error persiste, Gracias!");

// The session points at the suite's database but is left unopened: each
// test opens it its own way.
class ConexionTest : public testsupport::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (HasFatalFailure())
            return;
        Sesion& s = sesion();
        s = Sesion();
        s.servidor = TestDatabase::host();
        s.puerto = TestDatabase::port();
        s.basedatos = db_->name();
    }

    static QString backendPid()
    {
        return sesion()
            .conexion.execute(QStringLiteral("SELECT pg_backend_pid() AS pid"))
            .value(0)
            .toString();
    }

    void TearDown() override
    {
        DatabaseTest::TearDown();
        sesion() = Sesion();
    }
};

} // namespace

TEST(CredencialesTest, StoredCredentialsDecodeToTheProductRole)
{
    EXPECT_EQ(decodificacredencial(loginalmacenado()), QLatin1String(testsupport::ProductRole));
    EXPECT_EQ(decodificacredencial(clavealmacenada()), QLatin1String(testsupport::ProductPassword));
}

TEST_F(ConexionTest, CadenaconexionKeepsTheCredentialsAsStored)
{
    reconstruyecadenaconexion();
    EXPECT_EQ(sesion().cadenaconexion,
              QStringLiteral("Provider=sqloledb;Network Library=DBMSSOCN;Data Source=") +
                  TestDatabase::host() + QLatin1Char(',') + TestDatabase::port() +
                  QStringLiteral(";Initial Catalog=") + db_->name() +
                  QStringLiteral(";User id=101/119/117/115/127/;Password=") + clavealmacenada());
}

TEST_F(ConexionTest, EveryOpeningReplacesTheConnectionEvenAWorkingOne)
{
    ASSERT_TRUE(abreconexion(sesion().conexion, 0, 3));
    const QString primera = backendPid();
    ASSERT_TRUE(abreconexion(sesion().conexion, 0, 3));
    EXPECT_NE(backendPid(), primera);

    renuevaconexion();
    EXPECT_NE(backendPid(), primera);
    EXPECT_TRUE(rec_->boxes().isEmpty());
}

TEST_F(ConexionTest, UnreachableServerShowsTheSharedBoxAndGoesOn)
{
    sesion().servidor = QStringLiteral("127.0.0.1");
    sesion().puerto = QStringLiteral("1"); // nothing listens there
    EXPECT_FALSE(abreconexion(sesion().conexion, 0, 3));
    ASSERT_EQ(rec_->boxes().size(), 1);
    EXPECT_EQ(rec_->boxes()[0].prompt, NoConecta);
    EXPECT_EQ(rec_->boxes()[0].title, QStringLiteral("Quorvelin 2007 - BACK OFFICE"));
    EXPECT_EQ(rec_->boxes()[0].style, 16);
    EXPECT_EQ(rec_->programEnds(), 0);
}

TEST_F(ConexionTest, RefusedLoginShowsTheErrorDetails)
{
    qputenv("DUROZ_DB_PASSWORD", "98/99/100/"); // "aaa": wrong
    const bool abierta = abreconexion(sesion().conexion, 0, 3);
    qunsetenv("DUROZ_DB_PASSWORD");
    EXPECT_FALSE(abierta);
    ASSERT_EQ(rec_->boxes().size(), 1);
    EXPECT_TRUE(rec_->boxes()[0].prompt.startsWith(QStringLiteral("Error Nro:")));
    EXPECT_TRUE(rec_->boxes()[0].prompt.contains(QStringLiteral("\r\nDescripción:")));
    EXPECT_TRUE(rec_->boxes()[0].prompt.contains(QStringLiteral("\r\nBASE DE DATOS Origen:")));
    EXPECT_EQ(rec_->boxes()[0].title, QStringLiteral("Error al Abrir Conexión...(Korvast)"));
    EXPECT_EQ(rec_->boxes()[0].style, 16);
}

TEST_F(ConexionTest, RenuevaconexionLeavesAClosedConnectionForTheTrap)
{
    renuevaconexion();
    EXPECT_EQ(sesion().conexion.state(), Connection::StateClosed);
}

TEST_F(ConexionTest, TrapReconnectsAndRunsTheHandlerAgainFromItsStart)
{
    int corridas = 0;
    QString fecha;
    manejoerrores(Trampa::reejecuta(), [&] {
        ++corridas;
        fechaservidor(); // closed at first: 3704
        fecha = sesion().fechaactual;
    });
    EXPECT_EQ(corridas, 2);
    EXPECT_FALSE(fecha.isEmpty());
    EXPECT_TRUE(rec_->boxes().isEmpty());
}

TEST_F(ConexionTest, TrapVariantsAfterReconnecting)
{
    int otro = 0;
    int corridas = 0;
    manejoerrores(Trampa::ejecuta([&] { ++otro; }), [&] {
        ++corridas;
        fechaservidor();
    });
    EXPECT_EQ(corridas, 1);
    EXPECT_EQ(otro, 1);

    sesion().conexion.close();
    corridas = 0;
    manejoerrores(Trampa::simple(), [&] {
        ++corridas;
        fechaservidor();
    });
    EXPECT_EQ(corridas, 1);
    EXPECT_EQ(sesion().conexion.state(), Connection::StateOpen);
    EXPECT_TRUE(rec_->boxes().isEmpty());
}

TEST_F(ConexionTest, ReRunsAreBoundedWhenTheConnectionKeepsClosing)
{
    int corridas = 0;
    manejoerrores(Trampa::reejecuta().numerada(), [&] {
        ++corridas;
        sesion().conexion.close();
        fechaservidor();
    });
    EXPECT_EQ(corridas, Trampa::MaxReejecuciones + 1);
    ASSERT_EQ(rec_->boxes().size(), 1);
    EXPECT_EQ(rec_->boxes()[0].prompt, MensajeGeneral + QChar(13) + QStringLiteral("ERROR NRO: 3704"));
}

TEST_F(ConexionTest, FailedReconnectionShowsBothMessagesAndGoesOnUnlessAskedToEnd)
{
    sesion().servidor = QStringLiteral("127.0.0.1");
    sesion().puerto = QStringLiteral("1");
    int corridas = 0;
    manejoerrores(Trampa::reejecuta(), [&] {
        ++corridas;
        fechaservidor();
    });
    EXPECT_EQ(corridas, 1);
    EXPECT_EQ(rec_->prompts(), (QStringList{NoConecta, FallaReconexion}));
    EXPECT_EQ(rec_->boxes()[1].title, QStringLiteral("Quorvelin 2007 - PUNTO DE VENTA"));
    EXPECT_EQ(rec_->programEnds(), 0);

    EXPECT_THROW(manejoerrores(Trampa::reejecuta().terminaSiNoReconecta(), [] { fechaservidor(); }),
                 platform::ProgramEnded);
    EXPECT_EQ(rec_->programEnds(), 1);
}

TEST_F(ConexionTest, OtherErrorsShowTheGeneralMessagePlainOrNumbered)
{
    ASSERT_TRUE(abreconexion(sesion().conexion, 0, 3));
    const auto falla = [] { sesion().conexion.execute(QStringLiteral("procedimiento_que_no_existe")); };
    manejoerrores(Trampa::reejecuta(), falla);
    manejoerrores(Trampa::reejecuta().numerada(), falla);
    ASSERT_EQ(rec_->boxes().size(), 2);
    EXPECT_EQ(rec_->boxes()[0].prompt, MensajeGeneral);
    EXPECT_EQ(rec_->boxes()[1].prompt, MensajeGeneral + QChar(13) + QStringLiteral("ERROR NRO: ") +
                                           QString::number(platform::db::err::ServerError));
    EXPECT_EQ(rec_->boxes()[1].style, 64);
    EXPECT_EQ(rec_->boxes()[1].title, QStringLiteral("Atención!"));
}

TEST_F(ConexionTest, FechaservidorFollowsTheServerClockNotTheWorkstation)
{
    db_->setServerClock(QStringLiteral("2031-02-28 23:59:58"));
    ASSERT_TRUE(abreconexion(sesion().conexion, 0, 3));
    fechaservidor();
    EXPECT_EQ(sesion().fechaactual, QStringLiteral("28/02/2031"));
    EXPECT_EQ(sesion().horaactual, QStringLiteral("23:59:58 "));
    fechaservidor(); // twice in the same second: the same texts
    EXPECT_EQ(sesion().fechaactual, QStringLiteral("28/02/2031"));
    EXPECT_EQ(sesion().horaactual, QStringLiteral("23:59:58 "));

    db_->setServerClock(QStringLiteral("2031-03-01 00:00:01")); // past midnight on the server
    ASSERT_TRUE(abreconexion(sesion().conexion, 0, 3));
    fechaservidor();
    EXPECT_EQ(sesion().fechaactual, QStringLiteral("01/03/2031"));
    EXPECT_EQ(sesion().horaactual, QStringLiteral("00:00:01 "));
}

// The session the program holds is killed on the server, and the server
// refuses new connections to the database: the fresh-connection check fails,
// leaves the new unopened connection, and the statement that follows goes to
// the trap as a closed connection, which reports the failed reconnection.
TEST_F(ConexionTest, AFailedRenewalLeavesAnUnopenedConnectionAndTheTrapReportsIt)
{
    ASSERT_TRUE(abreconexion(sesion().conexion, 0, 3));
    const QString pid = backendPid();
    db_->exec(QStringLiteral("ALTER DATABASE \"%1\" CONNECTION LIMIT 0").arg(db_->name()));
    ASSERT_EQ(db_->scalar(QStringLiteral("SELECT pg_terminate_backend(%1, 60000)").arg(pid)),
              QStringLiteral("t"));

    int corridas = 0;
    manejoerrores(Trampa::reejecuta().numerada(), [&] {
        ++corridas;
        renuevaconexion();
        fechaservidor();
    });
    db_->exec(QStringLiteral("ALTER DATABASE \"%1\" CONNECTION LIMIT -1").arg(db_->name()));

    EXPECT_EQ(corridas, 1);
    EXPECT_EQ(sesion().conexion.state(), Connection::StateClosed);
    // The opener's message at the renewal and at the reconnection, then the
    // trap's; never the general message of a lost connection.
    ASSERT_EQ(rec_->boxes().size(), 3);
    EXPECT_EQ(rec_->boxes()[0].prompt, rec_->boxes()[1].prompt);
    EXPECT_EQ(rec_->boxes()[2].prompt, FallaReconexion);
    EXPECT_EQ(rec_->boxes()[2].title, QStringLiteral("Quorvelin 2007 - PUNTO DE VENTA"));
    EXPECT_EQ(rec_->programEnds(), 0);

    // The server takes connections again: the next handler's statement
    // reconnects through the trap and runs.
    rec_->clear();
    corridas = 0;
    manejoerrores(Trampa::reejecuta().numerada(), [&] {
        ++corridas;
        renuevaconexion();
        fechaservidor();
    });
    EXPECT_EQ(corridas, 2);
    EXPECT_TRUE(rec_->boxes().isEmpty());
    EXPECT_EQ(sesion().conexion.state(), Connection::StateOpen);
}
