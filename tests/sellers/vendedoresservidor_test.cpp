// LIST_VEN, ACTVEN and Borreven on the real server, and the sellers'
// parameter rows that adding a seller, a lottery or a lottery special play
// makes.

#include "datosvendedores.h"

#include "sellers/actven.h"

#include "lotteries/actlot.h"

#include "core/masteredita.h"
#include "core/rutinas.h"

#include "platform/db/calltext.h"
#include "platform/db/dberror.h"
#include "platform/regional.h"

#include <functional>

using namespace sellers;
using datosvendedores::registro;
namespace db = platform::db;

namespace {

class VendedoresServidorTest : public datosvendedores::Fixture {
protected:
    QString graba(const RegistroVendedor& r, const QString& modo)
    {
        db::Command comando = comandoactven(r, modo);
        comando.execute();
        return core::respuesta(comando);
    }
    QString fila(const QString& columnas, const QString& codigo)
    {
        return db().scalar(QStringLiteral("SELECT concat_ws('|', %1) FROM vendedor WHERE codvendedor = '%2'")
                               .arg(columnas, codigo));
    }
    QString cuenta(const QString& tabla, const QString& codigo)
    {
        return db().scalar(
            QStringLiteral("SELECT count(*) FROM %1 WHERE codvendedor = '%2'").arg(tabla, codigo));
    }
};

QString texto(const db::RecordSet& rs, const char* campo)
{
    return platform::regional::toText(rs.value(QString::fromLatin1(campo)));
}

} // namespace

TEST_F(VendedoresServidorTest, ListVenGivesEveryColumnWithTheCodesTheEditorTakesBack)
{
    db::RecordSet rs = listavendedores();
    ASSERT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(rs.field(0).name().toLower(), QStringLiteral("codvendedor"));
    EXPECT_EQ(rs.field(1).name().toLower(), QStringLiteral("nombre_vend"));
    EXPECT_EQ(rs.field(2).name().toLower(), QStringLiteral("perteneceal"));
    EXPECT_EQ(texto(rs, "codvendedor"), QStringLiteral("00001"));
    EXPECT_TRUE(rs.value(QStringLiteral("NOMBREGRUPO")).isNull()); // a chief
    rs.moveNext();
    EXPECT_EQ(texto(rs, "NOMBREGRUPO"), QStringLiteral("00001 .- GRUPO NORTE"));
    EXPECT_EQ(texto(rs, "Descri_Alcaldia"), QStringLiteral("SFR - San Francisco"));
    EXPECT_EQ(texto(rs, "Descri_Gobernacion"), QStringLiteral("ZUL - Zulia"));
    for (const char* campo : {"NOMBREGRUPO", "Descri_Alcaldia", "Descri_Gobernacion"})
        EXPECT_EQ(core::primerapalabra(texto(rs, campo)), texto(rs, campo).section(QLatin1Char(' '), 0, 0));
    const std::pair<const char*, const char*> valores[] = {{"direccion_vend", "Calle 72"},
                                                           {"estado_vend", "1"},
                                                           {"tipode_pago", "2"},
                                                           {"perteneceal", "00001"},
                                                           {"Diascaduca", "9"},
                                                           {"comision_jefe", "2,5"},
                                                           {"impuesto", "12,5"},
                                                           {"codigo_alcaldia", "SFR"},
                                                           {"rif", "J-2"},
                                                           {"nit", "N-2"},
                                                           {"Comi_Tri", "12,5"},
                                                           {"P_ter_3", "0,5"},
                                                           {"Pagacomodin", "S"},
                                                           {"montocomodin", "3,25"},
                                                           {"Comi_digito", "10,5"},
                                                           {"Lim_NumA", "3"},
                                                           {"Comispar", "6,5"},
                                                           {"sencillo_par", "9"},
                                                           {"clave_vend", "c2"},
                                                           {"email_vend", "fortuna@x.ve"}};
    for (const auto& [campo, valor] : valores)
        EXPECT_EQ(texto(rs, campo), QString::fromLatin1(valor)) << campo;
}

TEST_F(VendedoresServidorTest, AddStoresTheRecordAndMakesTheRowsPerLotteryAndSpecialPlay)
{
    ASSERT_EQ(graba(registro(QStringLiteral("00010"), QStringLiteral("NUEVO  ")), QStringLiteral("1")),
              QStringLiteral("0"));
    EXPECT_EQ(fila(QStringLiteral("nombre_vend, estado_vend, tipode_pago, perteneceal, diascaduca,"
                                  " comision_jefe, codigo_alcaldia, codigo_gobernacion, lim_digito,"
                                  " lim_numa, lim_tri, p_ter_3, pagacomodin, montocomodin"),
                   QStringLiteral("00010")),
              QStringLiteral("NUEVO|1|3|00001|5|2.50|LIB|DCA|1.000|5.000|11.000|22.000|S|4.500"));
    // One row per lottery and per lottery special play, from his defaults.
    EXPECT_EQ(db().rows(QStringLiteral("SELECT cod_lot, lim_digito, lim_tri, p_ter_3, pagacomodin,"
                                       " montocomodin, comision_jefe, tipode_pago FROM ven_lot"
                                       " WHERE codvendedor = '00010' ORDER BY cod_lot")),
              (QStringList{QStringLiteral("001|1.000|11.000|22.000|S|4.500|2.50|3"),
                           QStringLiteral("002|1.000|11.000|22.000|S|4.500|2.50|3")}));
    EXPECT_EQ(db().rows(QStringLiteral("SELECT cod_lot, especial, lim_tri, comi_ter, tipode_pago,"
                                       " coalesce(comision_jefe::text, 'NULL') FROM vendespec"
                                       " WHERE codvendedor = '00010'")),
              QStringList{QStringLiteral("001|T1|11.000|14.000|3|NULL")});
    // The other sellers' rows are not touched.
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM ven_lot WHERE codvendedor <> '00010'")),
              QStringLiteral("0"));
}

TEST_F(VendedoresServidorTest, ModifyReplacesTheRecordAndKeepsWhatTheEditorDoesNotSend)
{
    db().exec(
        QStringLiteral("INSERT INTO ven_lot (codvendedor, cod_lot, lim_tri) VALUES ('00002', '001', 77)"));
    const QString antes = fila(QStringLiteral("permisovendedor, puertoprinter"), QStringLiteral("00002"));
    RegistroVendedor r = registro(QStringLiteral("00002"), QStringLiteral("OTRO NOMBRE"));
    r.grupo.clear(); // now a chief
    ASSERT_EQ(graba(r, QStringLiteral("2")), QStringLiteral("0"));
    EXPECT_EQ(fila(QStringLiteral("nombre_vend, coalesce(perteneceal, 'NULL'), codigo_alcaldia,"
                                  " lim_tri"),
                   QStringLiteral("00002")),
              QStringLiteral("OTRO NOMBRE|NULL|LIB|11.000"));
    EXPECT_EQ(fila(QStringLiteral("permisovendedor, puertoprinter"), QStringLiteral("00002")), antes);
    EXPECT_EQ(db().rows(QStringLiteral("SELECT cod_lot, lim_tri FROM ven_lot WHERE codvendedor = '00002'")),
              QStringList{QStringLiteral("001|77.000")});
}

struct CasoRechazo {
    const char* caso;
    const char* modo;
    std::function<void(RegistroVendedor&)> cambia;
    const char* respuesta;
};

class ActvenRechazoTest : public VendedoresServidorTest, public ::testing::WithParamInterface<CasoRechazo> {};

TEST_P(ActvenRechazoTest, RefusesWithItsCodeAndChangesNothing)
{
    const QString todo = QStringLiteral(
        "SELECT (SELECT string_agg(v::text, ';' ORDER BY codvendedor) FROM vendedor v)"
        " || (SELECT count(*) FROM ven_lot) || (SELECT count(*) FROM vendespec)");
    const QString antes = db().scalar(todo);
    RegistroVendedor r = registro(QStringLiteral("00002"), QStringLiteral("CAMBIADO"));
    GetParam().cambia(r);
    EXPECT_EQ(graba(r, QString::fromLatin1(GetParam().modo)), QString::fromLatin1(GetParam().respuesta));
    EXPECT_EQ(db().scalar(todo), antes);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ActvenRechazoTest,
    ::testing::Values(
        CasoRechazo{"code exists", "1", [](RegistroVendedor&) {}, "1"},
        CasoRechazo{"no such seller", "2", [](RegistroVendedor& r) { r.codigo = QStringLiteral("00099"); },
                    "2"},
        CasoRechazo{"short code", "1", [](RegistroVendedor& r) { r.codigo = QStringLiteral("0009"); }, "3"},
        CasoRechazo{"blank code", "1", [](RegistroVendedor& r) { r.codigo = QStringLiteral("     "); }, "3"},
        CasoRechazo{"blank name", "2", [](RegistroVendedor& r) { r.nombre = QStringLiteral("  "); }, "3"},
        CasoRechazo{"no region", "2", [](RegistroVendedor& r) { r.gobernacion.clear(); }, "3"},
        CasoRechazo{"no municipality", "2", [](RegistroVendedor& r) { r.alcaldia.clear(); }, "3"},
        CasoRechazo{"municipality of another region", "2",
                    [](RegistroVendedor& r) { r.alcaldia = QStringLiteral("MCB - Maracaibo"); }, "6"},
        CasoRechazo{"unknown region", "2", [](RegistroVendedor& r) { r.gobernacion = QStringLiteral("XX"); },
                    "6"},
        CasoRechazo{"unknown chief", "2", [](RegistroVendedor& r) { r.grupo = QStringLiteral("00077 .- X"); },
                    "6"},
        CasoRechazo{"own chief", "2", [](RegistroVendedor& r) { r.grupo = QStringLiteral("00002"); }, "7"},
        CasoRechazo{"bad status", "2", [](RegistroVendedor& r) { r.estado = QStringLiteral("4"); }, "7"},
        CasoRechazo{"bad payment mode", "2", [](RegistroVendedor& r) { r.tipopago = QStringLiteral("x"); },
                    "7"},
        CasoRechazo{"negative amount", "2",
                    [](RegistroVendedor& r) { r.montos[QStringLiteral("lim_tri")] = QStringLiteral("-1"); },
                    "7"},
        CasoRechazo{"invisible character in the code", "1",
                    [](RegistroVendedor& r) { r.codigo = QStringLiteral("00\u200B12"); }, "7"},
        CasoRechazo{"negative days", "2", [](RegistroVendedor& r) { r.diascaduca = QStringLiteral("-3"); },
                    "7"}),
    [](const ::testing::TestParamInfo<CasoRechazo>& prueba) {
        return QString::fromLatin1(prueba.param.caso)
            .replace(QLatin1Char(' '), QLatin1Char('_'))
            .toStdString();
    });

TEST_F(VendedoresServidorTest, AnUnknownModeIsAnError)
{
    try {
        graba(registro(QStringLiteral("00010"), QStringLiteral("X")), QStringLiteral("3"));
        FAIL() << "mode 3 was accepted";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.number(), db::err::ServerError);
    }
    EXPECT_EQ(cuenta(QStringLiteral("vendedor"), QStringLiteral("00010")), QStringLiteral("0"));
}

TEST_F(VendedoresServidorTest, DeleteTakesTheSellersRowsAlongAndFreesHisTerminals)
{
    db().exec(QStringLiteral(
        "INSERT INTO ven_lot (codvendedor, cod_lot) VALUES ('00003', '001'), ('00003', '002');"
        "INSERT INTO vendespec (codvendedor, cod_lot, especial) VALUES ('00003', '001', 'T1');"
        "INSERT INTO usuarios (codvendedor, usuario, nombre_usua) VALUES ('00003', 'U1', 'CAJERO');"
        "INSERT INTO impuesto (codigo_impuesto, descri_impuesto) VALUES ('IVA', 'IVA');"
        "INSERT INTO vend_imp VALUES ('00003', 'IVA', 1, 'S', 'Venta');"
        "INSERT INTO mensajes (codvendedor, mensaje, vend_envia, fechahora)"
        "  VALUES ('00003', 'hola', 'ADMIN', '2031-01-01');"
        "INSERT INTO seriales VALUES ('S-1', '00003')"));
    eliminavendedor(QStringLiteral("00003"));
    for (const char* tabla :
         {"vendedor", "ven_lot", "vendespec", "usuarios", "vend_imp", "mensajes", "seriales"})
        EXPECT_EQ(cuenta(QString::fromLatin1(tabla), QStringLiteral("00003")), QStringLiteral("0")) << tabla;
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM seriales WHERE serial = 'S-1'")),
              QStringLiteral("1"));
}

struct CasoHistoria {
    const char* caso;
    const char* codigo;
    const char* historia; // SQL naming the seller
    const char* motivo;   // what the refusal says
};

class BorrevenRechazoTest : public VendedoresServidorTest,
                            public ::testing::WithParamInterface<CasoHistoria> {};

TEST_P(BorrevenRechazoTest, RefusesWithAClearErrorAndKeepsEverything)
{
    const CasoHistoria& c = GetParam();
    const QString codigo = QString::fromLatin1(c.codigo);
    db().exec(
        QStringLiteral("INSERT INTO ven_lot (codvendedor, cod_lot) VALUES ('%1', '001');"
                       "INSERT INTO usuarios (codvendedor, usuario, nombre_usua) VALUES ('%1', 'U1', 'C');")
            .arg(codigo) +
        QString::fromLatin1(c.historia));
    try {
        eliminavendedor(codigo);
        FAIL() << "the delete was accepted";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.number(), db::err::ServerError);
        EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.motivo))) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(codigo)) << e.description().toStdString();
    }
    for (const char* tabla : {"vendedor", "ven_lot", "usuarios"})
        EXPECT_EQ(cuenta(QString::fromLatin1(tabla), codigo), QStringLiteral("1")) << tabla;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, BorrevenRechazoTest,
    ::testing::Values(
        CasoHistoria{"tickets", "00003",
                     "INSERT INTO tickets (codvendedor, nroticket, serial, usuario, fechaticket, horaticket,"
                     " montoticket) VALUES ('00003', '1', 'S', 'U1', '2031-01-01', '10:00', 5)",
                     "tickets"},
        CasoHistoria{"movements", "00003",
                     "INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, codvendedor)"
                     " VALUES ('M1', '0 Abono', 5, '2031-01-01', '00003')",
                     "movimientos"},
        CasoHistoria{"expenses", "00003",
                     "INSERT INTO gastosvendedor (codvendedor, nrogasto, fecha_gasto, descri_gasto,"
                     " monto_gasto) VALUES ('00003', 'G1', '2031-01-01', 'Luz', 5)",
                     "gastos"},
        CasoHistoria{"daily results", "00003",
                     "INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada)"
                     " VALUES ('00003', '2031-01-01', '001', '1')",
                     "resultados diarios"},
        CasoHistoria{"group chief", "00001", "SELECT 1", "jefe de grupo"}),
    [](const ::testing::TestParamInfo<CasoHistoria>& prueba) {
        return QString::fromLatin1(prueba.param.caso)
            .replace(QLatin1Char(' '), QLatin1Char('_'))
            .toStdString();
    });

TEST_F(VendedoresServidorTest, DeleteOfACodeOfNoSellerIsAnError)
{
    for (const QString& codigo : {QStringLiteral("00099"), QString(), QStringLiteral("x'y")}) {
        try {
            eliminavendedor(codigo);
            ADD_FAILURE() << "deleted " << codigo.toStdString();
        } catch (const db::DbError& e) {
            EXPECT_TRUE(e.description().contains(QStringLiteral("No existe el vendedor")))
                << e.description().toStdString();
        }
    }
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM vendedor")), QStringLiteral("3"));
}

TEST_F(VendedoresServidorTest, ANewLotteryGetsARowForEverySellerFromHisDefaults)
{
    lotteries::RegistroLoteria l;
    l.codigo = QStringLiteral("003");
    l.nombre = QStringLiteral("TACHIRA");
    const QStringList campos = core::campos::Venta + core::campos::Digito + core::campos::Pares +
                               QStringList{core::campos::MontoComodin};
    for (const QString& campo : campos)
        l.montos.insert(campo.toLower(), QStringLiteral("99"));
    l.impuesto = QStringLiteral("0");
    l.dias = QStringList(7, QStringLiteral("S"));
    l.horas = QStringList(7, QStringLiteral("12:00:00"));
    db::Command alta = lotteries::comandograbaloteria(l, QStringLiteral("1"));
    alta.execute();
    ASSERT_EQ(core::respuesta(alta), QStringLiteral("0"));
    EXPECT_EQ(db().rows(QStringLiteral("SELECT codvendedor, lim_tri, comi_tri, comision_jefe, tipode_pago,"
                                       " pagacomodin FROM ven_lot WHERE cod_lot = '003' ORDER BY 1")),
              (QStringList{QStringLiteral("00001|500.000|15.000|0.00|0|N"),
                           QStringLiteral("00002|500.000|12.500|2.50|2|S"),
                           QStringLiteral("00003|0.000|0.000|0.00|0|N")}));
    // A modify adds nothing more.
    db().exec(QStringLiteral("DELETE FROM ven_lot WHERE codvendedor = '00003'"));
    db::Command cambio = lotteries::comandograbaloteria(l, QStringLiteral("2"));
    cambio.execute();
    ASSERT_EQ(core::respuesta(cambio), QStringLiteral("0"));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM ven_lot WHERE cod_lot = '003'")),
              QStringLiteral("2"));
}

TEST_F(VendedoresServidorTest, ANewLotterySpecialPlayGetsARowForEverySeller)
{
    const auto parametros = [](const QString& modo, const QString& loteria) {
        QStringList argumentos{modo, loteria, QStringLiteral("T1")};
        for (int i = 0; i < 12; ++i)
            argumentos << QStringLiteral("1");
        core::sesion().conexion.execute(db::callText(QStringLiteral("parametroslotespec"), argumentos));
    };
    parametros(QStringLiteral("A"), QStringLiteral("002"));
    EXPECT_EQ(db().rows(QStringLiteral("SELECT codvendedor, lim_tri, comi_tri, tipode_pago,"
                                       " coalesce(comision_jefe::text, 'NULL') FROM vendespec"
                                       " WHERE cod_lot = '002' AND especial = 'T1' ORDER BY 1")),
              (QStringList{QStringLiteral("00001|500.000|15.000|0|NULL"),
                           QStringLiteral("00002|500.000|12.500|2|NULL"),
                           QStringLiteral("00003|0.000|0.000|0|NULL")}));
    // Changing the lottery's parameters again does not bring back a row
    // deleted on purpose.
    db().exec(QStringLiteral("DELETE FROM vendespec WHERE codvendedor = '00003'"));
    parametros(QStringLiteral("M"), QStringLiteral("002"));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM vendespec WHERE cod_lot = '002'")),
              QStringLiteral("2"));
}
