// The sale-point report after an update, against the real server: which
// command lines read TAQUILLA.INI, the user and seller the server receives,
// missing settings, the connection's failures, and the report at the end of
// a whole update.

#include "messagerecorder.h"
#include "sitiopaquetes.h"
#include "testdb.h"
#include "updater/taquilla.h"

#include "platform/db/dberror.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

using namespace sitiopaquetes;
using testsupport::MessageRecorder;
using testsupport::TestDatabase;
using updater::estadoactualizador;

namespace {

const QString Gracias = QStringLiteral("Gracias por utilizar Quorvelin On Line!");
const QString SinConexion = QStringLiteral(
    "No se puede Conectar con el Servidor de Datos Remotos... Finalizando");
const QString Exito = QStringLiteral("La actualizacion se ha descargado sin problemas");

// A credential as the program stores it: each character's code raised by
// its position, in decimal, each followed by "/".
QByteArray codifica(const QByteArray& texto)
{
    QByteArray codigos;
    for (int i = 0; i < texto.size(); ++i)
        codigos += QByteArray::number(int(uchar(texto[i])) + i + 1) + '/';
    return codigos;
}

class TaquillaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testsupport::haveTestCluster()) << "needs the test cluster: run scripts/test";
        db_ = std::make_unique<TestDatabase>();
        // The server's procedure accepts the call and keeps nothing; this
        // stand-in notes each call, so the test sees what arrived.
        db_->exec(QStringLiteral(
            "SET ROLE duroz_dueno;"
            "CREATE TABLE public.llamadas_prueba (n serial, usuario text, vendedor text);"
            "CREATE OR REPLACE FUNCTION proc.xedotaquilla(xusuario varchar, xvendedor varchar) "
            "RETURNS void LANGUAGE sql SECURITY DEFINER SET search_path = proc, public, pg_temp AS "
            "$$ INSERT INTO public.llamadas_prueba (usuario, vendedor) VALUES (xusuario, xvendedor) $$;"
            "RESET ROLE"));
        ASSERT_TRUE(carpeta_.isValid());
        qputenv("DUROZ_HOME", carpeta_.path().toUtf8());
        qputenv("PELVANTO_PUERTO", TestDatabase::port().toLatin1());
        qunsetenv("PELVANTO_DB_LOGIN");
        qunsetenv("PELVANTO_DB_PASSWORD");
        estadoactualizador() = updater::EstadoActualizador();
    }

    void TearDown() override
    {
        estadoactualizador() = updater::EstadoActualizador();
        qunsetenv("DUROZ_HOME");
        qunsetenv("PELVANTO_PUERTO");
        qunsetenv("PELVANTO_DB_PASSWORD");
        qunsetenv("DUROZ_SERVIDOR_ACTUALIZACION");
    }

    QString ruta(const QString& nombre) const { return carpeta_.filePath(nombre); }

    // Between the cases of a test: no boxes, no state of an earlier run.
    void reinicia()
    {
        rec_.clear();
        estadoactualizador() = updater::EstadoActualizador();
    }

    // The settings file of a sale point of the test database.
    QByteArray ini(
        const QByteArray& usuarioActual = "[Usuario Actual]\r\nUsuario=U7\r\nVendedor=00042\r\n") const
    {
        return "[Comunicaciones]\r\nBDONLine=" + db_->name().toLatin1() +
               "\r\nDIRIP_1=" + TestDatabase::host().toLatin1() + "\r\n" + usuarioActual;
    }

    QStringList llamadas() const
    {
        return db_->rows(QStringLiteral("SELECT usuario, vendedor FROM llamadas_prueba ORDER BY n"));
    }

    // Nothing read, nothing opened, nothing shown, nothing sent.
    void nadaOcurrio() const
    {
        EXPECT_TRUE(llamadas().isEmpty());
        EXPECT_TRUE(rec_.boxes().isEmpty()) << rec_.prompts().join(QLatin1Char('|')).toStdString();
        EXPECT_FALSE(estadoactualizador().conexion.isOpen());
        EXPECT_EQ(estadoactualizador().servidor, QString());
        EXPECT_TRUE(estadoactualizador().taquilla.otros.isEmpty());
    }

    std::unique_ptr<TestDatabase> db_;
    QTemporaryDir carpeta_;
    MessageRecorder rec_;
};

TEST_F(TaquillaTest, OnlyExactlySlashOneReportsTheSalePointsUserAndSeller)
{
    struct Caso {
        const char* argumentos;
        bool informa;
    };
    const Caso casos[] = {
        {"/1", true},   {"", false},      {"/2", false},  {"/1 ", false},
        {" /1", false}, {"/1 /1", false}, {"/10", false},
    };
    escribe(ruta(QStringLiteral("TAQUILLA.INI")), ini());
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.argumentos);
        reinicia();
        updater::verificaedotaquilla(QString::fromLatin1(c.argumentos));
        if (!c.informa) {
            nadaOcurrio();
            continue;
        }
        EXPECT_EQ(llamadas(), QStringList{QStringLiteral("U7|00042")});
        ASSERT_EQ(rec_.boxes().size(), 1);
        EXPECT_EQ(rec_.boxes()[0].prompt, Gracias);
        EXPECT_EQ(rec_.boxes()[0].title, QStringLiteral("El Equipo de Quorvelin"));
        EXPECT_EQ(rec_.boxes()[0].style, platform::msg::Information);
        // The connection stays open, to the server and database named.
        EXPECT_TRUE(estadoactualizador().conexion.isOpen());
        EXPECT_EQ(estadoactualizador().conexion.params().database, db_->name());
        EXPECT_EQ(estadoactualizador().conexion.params().port, TestDatabase::port().toInt());
        db_->exec(QStringLiteral("TRUNCATE llamadas_prueba"));
    }
}

TEST_F(TaquillaTest, TheSettingsFileIsFoundWithoutRegardToCaseOrNotAtAll)
{
    struct Caso {
        const char* archivo; // nullptr: none
        bool carpeta;        // a folder of that name instead of a file
        bool informa;
    };
    const Caso casos[] = {
        {"taquilla.ini", false, true}, {"Taquilla.Ini", false, true},      {nullptr, false, false},
        {"TAQUILLA.INI", true, false}, {"TAQUILLA.INI.bak", false, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.archivo ? c.archivo : "none");
        QTemporaryDir dir;
        qputenv("DUROZ_HOME", dir.path().toUtf8());
        reinicia();
        if (c.archivo && c.carpeta)
            QDir(dir.path()).mkdir(QString::fromLatin1(c.archivo));
        else if (c.archivo)
            escribe(dir.filePath(QString::fromLatin1(c.archivo)), ini());
        updater::verificaedotaquilla(QStringLiteral("/1"));
        if (c.informa) {
            EXPECT_EQ(llamadas(), QStringList{QStringLiteral("U7|00042")});
            EXPECT_EQ(rec_.prompts(), QStringList{Gracias});
        } else {
            nadaOcurrio();
        }
        db_->exec(QStringLiteral("TRUNCATE llamadas_prueba"));
    }
}

TEST_F(TaquillaTest, MissingUserAndSellerGoOutEmptyAndCodesArriveAsTheyAre)
{
    struct Caso {
        const char* porque;
        QByteArray usuarioActual;
        const char* llega;
    };
    const Caso casos[] = {
        {"no section", "", "|"},
        {"no keys", "[Usuario Actual]\r\nNombreUser=ANA\r\n", "|"},
        {"only the user", "[usuario actual]\r\nusuario=U7\r\n", "U7|"},
        {"quotes and semicolons",
         "[Usuario Actual]\r\nUsuario=O'NEIL'; DROP TABLE x; --\r\nVendedor=00'42\r\n",
         "O'NEIL'; DROP TABLE x; --|00'42"},
        {"blanks kept", "[Usuario Actual]\r\nUsuario=\" U7 \"\r\nVendedor=00042\r\n", " U7 |00042"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.porque);
        reinicia();
        escribe(ruta(QStringLiteral("TAQUILLA.INI")), ini(c.usuarioActual));
        updater::verificaedotaquilla(QStringLiteral("/1"));
        EXPECT_EQ(llamadas(), QStringList{QString::fromLatin1(c.llega)});
        EXPECT_EQ(rec_.prompts(), QStringList{Gracias});
        db_->exec(QStringLiteral("TRUNCATE llamadas_prueba"));
    }
}

TEST_F(TaquillaTest, TheOtherKeysAreKeptAsTextOrNumber)
{
    escribe(ruta(QStringLiteral("TAQUILLA.INI")),
            ini() + "[Impresion]\r\nDiascaduca=30 dias\r\nTipoLetra=N\r\n"
                    "[Config_Taquilla]\r\nDireccion=Calle 1\r\nPATH_TAQUILLA=C:\\QT\r\n");
    updater::verificaedotaquilla(QStringLiteral("/1"));

    const updater::ValoresTaquilla& v = estadoactualizador().taquilla;
    EXPECT_EQ(v.usuariotaquilla, QStringLiteral("U7"));
    EXPECT_EQ(v.vendedortaquilla, QStringLiteral("00042"));
    EXPECT_EQ(v.basedatosini, db_->name());
    EXPECT_EQ(v.otros.value(QStringLiteral("Diascaduca")), QVariant(30.0));
    EXPECT_EQ(v.otros.value(QStringLiteral("MargenIzquierdo")), QVariant(0.0));
    EXPECT_EQ(v.otros.value(QStringLiteral("TipoLetra")), QVariant(QStringLiteral("N")));
    EXPECT_EQ(v.otros.value(QStringLiteral("Direccion")), QVariant(QStringLiteral("Calle 1")));
    EXPECT_EQ(v.otros.value(QStringLiteral("Estado_user")), QVariant(QString()));
    EXPECT_FALSE(v.otros.contains(QStringLiteral("PATH_TAQUILLA")));
    EXPECT_EQ(v.otros.size(), 26 - 1 - 4);
}

TEST_F(TaquillaTest, AServerThatCannotBeReachedEndsTheUpdaterAfterItsMessage)
{
    escribe(ruta(QStringLiteral("TAQUILLA.INI")), ini());
    qputenv("PELVANTO_PUERTO", direccionSinSitio().section(QLatin1Char(':'), 1).toLatin1());

    EXPECT_THROW(updater::verificaedotaquilla(QStringLiteral("/1")), platform::ProgramEnded);

    ASSERT_EQ(rec_.boxes().size(), 1);
    EXPECT_EQ(rec_.boxes()[0].prompt, SinConexion);
    EXPECT_EQ(rec_.boxes()[0].title, QStringLiteral("QUORVELIN ON LINE - PUNTO DE VENTA"));
    EXPECT_EQ(rec_.boxes()[0].style, platform::msg::Critical);
    EXPECT_EQ(estadoactualizador().caja.contextoayuda, 1000);
    EXPECT_EQ(rec_.programEnds(), 1);
    EXPECT_TRUE(llamadas().isEmpty());
}

TEST_F(TaquillaTest, ARefusedLoginIsToldAndTheUpdaterGoesOnWithoutTheCall)
{
    escribe(ruta(QStringLiteral("TAQUILLA.INI")), ini());
    qputenv("PELVANTO_DB_PASSWORD", codifica("no es la clave"));

    updater::verificaedotaquilla(QStringLiteral("/1"));

    EXPECT_EQ(rec_.prompts(), QStringList{SinConexion});
    EXPECT_EQ(rec_.boxes().value(0).title, QStringLiteral("QUORVELIN ON LINE - PUNTO DE VENTA"));
    EXPECT_EQ(rec_.programEnds(), 0);
    EXPECT_FALSE(estadoactualizador().conexion.isOpen());
    EXPECT_TRUE(llamadas().isEmpty());
}

TEST_F(TaquillaTest, TheUpdatersOwnCredentialsAreUsed)
{
    db_->exec(QStringLiteral("CREATE ROLE pelvanto_prueba LOGIN PASSWORD 'clave7' IN ROLE duroz"));
    escribe(ruta(QStringLiteral("TAQUILLA.INI")), ini());
    qputenv("PELVANTO_DB_LOGIN", codifica("pelvanto_prueba"));
    qputenv("PELVANTO_DB_PASSWORD", codifica("clave7"));

    updater::verificaedotaquilla(QStringLiteral("/1"));

    EXPECT_EQ(estadoactualizador().conexion.params().user, QStringLiteral("pelvanto_prueba"));
    EXPECT_EQ(llamadas(), QStringList{QStringLiteral("U7|00042")});
    db_->exec(QStringLiteral("DROP OWNED BY pelvanto_prueba; DROP ROLE pelvanto_prueba"));
}

TEST_F(TaquillaTest, AFailedCallGoesToTheCallerWithoutTheThanks)
{
    escribe(ruta(QStringLiteral("TAQUILLA.INI")), ini());
    db_->exec(QStringLiteral("DROP FUNCTION proc.xedotaquilla(varchar, varchar)"));

    EXPECT_THROW(updater::verificaedotaquilla(QStringLiteral("/1")), platform::db::DbError);
    EXPECT_TRUE(rec_.boxes().isEmpty());
}

// A whole update on a sale point started with "/1".
class ActualizacionTaquillaTest : public TaquillaTest {
protected:
    void SetUp() override
    {
        TaquillaTest::SetUp();
        qputenv("DUROZ_SERVIDOR_ACTUALIZACION", sitio_.direccion().toLatin1());
        escribe(ruta(QStringLiteral("TAQUILLA.INI")), ini());
        escribe(ruta(programa(0).archivo), "viejo");
        sitio_.sirveCuerpo(programa(0).rutapaquete, paqueteQueSeCopia(programa(0)));
    }

    Sitio sitio_;
};

TEST_F(ActualizacionTaquillaTest, TheSalePointIsReportedAfterTheInstallation)
{
    updater::Form1 v(QStringLiteral("/1"));
    actualiza(v);

    EXPECT_EQ(rec_.prompts(), (QStringList{Exito, Gracias}));
    EXPECT_EQ(llamadas(), QStringList{QStringLiteral("U7|00042")});
    EXPECT_TRUE(v.Command1->isEnabled());
}

TEST_F(ActualizacionTaquillaTest, AFailedReportEndsTheRunSilentlyWithTheProgramInstalled)
{
    db_->exec(QStringLiteral("DROP FUNCTION proc.xedotaquilla(varchar, varchar)"));
    updater::Form1 v(QStringLiteral("/1"));
    actualiza(v);

    EXPECT_EQ(rec_.prompts(), QStringList{Exito});
    EXPECT_EQ(lee(ruta(programa(0).archivo)), paqueteQueSeCopia(programa(0)));
    EXPECT_FALSE(v.Command1->isEnabled());
}

TEST_F(ActualizacionTaquillaTest, WithoutSlashOneTheUpdateEndsWithItsOwnMessage)
{
    updater::Form1 v(QStringLiteral("/2"));
    actualiza(v);

    EXPECT_EQ(rec_.prompts(), QStringList{Exito});
    EXPECT_TRUE(llamadas().isEmpty());
    EXPECT_TRUE(v.Command1->isEnabled());
}

} // namespace
