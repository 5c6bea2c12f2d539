// The server side of the special plays, their details and the lotteries'
// special-play parameters, through the calls and statements the windows
// send: return codes, columns, effects, and nothing left behind when a call
// fails.

#include "datosjugadas.h"

#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/db/command.h"
#include "platform/db/dberror.h"

using datosjugadas::filas;
using platform::db::callText;
using platform::db::Command;
using platform::db::DataType;
using platform::db::DbError;
using platform::db::Direction;
using platform::db::RecordSet;

using namespace Qt::StringLiterals;

namespace {

class JugadasServidorTest : public datosjugadas::ConBase {
protected:
    // ACTJUG as the special-play windows call it, typed; its return value.
    QString actjug(const QString& modo, const QString& especial, const QString& nombre)
    {
        Command cmd(conexion(), QStringLiteral("ACTJUG"));
        cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
        cmd.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1);
        cmd.append(QStringLiteral("@xespecial"), DataType::VarChar, Direction::Input, 3);
        cmd.append(QStringLiteral("@xdesc_espec"), DataType::VarChar, Direction::Input, 25);
        cmd.setValue(QStringLiteral("@xmodo"), modo);
        cmd.setValue(QStringLiteral("@xespecial"), especial);
        cmd.setValue(QStringLiteral("@xdesc_espec"), nombre);
        cmd.execute();
        return cmd.value(QStringLiteral("@RETURN_VALUE")).toString().trimmed();
    }

    QStringList jugadas()
    {
        return db_->rows(QStringLiteral("SELECT especial, desc_espec FROM jugadas ORDER BY 1"));
    }
    QStringList detalles()
    {
        return db_->rows(QStringLiteral("SELECT especial, jugada, desc_jugada FROM jugadeta ORDER BY 1, 2"));
    }
    QStringList parametros()
    {
        return db_->rows(QStringLiteral("SELECT * FROM lotespec ORDER BY cod_lot, especial"));
    }

    // A text call run as the windows send their writes: inside a
    // transaction on the shared connection.
    void escribe(const QString& texto)
    {
        platform::db::Transaction t(conexion());
        conexion().execute(texto);
        t.commit();
    }

    static QString exec(const QString& procedimiento, const QStringList& argumentos)
    {
        return QStringLiteral("exec ") + callText(procedimiento, argumentos);
    }

    static QStringList doce(const QString& valor = QStringLiteral("0"))
    {
        QStringList v;
        for (int i = 0; i < 12; ++i)
            v << valor;
        return v;
    }

    // The server's refusal: the error the windows' trap reports.
    template <class F> static QString refusal(F&& llamada)
    {
        try {
            llamada();
        } catch (const DbError& e) {
            EXPECT_EQ(e.number(), platform::db::err::ServerError);
            return e.description();
        }
        ADD_FAILURE() << "the server accepted the request";
        return {};
    }
};

} // namespace

TEST_F(JugadasServidorTest, DspjugListsCodeAndNameByCodeAndRefusesOtherModes)
{
    const RecordSet rs = conexion().execute(QStringLiteral("DSPJUG '0','A'"));
    EXPECT_EQ(filas(rs, {0, 1}),
              (QStringList{QStringLiteral("T1|TRIPLETAZO"), QStringLiteral("Z|ZODIACAL")}));
    EXPECT_TRUE(refusal([&] {
                    conexion().execute(callText(QStringLiteral("DSPJUG"), {u"1"_s, u"A"_s}));
                }).contains(QStringLiteral("modo")));
    EXPECT_TRUE(refusal([&] {
                    conexion().execute(callText(QStringLiteral("DSPJUG"), {u"0"_s, u"X"_s}));
                }).contains(QStringLiteral("estado")));
}

TEST_F(JugadasServidorTest, ListJugPadsTheCodeToItsThreeCharacters)
{
    const RecordSet rs = conexion().execute(QStringLiteral("LIST_JUG"));
    EXPECT_EQ(rs.field(0).name().toLower(), QStringLiteral("especial"));
    EXPECT_EQ(rs.field(1).name().toLower(), QStringLiteral("desc_espec"));
    EXPECT_EQ(filas(rs, {0, 1}),
              (QStringList{QStringLiteral("T1 |TRIPLETAZO"), QStringLiteral("Z  |ZODIACAL")}));
}

TEST_F(JugadasServidorTest, DspjugadaseListsEveryPlayByCodeUnderBothSpellings)
{
    for (const QString& llamada : {QStringLiteral("dspjugadase"), QStringLiteral("DSPjugadase")}) {
        const RecordSet rs = conexion().execute(llamada);
        EXPECT_EQ(rs.field(0).name().toLower(), QStringLiteral("especial"));
        EXPECT_EQ(rs.field(1).name().toLower(), QStringLiteral("desc_espec"));
        EXPECT_EQ(filas(rs, {0, 1}),
                  (QStringList{QStringLiteral("T1|TRIPLETAZO"), QStringLiteral("Z|ZODIACAL")}))
            << qPrintable(llamada);
    }
}

TEST_F(JugadasServidorTest, ActjugAnswersItsReturnCodes)
{
    struct Caso {
        const char* modo;
        const char* especial;
        const char* nombre;
        const char* retorno;
        const char* porque;
    };
    const Caso casos[] = {
        {"1", "T1", "OTRA", "1", "add of a code that exists"},
        {"2", "XX", "OTRA", "2", "rename of a code that does not exist"},
        {"3", "XX", "", "2", "delete of a code that does not exist"},
        {"1", "", "NUEVA", "3", "blank code"},
        {"1", "  ", "NUEVA", "3", "code of blanks"},
        {"1", "N1", "   ", "3", "blank name"},
        {"2", "T1", "", "3", "rename to a blank name"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(
            actjug(QString::fromUtf8(c.modo), QString::fromUtf8(c.especial), QString::fromUtf8(c.nombre)),
            QString::fromUtf8(c.retorno))
            << c.porque;
        EXPECT_EQ(jugadas(), (QStringList{QStringLiteral("T1|TRIPLETAZO"), QStringLiteral("Z|ZODIACAL")}))
            << c.porque;
    }
}

TEST_F(JugadasServidorTest, ActjugAddsRenamesAndDeletesWithItsDetailsAndParameters)
{
    EXPECT_EQ(actjug(QStringLiteral("1"), QStringLiteral("N1"), QStringLiteral("NUEVA  ")),
              QStringLiteral("0"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT desc_espec FROM jugadas WHERE especial = 'N1'")),
              QStringLiteral("NUEVA"));
    EXPECT_EQ(actjug(QStringLiteral("2"), QStringLiteral("N1"), QStringLiteral("RENOMBRADA")),
              QStringLiteral("0"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT desc_espec FROM jugadas WHERE especial = 'N1'")),
              QStringLiteral("RENOMBRADA"));

    // The delete takes the special play's details and the lotteries'
    // parameters for it along; the name sent with it does not matter.
    EXPECT_EQ(actjug(QStringLiteral("3"), QStringLiteral("T1"), QStringLiteral("lo que sea")),
              QStringLiteral("0"));
    EXPECT_EQ(jugadas(), (QStringList{QStringLiteral("N1|RENOMBRADA"), QStringLiteral("Z|ZODIACAL")}));
    EXPECT_EQ(detalles(), QStringList{QStringLiteral("Z|01|LEO")});
    EXPECT_TRUE(parametros().isEmpty());
}

TEST_F(JugadasServidorTest, ActjugKeepsASpecialPlayThatADrawResultNamesWithAllItHolds)
{
    db_->exec(QStringLiteral("INSERT INTO premiar (cod_lot, fechapremio, especial, jugada) "
                             "VALUES ('001', '2026-01-05', 'T1', '02')"));
    const QStringList antes = detalles() + parametros();
    EXPECT_EQ(actjug(QStringLiteral("3"), QStringLiteral("T1"), QString()), QStringLiteral("5"));
    EXPECT_EQ(jugadas().size(), 2);
    EXPECT_EQ(detalles() + parametros(), antes) << "the cascade was rolled back";
}

TEST_F(JugadasServidorTest, ActjugRefusesTextsLongerThanTheColumns)
{
    // The windows' typed call cuts texts to the parameters' sizes; a caller
    // that sizes none reaches the server with the whole text.
    auto sinTamanos = [&](const QString& especial, const QString& nombre) {
        Command cmd(conexion(), QStringLiteral("ACTJUG"));
        cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
        cmd.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 0, QStringLiteral("1"));
        cmd.append(QStringLiteral("@xespecial"), DataType::VarChar, Direction::Input, 0, especial);
        cmd.append(QStringLiteral("@xdesc_espec"), DataType::VarChar, Direction::Input, 0, nombre);
        cmd.execute();
        return cmd.value(QStringLiteral("@RETURN_VALUE")).toString();
    };
    EXPECT_EQ(sinTamanos(QStringLiteral("ABCD"), QStringLiteral("LARGO")), QStringLiteral("4"));
    EXPECT_EQ(sinTamanos(QStringLiteral("AB"), QString(26, QLatin1Char('X'))), QStringLiteral("4"));
    EXPECT_EQ(sinTamanos(QStringLiteral("AB"), QString(25, QLatin1Char('X'))), QStringLiteral("0"));
    EXPECT_EQ(jugadas().size(), 3);
    EXPECT_TRUE(refusal([&] {
                    actjug(QStringLiteral("4"), QStringLiteral("T1"), QString());
                }).contains(QStringLiteral("modo")));
}

TEST_F(JugadasServidorTest, ListJugadetaGivesTheFourColumnsByPosition)
{
    const RecordSet rs = conexion().execute(QStringLiteral("LIST_jugadeta"));
    EXPECT_EQ(rs.field(3).name().toLower(), QStringLiteral("descri_especial"));
    EXPECT_EQ(filas(rs, {0, 1, 2, 3}),
              (QStringList{QStringLiteral("T1|01|ARIES|TRIPLETAZO"), QStringLiteral("T1|02|TAURO|TRIPLETAZO"),
                           QStringLiteral("Z|01|LEO|ZODIACAL")}));
}

TEST_F(JugadasServidorTest, ActdetjugAddsAndRenamesFromTheEditorsTexts)
{
    // The editor cuts the special play's code out of a padded item ("Z  ").
    escribe(exec(QStringLiteral("ACTDETJUG"), {u"1"_s, u"02"_s, u"Z  "_s, u"VIRGO"_s}));
    escribe(exec(QStringLiteral("ACTDETJUG"), {u"2"_s, u"01"_s, u"T1 "_s, u"ARIES  "_s}));
    escribe(exec(QStringLiteral("ACTDETJUG"), {u"2"_s, u"02"_s, u"T1"_s, u"O'TAURO"_s}));
    EXPECT_EQ(detalles(), (QStringList{QStringLiteral("T1|01|ARIES"), QStringLiteral("T1|02|O'TAURO"),
                                       QStringLiteral("Z|01|LEO"), QStringLiteral("Z|02|VIRGO")}));
}

TEST_F(JugadasServidorTest, ActdetjugRefusesBadRequestsWithAnErrorAndWritesNothing)
{
    struct Caso {
        QStringList args;
        const char* mensaje;
    };
    const Caso casos[] = {
        {{u"1"_s, u"01"_s, u"T1"_s, u"OTRO"_s}, "ya existe"},
        {{u"2"_s, u"09"_s, u"T1"_s, u"OTRO"_s}, "no existe el detalle"},
        {{u"2"_s, u"02"_s, u"Z"_s, u"OTRO"_s}, "no existe el detalle"},
        {{u"1"_s, u"05"_s, u"QQ"_s, u"OTRO"_s}, "no existe la jugada"},
        {{u"1"_s, u"05"_s, u""_s, u"OTRO"_s}, "falta la jugada"},
        {{u"1"_s, u""_s, u"T1"_s, u"OTRO"_s}, "falta el código"},
        {{u"1"_s, u"05"_s, u"T1"_s, u"  "_s}, "falta el nombre"},
        {{u"1"_s, u"123"_s, u"T1"_s, u"OTRO"_s}, "demasiado largo"},
        {{u"1"_s, u"05"_s, u"T1"_s, QString(21, QLatin1Char('N'))}, "demasiado largo"},
        {{u"3"_s, u"01"_s, u"T1"_s, u"OTRO"_s}, "modo"},
    };
    const QStringList antes = detalles();
    for (const Caso& c : casos) {
        const QString mensaje = refusal([&] { escribe(exec(QStringLiteral("ACTDETJUG"), c.args)); });
        EXPECT_TRUE(mensaje.contains(QString::fromUtf8(c.mensaje))) << mensaje.toStdString();
        EXPECT_FALSE(conexion().inTransaction()) << "the failed transaction is over";
        EXPECT_EQ(detalles(), antes) << c.args.join(QLatin1Char(',')).toStdString();
    }
}

TEST_F(JugadasServidorTest, TheDetailDeleteTakesOneDetailByItsKey)
{
    auto borra = [&](const QString& especial, const QString& jugada) {
        escribe(callText(QStringLiteral("borra_jugadeta"), {especial, jugada}));
    };
    borra(QStringLiteral("T1"), QStringLiteral("02"));
    EXPECT_EQ(detalles(), (QStringList{QStringLiteral("T1|01|ARIES"), QStringLiteral("Z|01|LEO")}));

    // A quote in a box is data, not SQL.
    borra(QStringLiteral("T1' OR '1'='1"), QStringLiteral("01"));
    EXPECT_EQ(detalles().size(), 2);

    // A detail that a draw result names stays, and the failed transaction
    // is over.
    db_->exec(QStringLiteral("INSERT INTO premiar (cod_lot, fechapremio, especial, jugada) "
                             "VALUES ('001', '2026-01-05', 'Z', '01')"));
    refusal([&] { borra(QStringLiteral("Z"), QStringLiteral("01")); });
    EXPECT_FALSE(conexion().inTransaction());
    EXPECT_EQ(detalles().size(), 2);
}

TEST_F(JugadasServidorTest, DspparamlotespecListsEverySpecialPlayWithTheLotterysValues)
{
    const RecordSet rs = conexion().execute(callText(QStringLiteral("dspparamlotespec"), {u"001"_s}));
    ASSERT_GE(rs.fieldCount(), 9);
    EXPECT_EQ(filas(rs, {0, 1, 2, 3, 4, 5, 6, 7, 8}),
              (QStringList{QStringLiteral("T1|TRIPLETAZO|300.000|400.000|12.500|10.000|600.000|70.000|7.000"),
                           QStringLiteral("Z|ZODIACAL|NULL|NULL|NULL|NULL|NULL|NULL|NULL")}));

    const RecordSet otra = conexion().execute(callText(QStringLiteral("dspparamlotespec"), {u"002"_s}));
    EXPECT_EQ(filas(otra, {0, 2}), (QStringList{QStringLiteral("T1|NULL"), QStringLiteral("Z|NULL")}));

    EXPECT_TRUE(refusal([&] {
                    conexion().execute(callText(QStringLiteral("dspparamlotespec"), {u"999"_s}));
                }).contains(QStringLiteral("no existe la lotería")));
}

TEST_F(JugadasServidorTest, TheParameterReadTakesOneRowByItsKey)
{
    const RecordSet rs = conexion().execute(callText(QStringLiteral("lee_lotespec"), {u"001"_s, u"T1"_s}));
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(QStringLiteral("P_Tri_3")).toString(), QStringLiteral("6.000"));
    EXPECT_EQ(rs.value(QStringLiteral("Comi_Tri")).toString(), QStringLiteral("12.500"));
}

TEST_F(JugadasServidorTest, ParametroslotespecStoresTheTwelveValuesInEitherMode)
{
    QStringList valores{u"1"_s,   u"2"_s,  u"300"_s, u"400"_s, u"12.5"_s, u"7,25"_s,
                        u"600"_s, u"60"_s, u"6"_s,   u"70"_s,  u"7"_s,    u".5"_s};
    // Add of a new row, and a modify of a row that another window's edit
    // mode made the save send as a modify: the row holds the values.
    escribe(exec(QStringLiteral("parametroslotespec"), QStringList{u"A"_s, u"002"_s, u"T1"_s} + valores));
    escribe(exec(QStringLiteral("parametroslotespec"), QStringList{u"M"_s, u"002"_s, u"Z"_s} + doce()));
    valores[0] = QStringLiteral("9");
    escribe(exec(QStringLiteral("parametroslotespec"), QStringList{u"M"_s, u"001"_s, u"T1"_s} + valores));
    EXPECT_EQ(
        parametros(),
        (QStringList{
            QStringLiteral(
                "001|T1|9.000|2.000|300.000|400.000|12.500|7.250|600.000|60.000|6.000|70.000|7.000|0.500"),
            QStringLiteral(
                "002|T1|1.000|2.000|300.000|400.000|12.500|7.250|600.000|60.000|6.000|70.000|7.000|0.500"),
            QStringLiteral(
                "002|Z|0.000|0.000|0.000|0.000|0.000|0.000|0.000|0.000|0.000|0.000|0.000|0.000")}));
}

TEST_F(JugadasServidorTest, ParametroslotespecRefusesBadRequestsWithAnErrorAndWritesNothing)
{
    auto con = [](int posicion, const QString& valor) {
        QStringList v = doce();
        v[posicion] = valor;
        return v;
    };
    struct Caso {
        QStringList args;
        const char* mensaje;
    };
    const Caso casos[] = {
        {QStringList{u"X"_s, u"002"_s, u"T1"_s} + doce(), "modo"},
        {QStringList{u"A"_s, u"999"_s, u"T1"_s} + doce(), "no existe la lotería"},
        {QStringList{u"A"_s, u"002"_s, u"QQ"_s} + doce(), "no existe la jugada"},
        {QStringList{u"A"_s, u"002"_s, u"T1"_s} + con(4, QStringLiteral(".")), "Comi_Tri no es un número"},
        {QStringList{u"A"_s, u"002"_s, u"T1"_s} + con(11, QString()), "P_ter_3 no es un número"},
        {QStringList{u"A"_s, u"002"_s, u"T1"_s} + con(0, QStringLiteral("-1")), "Minimo_tri no es un número"},
        {QStringList{u"A"_s, u"002"_s, u"T1"_s} + con(2, QStringLiteral("1.2.3")), "Lim_Tri no es un número"},
        {QStringList{u"A"_s, u"002"_s, u"T1"_s} + con(6, QStringLiteral("1000000")),
         "P_tri_1 fuera de rango"},
    };
    const QStringList antes = parametros();
    for (const Caso& c : casos) {
        const QString mensaje = refusal([&] { escribe(exec(QStringLiteral("parametroslotespec"), c.args)); });
        EXPECT_TRUE(mensaje.contains(QString::fromUtf8(c.mensaje))) << mensaje.toStdString();
        EXPECT_FALSE(conexion().inTransaction());
        EXPECT_EQ(parametros(), antes);
    }
}

TEST_F(JugadasServidorTest, TheParameterDeleteTakesOneRowByItsKey)
{
    auto borra = [&](const QString& loteria, const QString& especial) {
        escribe(callText(QStringLiteral("borra_lotespec"), {loteria, especial}));
    };
    borra(QStringLiteral("001' OR ''='"), QStringLiteral("T1"));
    EXPECT_EQ(parametros().size(), 1);
    borra(QStringLiteral("001"), QStringLiteral("T1"));
    EXPECT_TRUE(parametros().isEmpty());
}
