// The server procedures of the users, operators, permissions and terminal
// serials on the real server: DSPUSR, ACTUSR, DSPOPR, ACTOPR, DSPVEN modes
// 6 and 7, actseriales, dspserialven; their answers, their effects and
// what they leave untouched; and the workstation settings' columns.

#include "datosacceso.h"

#include "access/estaciontrabajo.h"

using datosacceso::filas;
using datosacceso::llama;

namespace {

class AccesoServidorTest : public datosacceso::Fixture {
protected:
    QStringList usuarios()
    {
        return db().rows(
            QStringLiteral("SELECT codvendedor, usuario, nombre_usua, coalesce(direccion_usua, 'NULL'),"
                           " clave_usua, estado_usua, permisos FROM usuarios ORDER BY 1, 2"));
    }
    QStringList operadores() { return db().rows(QStringLiteral("SELECT * FROM operador ORDER BY 1")); }
};

QString tx(const char* texto)
{
    return QString::fromUtf8(texto);
}
QString tx(const QString& texto)
{
    return texto;
}

// The inputs of a call from texts of either kind.
template <class... T> QStringList entradas(const T&... valores)
{
    return {tx(valores)...};
}

template <class A, class B, class C, class D, class E, class F, class G>
QStringList actusr(const A& modo, const B& vendedor, const C& usuario, const D& nombre, const E& clave,
                   const F& estado, const G& permiso)
{
    return entradas(modo, vendedor, usuario, nombre, "Dir", "Tel", clave, "e@x", estado, permiso);
}

} // namespace

TEST_F(AccesoServidorTest, DspusrListsEveryUserAndOneUserByItsPair)
{
    const QStringList todos = filas(QStringLiteral("DSPUSR"), {QStringLiteral("0"), {}, {}});
    ASSERT_EQ(todos.size(), 2);
    EXPECT_EQ(todos[0],
              QStringLiteral("00001|GRUPO NORTE|CAJ1|Ana Norte|Calle 1|0261-1|ana@x.ve|k1|2|F2-CF4-P"));
    EXPECT_EQ(todos[1],
              QStringLiteral("00002|AGENCIA LA FORTUNA|CAJ1|Luis Fortuna|NULL|NULL|NULL|k2|3|R.-R"));
    EXPECT_EQ(filas(QStringLiteral("DSPUSR"),
                    {QStringLiteral("3"), QStringLiteral("CAJ1"), QStringLiteral(" 00002 ")})
                  .value(0)
                  .section(QLatin1Char('|'), 9),
              QStringLiteral("R.-R"));
    EXPECT_TRUE(filas(QStringLiteral("DSPUSR"),
                      {QStringLiteral("3"), QStringLiteral("CAJ1"), QStringLiteral("00003")})
                    .isEmpty());
    EXPECT_ANY_THROW(filas(QStringLiteral("DSPUSR"), {QStringLiteral("9"), {}, {}}));
}

TEST_F(AccesoServidorTest, ActusrAnswersEachCaseWithItsCode)
{
    struct Caso {
        const char* que;
        QStringList entradas;
        const char* respuesta;
    };
    const QString v1 = QStringLiteral("00001"), v3 = QStringLiteral("00003");
    const QList<Caso> casos = {
        {"add", actusr("1", v3, " CAJ9 ", "Nueva  ", "k9", "1", "F2-C"), "0"},
        {"duplicate", actusr("1", v3, "CAJ9", "Otra", "k", "1", ""), "1"},
        {"no such seller", actusr("1", "00009", "CAJ9", "X", "k", "1", ""), "6"},
        {"empty code", actusr("1", v3, " ", "X", "k", "1", ""), "3"},
        {"empty seller", actusr("1", "", "CAJ8", "X", "k", "1", ""), "3"},
        {"empty key", actusr("1", v3, "CAJ8", "X", "", "1", ""), "3"},
        {"empty state on add", actusr("1", v3, "CAJ8", "X", "k", "", ""), "3"},
        {"bad state", actusr("1", v3, "CAJ8", "X", "k", "9", ""), "7"},
        {"long code", actusr("1", v3, "CAJ888", "X", "k", "1", ""), "4"},
        {"long key", actusr("1", v3, "CAJ8", "X", "12345678901", "1", ""), "4"},
        {"long name", actusr("1", v3, "CAJ8", QString(51, QLatin1Char('n')), "k", "1", ""), "4"},
        {"modify missing", actusr("2", v3, "NADIE", "X", "k", "1", ""), "2"},
        {"delete missing", actusr("3", v3, "NADIE", "", "", "", ""), "2"},
        {"permissions missing", actusr("4", v3, "NADIE", " ", " ", " ", "F2-C"), "2"},
        {"long permissions", actusr("4", v1, "CAJ1", " ", " ", " ", QString(401, QLatin1Char('x'))), "4"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(llama(QStringLiteral("ACTUSR"), c.entradas), QString::fromLatin1(c.respuesta)) << c.que;
    EXPECT_TRUE(usuarios().contains(QStringLiteral("00003|CAJ9|Nueva|Dir|k9|1|")))
        << "added without permissions";
    EXPECT_EQ(usuarios().size(), 3);
    EXPECT_ANY_THROW(llama(QStringLiteral("ACTUSR"), actusr("5", v1, "CAJ1", "X", "k", "1", "")));
}

TEST_F(AccesoServidorTest, EachModeOfActusrChangesOnlyItsSellersUserAndOnlyItsFields)
{
    const QString v1 = QStringLiteral("00001");
    const QString otro = QStringLiteral("00002|CAJ1|Luis Fortuna|NULL|k2|3|R.-R");
    // A modify with an empty state and permissions keeps both.
    EXPECT_EQ(llama(QStringLiteral("ACTUSR"), actusr("2", v1, "CAJ1", "Ana N.", "k1b", "", "")),
              QStringLiteral("0"));
    EXPECT_EQ(usuarios(), (QStringList{QStringLiteral("00001|CAJ1|Ana N.|Dir|k1b|2|F2-CF4-P"), otro}));
    // A state sent is stored.
    EXPECT_EQ(llama(QStringLiteral("ACTUSR"), actusr("2", v1, "CAJ1", "Ana N.", "k1b", "3", "")),
              QStringLiteral("0"));
    EXPECT_EQ(usuarios().first(), QStringLiteral("00001|CAJ1|Ana N.|Dir|k1b|3|F2-CF4-P"));
    // The permission store keeps name, key and state, whatever blanks come.
    EXPECT_EQ(
        llama(QStringLiteral("ACTUSR"), {QStringLiteral("4"), v1, QStringLiteral("CAJ1"), QStringLiteral(" "),
                                         QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "),
                                         QStringLiteral(" "), QStringLiteral(" "), QStringLiteral("A.-C")}),
        QStringLiteral("0"));
    EXPECT_EQ(usuarios(), (QStringList{QStringLiteral("00001|CAJ1|Ana N.|Dir|k1b|3|A.-C"), otro}));
    // The delete takes only that seller's user.
    EXPECT_EQ(llama(QStringLiteral("ACTUSR"), actusr("3", v1, "CAJ1", "", "", "", "")), QStringLiteral("0"));
    EXPECT_EQ(usuarios(), QStringList{otro});
}

TEST_F(AccesoServidorTest, AUserWhoseTicketsTheHistoryKeepsIsNotDeleted)
{
    db().exec(QStringLiteral(
        "INSERT INTO tickets (codvendedor, nroticket, serial, usuario, fechaticket, horaticket,"
        " montoticket) VALUES ('00002', '0000000001', 'S', 'CAJ1', '2026-01-05', '10:00', 5)"));
    EXPECT_EQ(llama(QStringLiteral("ACTUSR"), actusr("3", "00002", "CAJ1", "", "", "", "")),
              QStringLiteral("5"));
    EXPECT_EQ(usuarios().size(), 2);
}

TEST_F(AccesoServidorTest, DspoprListsOperatorsAndReadsOnesPermissions)
{
    EXPECT_EQ(
        filas(QStringLiteral("DSPOPR"), {QStringLiteral("0"), {}}),
        (QStringList{QStringLiteral("ADMIN|Administrador|admin2007|01-02-03-04-05-06-07-08-09-10-11-12-"),
                     QStringLiteral("CAJA1|Cajero Uno|caja2007|14-")}));
    EXPECT_EQ(filas(QStringLiteral("DSPOPR"), {QStringLiteral("3"), QStringLiteral("CAJA1")}),
              QStringList{QStringLiteral("CAJA1|Cajero Uno|caja2007|14-")});
    EXPECT_TRUE(filas(QStringLiteral("DSPOPR"), {QStringLiteral("3"), QStringLiteral("NADIE")}).isEmpty());
    EXPECT_ANY_THROW(filas(QStringLiteral("DSPOPR"), {QStringLiteral("1"), {}}));
}

TEST_F(AccesoServidorTest, ActoprAnswersEachCaseAndKeepsWhatItsModeDoesNotChange)
{
    struct Caso {
        const char* que;
        QStringList entradas;
        const char* respuesta;
    };
    const QList<Caso> casos = {
        {"add", entradas("1", " OPE1 ", "Operador  ", "clave1", "01-"), "0"},
        {"duplicate", entradas("1", "OPE1", "Otro", "x", ""), "1"},
        {"empty code", entradas("1", "  ", "X", "x", ""), "3"},
        {"empty password", entradas("1", "OPE2", "X", "", ""), "3"},
        {"blank password", entradas("1", "OPE2", "X", "   ", ""), "3"},
        {"password with blanks around", entradas("1", "OPE2", "X", " x", ""), "7"},
        {"long code", entradas("1", "OPE222", "X", "x", ""), "4"},
        {"long name", entradas("1", "OPE2", QString(31, QLatin1Char('n')), "x", ""), "4"},
        {"long password", entradas("1", "OPE2", "X", "12345678901", ""), "4"},
        {"modify missing", entradas("2", "NADIE", "X", "x", ""), "2"},
        {"modify", entradas("2", "CAJA1", "Cajero 1", "nueva", ""), "0"},
        {"permissions", entradas("4", "ADMIN", "", "", "05-"), "0"},
        {"permissions missing", entradas("4", "NADIE", "", "", "05-"), "2"},
        {"long permissions", entradas("4", "ADMIN", "", "", QString(201, QLatin1Char('x'))), "4"},
        {"delete missing", entradas("3", "NADIE", "", "", ""), "2"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(llama(QStringLiteral("ACTOPR"), c.entradas), QString::fromLatin1(c.respuesta)) << c.que;
    EXPECT_EQ(operadores(), (QStringList{QStringLiteral("ADMIN|Administrador|admin2007|05-"),
                                         QStringLiteral("CAJA1|Cajero 1|nueva|14-"),
                                         QStringLiteral("OPE1|Operador|clave1|")}));
    EXPECT_EQ(llama(QStringLiteral("ACTOPR"), {QStringLiteral("3"), QStringLiteral("OPE1"), {}, {}, {}}),
              QStringLiteral("0"));
    EXPECT_EQ(operadores().size(), 2);
    EXPECT_ANY_THROW(
        llama(QStringLiteral("ACTOPR"), {QStringLiteral("0"), QStringLiteral("ADMIN"), {}, {}, {}}));
}

TEST_F(AccesoServidorTest, TwoPermissionStoresOfOneSubjectLeaveTheLastWholeAndNothingElseTouched)
{
    // Two operators' windows store one after the other, on two connections.
    testsupport::TestDatabase& base = db();
    EXPECT_EQ(llama(QStringLiteral("ACTOPR"),
                    {QStringLiteral("4"), QStringLiteral("CAJA1"), {}, {}, QStringLiteral("01-02-")}),
              QStringLiteral("0"));
    base.exec(QStringLiteral("SELECT proc.actopr('4', 'CAJA1', '', '', '14-27-')"));
    EXPECT_EQ(operadores().last(), QStringLiteral("CAJA1|Cajero Uno|caja2007|14-27-"));
    base.exec(
        QStringLiteral("SELECT proc.actusr('4', '00002', 'CAJ1', ' ', ' ', ' ', ' ', ' ', ' ', 'F5-C')"));
    EXPECT_EQ(llama(QStringLiteral("ACTUSR"), {QStringLiteral("4"),
                                               QStringLiteral("00002"),
                                               QStringLiteral("CAJ1"),
                                               {},
                                               {},
                                               {},
                                               {},
                                               {},
                                               {},
                                               QStringLiteral("F6-P")}),
              QStringLiteral("0"));
    EXPECT_EQ(usuarios().last(), QStringLiteral("00002|CAJ1|Luis Fortuna|NULL|k2|3|F6-P"));
}

TEST_F(AccesoServidorTest, DspvenModesSixAndSevenReadAndStoreOnlyTheQueryPermissions)
{
    EXPECT_EQ(filas(QStringLiteral("DSPVen"), {QStringLiteral("6"), QStringLiteral("00001")}),
              QStringList{QStringLiteral("00001|GRUPO NORTE|02-")});
    EXPECT_TRUE(filas(QStringLiteral("DSPVen"), {QStringLiteral("6"), QStringLiteral("00009")}).isEmpty());
    const QString antes = db().scalar(
        QStringLiteral("SELECT nombre_vend || clave_vend FROM vendedor WHERE codvendedor = '00001'"));
    EXPECT_EQ(llama(QStringLiteral("DSPVEN"),
                    {QStringLiteral("7"), QStringLiteral(" 00001 "), QStringLiteral("01-F1-")}),
              QStringLiteral("0"));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT permisovendedor FROM vendedor WHERE codvendedor = '00001'")),
              QStringLiteral("01-F1-"));
    EXPECT_EQ(db().scalar(QStringLiteral(
                  "SELECT nombre_vend || clave_vend FROM vendedor WHERE codvendedor = '00001'")),
              antes);
    EXPECT_EQ(llama(QStringLiteral("DSPVEN"),
                    {QStringLiteral("7"), QStringLiteral("00009"), QStringLiteral("01-")}),
              QStringLiteral("2"));
    EXPECT_EQ(
        llama(QStringLiteral("DSPVEN"), {QStringLiteral("7"), QStringLiteral(""), QStringLiteral("01-")}),
        QStringLiteral("3"));
    EXPECT_EQ(llama(QStringLiteral("DSPVEN"),
                    {QStringLiteral("7"), QStringLiteral("00001"), QString(201, QLatin1Char('x'))}),
              QStringLiteral("4"));
    // Mode 4 of the messages window is still there.
    EXPECT_EQ(filas(QStringLiteral("DSPVEn"),
                    {QStringLiteral("4"), QStringLiteral("00000"), QStringLiteral("ADMIN")})
                  .size(),
              3);
}

TEST_F(AccesoServidorTest, ActserialesListsAssignsAndDeletes)
{
    const auto act = [](const char* modo, const char* serial, const char* vendedor) {
        return llama(QStringLiteral("actseriales"), {QString::fromLatin1(modo), QString::fromLatin1(serial),
                                                     QStringLiteral("0"), QString::fromLatin1(vendedor)});
    };
    const auto lista = [](const char* serial) {
        return filas(QStringLiteral("actseriales"), {QStringLiteral("1"), QString::fromLatin1(serial),
                                                     QStringLiteral("0"), QStringLiteral("0")});
    };
    EXPECT_EQ(lista("0"),
              (QStringList{QStringLiteral("QV-0001|00001|GRUPO NORTE"), QStringLiteral("QV-0002|NULL|NULL"),
                           QStringLiteral("ZX-9|00002|AGENCIA LA FORTUNA")}));
    EXPECT_EQ(filas(QStringLiteral("actseriales"),
                    {QStringLiteral("4"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")})
                  .size(),
              3);
    EXPECT_EQ(act("2", " QV-0002 ", " 00003 "), QStringLiteral("0"));
    EXPECT_EQ(act("2", "QV-0009", "00003"), QStringLiteral("2"));
    EXPECT_EQ(act("2", "QV-0002", "00009"), QStringLiteral("6"));
    EXPECT_EQ(act("2", "", "00003"), QStringLiteral("3"));
    EXPECT_EQ(act("3", "ZX-9", "0"), QStringLiteral("0"));
    EXPECT_EQ(act("3", "ZX-9", "0"), QStringLiteral("2"));
    // The list after a delete sends the serial handled: it is whole.
    EXPECT_EQ(lista("ZX-9"), (QStringList{QStringLiteral("QV-0001|00001|GRUPO NORTE"),
                                          QStringLiteral("QV-0002|00003|TAQUILLA SUR")}));
    EXPECT_ANY_THROW(act("5", "0", "0"));
}

TEST_F(AccesoServidorTest, DspserialvenSearchesSellersAndSerials)
{
    struct Caso {
        const char* modo;
        const char* texto;
        QList<const char*> primeras; // the first column of each row
    };
    const QList<Caso> casos = {
        {"1", "0000", {"00001", "00002", "00003"}},
        {"1", "00002", {"00002"}},
        {"1", " 0", {}}, // leading blanks count
        {"2", "fortuna", {"00002"}},
        {"2", "R", {"00001", "00002", "00003"}},
        {"3", "qv", {"QV-0001", "QV-0002"}},
        {"3", "ZX", {"ZX-9"}},
        {"4", "00001", {"QV-0001"}},
        {"4", "9", {}},
    };
    for (const Caso& c : casos) {
        QStringList primeras;
        for (const QString& fila : filas(QStringLiteral("dspserialven"),
                                         {QString::fromLatin1(c.modo), QString::fromLatin1(c.texto)}))
            primeras << fila.section(QLatin1Char('|'), 0, 0);
        QStringList esperadas;
        for (const char* p : c.primeras)
            esperadas << QString::fromLatin1(p);
        EXPECT_EQ(primeras, esperadas) << c.modo << " " << c.texto;
    }
    EXPECT_ANY_THROW(filas(QStringLiteral("dspserialven"), {QStringLiteral("5"), QStringLiteral("x")}));
}

TEST_F(AccesoServidorTest, EveryWorkstationSettingIsAColumnOfUsersAndSellers)
{
    for (const acceso::Ajuste& a : acceso::estaciontrabajo()) {
        for (const char* tabla : {"usuarios", "vendedor"}) {
            const bool debe = !a.soloVendedor || QString::fromLatin1(tabla) == QLatin1String("vendedor");
            EXPECT_EQ(db().scalar(
                          QStringLiteral("SELECT count(*) FROM information_schema.columns WHERE table_name = "
                                         "'%1' AND column_name = '%2'")
                              .arg(QString::fromLatin1(tabla), a.columna)),
                      debe ? QStringLiteral("1") : QStringLiteral("0"))
                << tabla << " " << a.columna.toStdString();
        }
        // The file's key is the column's name, letter case aside.
        if (!a.clave.isEmpty()) {
            EXPECT_EQ(a.clave.toLower(), a.columna);
        }
    }
    EXPECT_EQ(acceso::estaciontrabajo().size(), 21);
}
