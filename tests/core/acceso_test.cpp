// The server side of the login and the main menu, through the calls the
// windows make: VLDUSRB, obternerip on the central server, and the three
// lookup lists.

#include "core/acceso.h"
#include "core/conexion.h"
#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/db/dberror.h"
#include "../server/serverscripts.h"
#include "sessiontest.h"
#include "testdb.h"

#include <gtest/gtest.h>

using namespace core;
using platform::db::DbError;
using platform::db::RecordSet;
using testsupport::TestDatabase;

namespace {

QStringList filas(RecordSet rs, const QStringList& campos)
{
    QStringList out;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QStringList celdas;
        for (const QString& campo : campos) {
            const QVariant v = rs.value(campo);
            celdas << (v.isNull() ? QStringLiteral("NULL") : v.toString());
        }
        out << celdas.join(QLatin1Char('|'));
    }
    return out;
}

class AccesoTest : public testsupport::SessionTest {
protected:
    void siembra(TestDatabase& db) override
    {
        db.exec(QStringLiteral("INSERT INTO operador (operador, nombreope, claveope, permisooperador) VALUES "
                               "('ADMIN', 'Administrador', 'Secreta1', '01-02-03-'), "
                               "('SINCL', 'Sin clave', '', '01-')"));
    }

    static Validacion valida(const QString& usuario, const QString& clave)
    {
        return validausuario(sesion().conexion, usuario, clave);
    }
};

} // namespace

TEST_F(AccesoTest, VldusrbAnswersTheOperatorsRowOnlyForHisOwnPassword)
{
    db_->exec(QStringLiteral("INSERT INTO parametrosbanca (id, name_duroz) VALUES (1, 'BANCA PRUEBA')"));
    const Validacion bien = valida(QStringLiteral("ADMIN"), QStringLiteral("Secreta1"));
    EXPECT_EQ(bien.retorno, QStringLiteral("0"));
    EXPECT_EQ(filas(bien.filas, {QStringLiteral("NombreOpe"), QStringLiteral("Name_duroz"),
                                 QStringLiteral("permisooperador")}),
              QStringList{QStringLiteral("Administrador|BANCA PRUEBA|01-02-03-")});

    struct Caso {
        const char* usuario;
        const char* clave;
        const char* porque;
    };
    const Caso rechazos[] = {
        {"ADMIN", "secreta1", "case counts in the password"},
        {"ADMIN", "Secreta", "a prefix is no password"},
        {"ADMIN", "Secreta1x", "cut to 10 characters, still not his"},
        {"admin", "Secreta1", "codes compare as stored"},
        {"NADIE", "Secreta1", "unknown operator"},
        {"SINCL", "", "a blank password never matches"},
        {"ADMIN", "' OR '1'='1", "typed text is a value, never SQL"},
    };
    for (const Caso& c : rechazos) {
        const Validacion v = valida(QString::fromUtf8(c.usuario), QString::fromUtf8(c.clave));
        EXPECT_EQ(v.retorno, QStringLiteral("0")) << c.porque;
        EXPECT_EQ(v.filas.recordCount(), 0) << c.porque;
    }
}

TEST_F(AccesoTest, VldusrbGivesANullHouseNameWhenTheHouseHasNone)
{
    const Validacion v = valida(QStringLiteral("ADMIN"), QStringLiteral("Secreta1"));
    ASSERT_EQ(v.filas.recordCount(), 1);
    EXPECT_TRUE(v.filas.value(QStringLiteral("Name_duroz")).isNull());
}

TEST_F(AccesoTest, VldusrbRefusesAnUnknownMode)
{
    EXPECT_THROW(sesion().conexion.execute(platform::db::callText(
                     QStringLiteral("VLDUSRB"),
                     {QStringLiteral("9"), QStringLiteral("ADMIN"), QStringLiteral("Secreta1")})),
                 DbError);
}

TEST_F(AccesoTest, TheLookupListsCarryWhatTheirReadersTake)
{
    db_->exec(QStringLiteral(
        "INSERT INTO loterias (cod_lot, desc_lot, juegaespecial, estado_act) VALUES "
        "('002', 'ZULIA B', 'N', 'A'), ('001', 'ZULIA A', 'S', 'A'), ('003', 'VIEJA', 'N', 'I');"
        "INSERT INTO jugadas (especial, desc_espec) VALUES ('ZO', 'Zodiacal'), ('AN', 'Animalitos');"
        "INSERT INTO jugadeta (especial, jugada, desc_jugada) VALUES "
        "('ZO', '02', 'TAURO'), ('ZO', '01', 'ARIES'), ('AN', '11', 'GATO');"
        "INSERT INTO vendedor (codvendedor, nombre_vend, perteneceal) VALUES "
        "('00002', 'JEFE', NULL), ('00001', 'SOLO', NULL);"
        "INSERT INTO vendedor (codvendedor, nombre_vend, perteneceal) VALUES "
        "('00003', 'DEL GRUPO', '00002');"));

    cargalistascompartidas(sesion().conexion);
    const Sesion& s = sesion();

    EXPECT_EQ(filas(s.rsloterias,
                    {QStringLiteral("COD_LOT"), QStringLiteral("desc_lot"), QStringLiteral("juegaespecial")}),
              QStringList({QStringLiteral("001|ZULIA A|S"), QStringLiteral("002|ZULIA B|N")}));
    EXPECT_EQ(filas(s.rsjugadas,
                    {QStringLiteral("especial"), QStringLiteral("jugada"), QStringLiteral("desc_jugada")}),
              QStringList({QStringLiteral("AN|11|GATO"), QStringLiteral("ZO|01|ARIES"),
                           QStringLiteral("ZO|02|TAURO")}));
    // The seller grid reads columns 0 and 1 and hides 2: code, name, chief.
    RecordSet vendedores = s.rsvendedores;
    ASSERT_GE(vendedores.fieldCount(), 3);
    EXPECT_EQ(vendedores.field(0).name().toLower(), QStringLiteral("codvendedor"));
    EXPECT_EQ(vendedores.field(1).name().toLower(), QStringLiteral("nombre_vend"));
    EXPECT_EQ(vendedores.field(2).name().toLower(), QStringLiteral("perteneceal"));
    EXPECT_EQ(filas(vendedores, {QStringLiteral("codvendedor"), QStringLiteral("nombre_vend"),
                                 QStringLiteral("perteneceal")}),
              QStringList({QStringLiteral("00001|SOLO|NULL"), QStringLiteral("00002|JEFE|NULL"),
                           QStringLiteral("00003|DEL GRUPO|00002")}));
    // The ticket look-up finds lotteries and plays by code.
    RecordSet loterias = s.rsloterias;
    loterias.moveFirst();
    EXPECT_TRUE(loterias.find(QStringLiteral("cod_lot = '002'")));
    RecordSet jugadas = s.rsjugadas;
    jugadas.moveFirst();
    EXPECT_TRUE(jugadas.find(QStringLiteral("jugada = '11'")));
}

TEST_F(AccesoTest, ListModesOtherThanTheKnownOnesAreRefused)
{
    auto& conexion = sesion().conexion;
    EXPECT_THROW(conexion.execute(QStringLiteral("xDSPLOT '3', 'A'")), DbError);
    for (const char* modo : {"8", "", "5; DROP TABLE vendedor", "modo5"}) {
        try {
            conexion.execute(platform::db::callText(QStringLiteral("dspven2"), {QString::fromUtf8(modo)}));
            ADD_FAILURE() << "mode " << modo << " was accepted";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.description().contains(QStringLiteral("modo desconocido")))
                << e.description().toStdString();
        }
    }
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM pg_tables WHERE tablename = 'vendedor'")),
              QStringLiteral("1"));
}

TEST_F(AccesoTest, ANewSellerListModeIsJustANewFunction)
{
    db_->exec(QStringLiteral("INSERT INTO vendedor (codvendedor, nombre_vend) VALUES ('00001', 'SOLO')"));
    // Made as the loader makes every routine of proc: the owner's, run as it.
    db_->exec(QStringLiteral("SET ROLE duroz_dueno;"
                             "CREATE FUNCTION proc.dspven2_modo7() RETURNS TABLE (nombre varchar) "
                             "LANGUAGE sql SECURITY DEFINER SET search_path = proc, public, pg_temp "
                             "AS $$ SELECT nombre_vend FROM vendedor $$;"
                             "RESET ROLE"));
    const RecordSet rs = sesion().conexion.execute(QStringLiteral("dspven2 '7'"));
    EXPECT_EQ(filas(rs, {QStringLiteral("nombre")}), QStringList{QStringLiteral("SOLO")});
}

class CentralTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_TEST_CLUSTER();
        central_ = std::make_unique<TestDatabase>(true);
        central_->exec(QStringLiteral("INSERT INTO servidores (nombre, direccion) VALUES "
                                      "('Banca1', '10.0.0.7'), ('OTRA', '10.0.0.9')"));
    }

    QString consulta(const QString& nombre) const
    {
        return consultadireccion(central_->connectionString(), nombre);
    }

    std::unique_ptr<TestDatabase> central_;
};

TEST_F(CentralTest, ObterneripAnswersTheAddressOfAKnownNameAndNothingForOthers)
{
    EXPECT_EQ(consulta(QStringLiteral("Banca1")), QStringLiteral("10.0.0.7"));
    EXPECT_EQ(consulta(QStringLiteral("  banca1 ")), QStringLiteral("10.0.0.7"));
    EXPECT_EQ(consulta(QStringLiteral("otra")), QStringLiteral("10.0.0.9"));
    EXPECT_EQ(consulta(QStringLiteral("DESCONOCIDO")), QString());
    EXPECT_EQ(consulta(QString()), QString());
}

TEST_F(CentralTest, ObterneripReturnsZeroOnlyForAKnownName)
{
    const QString retorno = QStringLiteral("SELECT return_value FROM proc.obternerip('%1', '0')");
    EXPECT_EQ(central_->scalar(retorno.arg(QStringLiteral("Banca1"))), QStringLiteral("0"));
    EXPECT_EQ(central_->scalar(retorno.arg(QStringLiteral("X"))), QStringLiteral("1"));
}

TEST_F(CentralTest, TheCentralDatabaseLoadsAgainKeepingItsNames)
{
    QString salida;
    ASSERT_EQ(serverscripts::run(QStringLiteral("server/load"),
                                 {QStringLiteral("--master"), central_->name()}, false, &salida),
              0)
        << salida.toStdString();
    ASSERT_EQ(serverscripts::run(QStringLiteral("server/load"),
                                 {QStringLiteral("--master"), central_->name()}, false, &salida),
              0)
        << salida.toStdString();
    EXPECT_EQ(
        central_->scalar(QStringLiteral("SELECT count(*) FROM pg_tables WHERE tablename = 'servidores'")),
        QStringLiteral("1"));
    EXPECT_EQ(consulta(QStringLiteral("Banca1")), QStringLiteral("10.0.0.7"));
}
