// DSPLOT, ACTLOT, dspjuntas and dspoperadoras on the real server.

#include "datosloterias.h"

#include "lotteries/actlot.h"

#include "core/masteredita.h"

#include "platform/db/dberror.h"
#include "platform/regional.h"

using namespace lotteries;
using datosloterias::registro;
namespace db = platform::db;

namespace {

class LoteriasServidorTest : public datosloterias::Fixture {
protected:
    QString graba(const RegistroLoteria& r, const QString& modo)
    {
        db::Command comando = comandograbaloteria(r, modo);
        comando.execute();
        return core::respuesta(comando);
    }
    QString elimina(const QString& codigo)
    {
        RegistroLoteria r;
        r.codigo = codigo;
        for (const QString& campo : core::campos::Venta + core::campos::Digito + core::campos::Pares)
            r.montos.insert(campo.toLower(), QString());
        db::Command comando = comandoeliminaloteria(r);
        comando.execute();
        return core::respuesta(comando);
    }
    QStringList codigos() { return db().rows(QStringLiteral("SELECT cod_lot FROM loterias ORDER BY 1")); }
};

QStringList columna(db::RecordSet rs, const QString& nombre)
{
    QStringList valores;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        valores << core::textocampo(rs.value(nombre));
    return valores;
}

} // namespace

TEST_F(LoteriasServidorTest, LookupsListBoardsAndOperatorsByCode)
{
    db::RecordSet juntas = core::sesion().conexion.execute(QStringLiteral("dspjuntas"));
    EXPECT_EQ(columna(juntas, QStringLiteral("codigo_junta")),
              (QStringList{QStringLiteral("001"), QStringLiteral("002")}));
    EXPECT_EQ(columna(juntas, QStringLiteral("descripcion_junta")),
              (QStringList{QStringLiteral("Beneficencia Zulia"), QStringLiteral("Beneficencia Capital")}));
    db::RecordSet operadoras = core::sesion().conexion.execute(QStringLiteral("dspoperadoras"));
    EXPECT_EQ(columna(operadoras, QStringLiteral("codigo_operadora")),
              (QStringList{QStringLiteral("001"), QStringLiteral("002")}));
    EXPECT_EQ(operadoras.field(1).name().toLower(), QStringLiteral("descripcion_operadora"));
}

TEST_F(LoteriasServidorTest, DsplotListsEveryLotteryWhateverTheCode)
{
    for (const QString& codigo : {QString(), QStringLiteral("002"), QStringLiteral("x'y")}) {
        db::RecordSet rs = listaloterias(codigo);
        EXPECT_EQ(columna(rs, QStringLiteral("cod_lot")),
                  (QStringList{QStringLiteral("001"), QStringLiteral("002"), QStringLiteral("003")}));
        EXPECT_EQ(rs.field(0).name().toLower(), QStringLiteral("cod_lot"));
        EXPECT_EQ(rs.field(1).name().toLower(), QStringLiteral("desc_lot"));
    }
    db::RecordSet rs = listaloterias(QString());
    EXPECT_EQ(core::itemcodigo(rs.value(QStringLiteral("codigo_junta")),
                               rs.value(QStringLiteral("descripcion_junta"))),
              QStringLiteral("001 - Beneficencia Zulia"));
    EXPECT_EQ(core::itemcodigo(rs.value(QStringLiteral("codigo_operadora")),
                               rs.value(QStringLiteral("descripcion_operadora"))),
              QStringLiteral("002 - Azar Capital"));
    EXPECT_EQ(platform::regional::toText(rs.value(QStringLiteral("P_Tri_3"))), QStringLiteral("6"));
    EXPECT_EQ(platform::regional::toText(rs.value(QStringLiteral("Comi_Ter"))), QStringLiteral("12,5"));
    EXPECT_EQ(platform::regional::toText(rs.value(QStringLiteral("hora_3"))), QStringLiteral("21:05:00"));
    rs.moveNext(); // 002: no board, no operator, no hours
    EXPECT_TRUE(rs.value(QStringLiteral("descripcion_junta")).isNull());
    EXPECT_TRUE(rs.value(QStringLiteral("hora_1")).isNull());
}

TEST_F(LoteriasServidorTest, DsplotRefusesAnUnknownMode)
{
    try {
        core::sesion().conexion.execute(QStringLiteral("DSPLOT '1', ''"));
        FAIL() << "mode 1 was accepted";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.number(), db::err::ServerError);
    }
}

TEST_F(LoteriasServidorTest, AddModifyAndDeleteALottery)
{
    RegistroLoteria r = registro(QStringLiteral("NEW"), QStringLiteral("NUEVA LOTERIA"));
    ASSERT_EQ(graba(r, QStringLiteral("1")), QStringLiteral("0"));
    EXPECT_EQ(db().scalar(QStringLiteral(
                  "SELECT desc_lot || '|' || lim_tri || '|' || p_ter_1 || '|' || hora_7 || '|' ||"
                  " codigo_junta || '|' || estado_act FROM loterias WHERE cod_lot = 'NEW'")),
              QStringLiteral("NUEVA LOTERIA|3.000|10.000|12:00:00|001|A"));

    r.nombre = QStringLiteral("CAMBIADA");
    r.junta.clear(); // an empty list: no board
    r.montos[QStringLiteral("lim_tri")] = QStringLiteral("12.5");
    ASSERT_EQ(graba(r, QStringLiteral("2")), QStringLiteral("0"));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT desc_lot || '|' || lim_tri || '|' ||"
                                         " coalesce(codigo_junta, 'NULL') FROM loterias"
                                         " WHERE cod_lot = 'NEW'")),
              QStringLiteral("CAMBIADA|12.500|NULL"));

    db().exec(QStringLiteral("INSERT INTO jugadas VALUES ('T1', 'TRIPLETAZO');"
                             "INSERT INTO lotespec (cod_lot, especial) VALUES ('NEW', 'T1')"));
    ASSERT_EQ(elimina(QStringLiteral("NEW")), QStringLiteral("0"));
    EXPECT_FALSE(codigos().contains(QStringLiteral("NEW")));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM lotespec")), QStringLiteral("0"));
}

struct CasoRechazo {
    const char* caso;
    const char* modo;
    std::function<void(RegistroLoteria&)> cambia;
    const char* respuesta;
};

class ActlotRechazoTest : public LoteriasServidorTest, public ::testing::WithParamInterface<CasoRechazo> {};

TEST_P(ActlotRechazoTest, RefusesWithItsCodeAndChangesNothing)
{
    const QStringList antes = db().rows(QStringLiteral("SELECT * FROM loterias ORDER BY cod_lot"));
    RegistroLoteria r = registro(QStringLiteral("001"), QStringLiteral("OTRO NOMBRE"));
    GetParam().cambia(r);
    EXPECT_EQ(graba(r, QString::fromLatin1(GetParam().modo)), QString::fromLatin1(GetParam().respuesta));
    EXPECT_EQ(db().rows(QStringLiteral("SELECT * FROM loterias ORDER BY cod_lot")), antes);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ActlotRechazoTest,
    ::testing::Values(
        CasoRechazo{"code exists", "1", [](RegistroLoteria&) {}, "1"},
        CasoRechazo{"no such lottery", "2", [](RegistroLoteria& r) { r.codigo = QStringLiteral("999"); },
                    "2"},
        CasoRechazo{"short code", "1", [](RegistroLoteria& r) { r.codigo = QStringLiteral("AB "); }, "3"},
        CasoRechazo{"blank name", "2", [](RegistroLoteria& r) { r.nombre = QStringLiteral("   "); }, "3"},
        CasoRechazo{"unknown board", "2", [](RegistroLoteria& r) { r.junta = QStringLiteral("077 - X"); },
                    "6"},
        CasoRechazo{"unknown operator", "2", [](RegistroLoteria& r) { r.operadora = QStringLiteral("9"); },
                    "6"},
        CasoRechazo{"bad day flag", "2", [](RegistroLoteria& r) { r.dias[3] = QStringLiteral("s"); }, "7"},
        CasoRechazo{"bad hour", "2", [](RegistroLoteria& r) { r.horas[0] = QStringLiteral("25:00:00"); },
                    "7"},
        CasoRechazo{"hour not a time", "2",
                    [](RegistroLoteria& r) { r.horas[6] = QStringLiteral("mediodia"); }, "7"},
        CasoRechazo{"negative amount", "2",
                    [](RegistroLoteria& r) { r.montos[QStringLiteral("lim_tri")] = QStringLiteral("-1"); },
                    "7"}),
    [](const ::testing::TestParamInfo<CasoRechazo>& prueba) {
        return QString::fromLatin1(prueba.param.caso)
            .replace(QLatin1Char(' '), QLatin1Char('_'))
            .toStdString();
    });

TEST_F(LoteriasServidorTest, DeleteRefusesAMissingLotteryAndOneThatHistoryNames)
{
    EXPECT_EQ(elimina(QStringLiteral("999")), QStringLiteral("2"));
    db().exec(QStringLiteral("INSERT INTO premiar (cod_lot, fechapremio) VALUES ('003', '2031-01-02')"));
    EXPECT_EQ(elimina(QStringLiteral("003")), QStringLiteral("5"));
    EXPECT_TRUE(codigos().contains(QStringLiteral("003")));
    EXPECT_EQ(elimina(QStringLiteral("")), QStringLiteral("3"));
}

TEST_F(LoteriasServidorTest, AnUnknownModeIsAnError)
{
    try {
        graba(registro(QStringLiteral("001"), QStringLiteral("X")), QStringLiteral("9"));
        FAIL() << "mode 9 was accepted";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.number(), db::err::ServerError);
        EXPECT_TRUE(e.description().contains(QStringLiteral("modo"))) << e.description().toStdString();
    }
}
