// dspmov, ACTMOV, DSPcuentas, ACTcuentas, dspgastos, ACTGastos,
// RPTGASTOSALDO and RPTcuentamov on the real server.

#include "datoscuentas.h"

#include "accounts/llamadas.h"

#include "core/masteredita.h"
#include "platform/db/calltext.h"
#include "platform/db/dberror.h"
#include "platform/regional.h"

#include <array>

using namespace accounts;
namespace db = platform::db;
namespace regional = platform::regional;

namespace {

QString texto(const QVariant& v)
{
    return regional::toText(v);
}

// Each row's columns, by position, joined with "|".
QStringList filas(db::RecordSet rs, const QList<int>& columnas)
{
    QStringList salida;
    if (rs.state() != db::RecordSet::StateOpen || rs.recordCount() == 0)
        return salida;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QStringList fila;
        for (int c : columnas)
            fila << texto(rs.field(c).value()).trimmed();
        salida << fila.join(QLatin1Char('|'));
    }
    return salida;
}

QStringList lista(const std::array<const char*, 5>& textos)
{
    QStringList salida;
    for (const char* t : textos)
        salida << QString::fromLatin1(t);
    return salida;
}

class CuentasServidorTest : public datoscuentas::Fixture {
protected:
    struct Lista {
        QStringList filas;
        QString respuesta;
        QStringList totales; // paid to the house, to the seller, loans, instalments, lottery balance
    };
    Lista dspmov(const char* modo, const QString& vendedor,
                 const QString& fecha = QStringLiteral("15/03/2026"),
                 const QString& documento = QStringLiteral("0"))
    {
        db::Command c = comandodspmov(QString::fromLatin1(modo), fecha, vendedor, documento);
        db::RecordSet rs = c.execute();
        const TotalesMovimientos t = totales(c);
        return {filas(rs, {1, 2, 3, 4, 6, 7, 9, 10}),
                core::respuesta(c),
                {texto(t.pagoabanca), texto(t.pagoavendedor), texto(t.prestamo), texto(t.pagocuota),
                 texto(t.saldoloteria)}};
    }
    QString actmov(Movimiento m)
    {
        db::Command c = comandoactmov(m);
        c.execute();
        return core::respuesta(c);
    }
    static Movimiento movimiento(const char* modo, const char* documento, const char* tipo, const char* monto)
    {
        return {QString::fromLatin1(modo),    QString::fromLatin1(documento),
                QString::fromUtf8(tipo),      QString::fromLatin1(monto),
                QStringLiteral("15/03/2026"), QStringLiteral("11:00:00 "),
                QStringLiteral("00001"),      QString(),
                QStringLiteral("001"),        QStringLiteral("0")};
    }
    QString actcuentas(const char* modo, const QString& codigo, const QString& banco = QStringLiteral("B"),
                       const QString& numero = QStringLiteral("N"))
    {
        db::Command c = comandoactcuentas(QString::fromLatin1(modo), codigo, banco, numero, 900);
        c.execute();
        return core::respuesta(c);
    }
    std::pair<QString, QStringList> actgastos(const Gasto& g)
    {
        db::Command c = comandoactgastos(g);
        db::RecordSet rs = c.execute();
        return {core::respuesta(c), filas(rs, {1, 2, 3, 4, 5})};
    }
    QStringList movimientos()
    {
        return db().rows(
            QStringLiteral("SELECT nromov, descri_mov, monto_mov, fecha_mov, hora_mov, codvendedor,"
                           " observa_mov, codigo_cuenta, tipo_pago_mov FROM movimientos ORDER BY 1"));
    }
};

} // namespace

TEST_F(CuentasServidorTest, DspmovListsTheDayWithTheSellersTotals)
{
    const Lista l = dspmov("0", QStringLiteral("00001"));
    EXPECT_EQ(l.filas,
              QStringList{QStringLiteral("D1|15/03/2026|0.- Pago Vendedor a Duroz|300|08:15:00|CAJA1|"
                                         "Caja Chica|1 - Cheque")});
    // 300 paid today; the loan of 1000 less the daily instalment of 50; the
    // lottery accounts 1000 + 300 + 200 less the 300 paid.
    EXPECT_EQ(l.totales, (QStringList{QStringLiteral("300"), QStringLiteral("0"), QStringLiteral("1000"),
                                      QStringLiteral("50"), QStringLiteral("1200")}));
    EXPECT_EQ(l.respuesta, QStringLiteral("0"));
    // The day before: the instalment only; nothing paid that day.
    const Lista ayer = dspmov("0", QStringLiteral("00001"), QStringLiteral("14/03/2026"));
    EXPECT_EQ(ayer.filas.size(), 1);
    EXPECT_EQ(ayer.totales, (QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1000"),
                                         QStringLiteral("50"), QStringLiteral("1000")}));
    const Lista nadie = dspmov("0", QStringLiteral("00003"));
    EXPECT_TRUE(nadie.filas.isEmpty());
    EXPECT_EQ(nadie.totales, (QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                          QStringLiteral("0"), QStringLiteral("0")}));
    EXPECT_THROW(dspmov("0", QStringLiteral("00001"), QStringLiteral("31/02/2026")), db::DbError);
    EXPECT_THROW(dspmov("7", QStringLiteral("00001")), db::DbError);
}

TEST_F(CuentasServidorTest, EachTypeOfMovementAddedModifiedAndDeletedMovesItsTotals)
{
    // Totals after the add of 100, after its change to 80, after its delete:
    // paid to the house, to the seller, loans, instalments, lottery balance.
    const struct {
        const char* tipo;
        std::array<const char*, 5> tras100, tras80;
    } casos[] = {
        {"0.- Pago Vendedor a Duroz", {"400", "0", "1000", "50", "1100"}, {"380", "0", "1000", "50", "1120"}},
        {"1.- Pago Duroz a Vendedor",
         {"300", "100", "1000", "50", "1300"},
         {"300", "80", "1000", "50", "1280"}},
        {"2.- Prestamo", {"300", "0", "1100", "50", "1200"}, {"300", "0", "1080", "50", "1200"}},
        {"3.- Pago Couta Prestamo", {"300", "0", "1000", "150", "1200"}, {"300", "0", "1000", "130", "1200"}},
        {"4.- Couta diaria Presamo", {"300", "0", "1000", "50", "1200"}, {"300", "0", "1000", "50", "1200"}},
        {"5.- Pago Cuota Diaria", {"300", "0", "1000", "150", "1200"}, {"300", "0", "1000", "130", "1200"}},
    };
    const QStringList inicial = dspmov("0", QStringLiteral("00001")).totales;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tipo);
        ASSERT_EQ(actmov(movimiento("0", "N1", c.tipo, "100")), QStringLiteral("0"));
        EXPECT_EQ(dspmov("0", QStringLiteral("00001")).totales, lista(c.tras100));
        Movimiento m = movimiento("1", "N1", c.tipo, "80");
        m.observaciones = QStringLiteral("corregido");
        ASSERT_EQ(actmov(m), QStringLiteral("0"));
        const Lista l = dspmov("0", QStringLiteral("00001"));
        EXPECT_EQ(l.totales, lista(c.tras80));
        EXPECT_EQ(l.filas.size(), 2);
        const Lista borrado = dspmov("1", QStringLiteral("00001"), QStringLiteral("15/03/2026"),
                                     QStringLiteral(" N1 "));
        EXPECT_EQ(borrado.respuesta, QStringLiteral("0"));
        EXPECT_EQ(borrado.totales, inicial);
        EXPECT_EQ(borrado.filas.size(), 1);
    }
    // A delete of a document that is not there (or not of that seller and
    // date) deletes nothing and says so.
    const QStringList antes = movimientos();
    EXPECT_EQ(
        dspmov("1", QStringLiteral("00001"), QStringLiteral("15/03/2026"), QStringLiteral("N1")).respuesta,
        QStringLiteral("2"));
    EXPECT_EQ(
        dspmov("1", QStringLiteral("00002"), QStringLiteral("15/03/2026"), QStringLiteral("D1")).respuesta,
        QStringLiteral("2"));
    EXPECT_EQ(
        dspmov("1", QStringLiteral("00001"), QStringLiteral("14/03/2026"), QStringLiteral("D1")).respuesta,
        QStringLiteral("2"));
    EXPECT_EQ(movimientos(), antes);
}

TEST_F(CuentasServidorTest, ActmovStoresWhatTheEditorSendsAndKeepsALoansRow)
{
    Movimiento m = movimiento("0", " N2 ", "2.- Prestamo", "1.234,5");
    m.cuenta = QStringLiteral("CAJA1");
    m.observaciones = QStringLiteral("a la quincena  ");
    m.tipopago = QStringLiteral("2");
    ASSERT_EQ(actmov(m), QStringLiteral("0"));
    EXPECT_TRUE(movimientos().contains(
        QStringLiteral("N2|2.- Prestamo|1234.500|2026-03-15|11:00:00|00001|a la quincena|CAJA1|2")));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT monto_prestamo FROM prestamos WHERE nroprestamo = 'N2'")),
              QStringLiteral("1234.500"));
    // The daily instalment of the latest loan, then the loan made a payment.
    ASSERT_EQ(actmov(movimiento("0", "N3", "4.- Couta diaria Presamo", "61,7")), QStringLiteral("0"));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT cuota_diaria FROM prestamos WHERE nroprestamo = 'N2'")),
              QStringLiteral("61.700"));
    ASSERT_EQ(actmov(movimiento("1", "N2", "3.- Pago Couta Prestamo", "10")), QStringLiteral("0"));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM prestamos WHERE nroprestamo = 'N2'")),
              QStringLiteral("0"));
}

TEST_F(CuentasServidorTest, ActmovRefusesWithItsCodesAndChangesNothing)
{
    const QStringList antes = movimientos();
    const struct {
        Movimiento m;
        const char* respuesta;
    } casos[] = {
        {movimiento("0", "D1", "1.- Pago Duroz a Vendedor", "5"), "55"}, // number used already
        {movimiento("1", "XX", "1.- Pago Duroz a Vendedor", "5"), "2"},  // nothing to modify
        {movimiento("0", "  ", "1.- Pago Duroz a Vendedor", "5"), "3"},
        {movimiento("0", "N4", "9.- Otro", "5"), "7"},
        {movimiento("0", "N4", "1.- Pago Duroz a Vendedor", "-5"), "7"},
        {{QStringLiteral("0"),
          QStringLiteral("N4"),
          QStringLiteral("1.- Pago"),
          5,
          QStringLiteral("31/02/2026"),
          QStringLiteral("11:00:00 "),
          QStringLiteral("00001"),
          {},
          QStringLiteral("001"),
          QStringLiteral("0")},
         "7"},
        {{QStringLiteral("0"),
          QStringLiteral("N4"),
          QStringLiteral("1.- Pago"),
          5,
          QStringLiteral("15/03/2026"),
          QStringLiteral("11:00:00 "),
          QStringLiteral("00009"),
          {},
          QStringLiteral("001"),
          QStringLiteral("0")},
         "6"},
        {{QStringLiteral("0"),
          QStringLiteral("N4"),
          QStringLiteral("1.- Pago"),
          5,
          QStringLiteral("15/03/2026"),
          QStringLiteral("11:00:00 "),
          QStringLiteral("00001"),
          {},
          QStringLiteral("999"),
          QStringLiteral("0")},
         "6"},
        {{QStringLiteral("0"),
          QStringLiteral("N4"),
          QStringLiteral("1.- Pago"),
          5,
          QStringLiteral("15/03/2026"),
          QStringLiteral("11:00:00 "),
          QStringLiteral("00001"),
          {},
          QStringLiteral("001"),
          QStringLiteral("7")},
         "7"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(actmov(c.m), QString::fromLatin1(c.respuesta)) << c.m.documento.toStdString();
    EXPECT_EQ(movimientos(), antes);
    EXPECT_THROW(actmov(movimiento("2", "N4", "1.- Pago Duroz a Vendedor", "5")), db::DbError);
}

TEST_F(CuentasServidorTest, AFiveCharacterAccountIsBookedWholeNeverOnTheAccountOfItsFirstThree)
{
    Movimiento m = movimiento("0", "N5", "0.- Pago Vendedor a Duroz", "10");
    m.cuenta = QStringLiteral("CAJA1");
    ASSERT_EQ(actmov(m), QStringLiteral("0"));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT codigo_cuenta FROM movimientos WHERE nromov = 'N5'")),
              QStringLiteral("CAJA1"));
}

TEST_F(CuentasServidorTest, DspcuentasAnswersWithOneArgumentOrTwo)
{
    const QStringList esperado{QStringLiteral("001|Banco de Venezuela|0102-1"),
                               QStringLiteral("002|Banesco|0134-2"), QStringLiteral("CAJ|Caja Vieja|Otro"),
                               QStringLiteral("CAJA1|Caja Chica|Efectivo")};
    for (const QString& llamada : {QStringLiteral("DSPcuentas '0',''"), QStringLiteral("dspcuentas '0' "),
                                   QStringLiteral("DSPcuentas '0'")}) {
        db::RecordSet rs = core::sesion().conexion.execute(llamada);
        EXPECT_EQ(filas(rs, {0, 1, 2}), esperado) << llamada.toStdString();
        rs.moveFirst();
        EXPECT_EQ(texto(rs.value(QStringLiteral("banco_cuenta"))), QStringLiteral("Banco de Venezuela"));
    }
    EXPECT_THROW(core::sesion().conexion.execute(QStringLiteral("DSPcuentas '1'")), db::DbError);
}

TEST_F(CuentasServidorTest, ActcuentasAddsModifiesDeletesAndRefusesWithItsCodes)
{
    auto cuentas = [this] { return db().rows(QStringLiteral("SELECT * FROM cuentas ORDER BY 1")); };
    ASSERT_EQ(
        actcuentas("1", QStringLiteral(" 004 "), QStringLiteral("Provincial  "), QStringLiteral("0108 ")),
        QStringLiteral("0"));
    EXPECT_TRUE(cuentas().contains(QStringLiteral("004|Provincial|0108")));
    ASSERT_EQ(actcuentas("2", QStringLiteral("004"), QStringLiteral("BBVA"), QStringLiteral("0108-9")),
              QStringLiteral("0"));
    EXPECT_TRUE(cuentas().contains(QStringLiteral("004|BBVA|0108-9")));
    ASSERT_EQ(actcuentas("3", QStringLiteral("004"), QString(), QString()), QStringLiteral("0"));
    const QStringList antes = cuentas();
    const struct {
        const char* modo;
        const char* codigo;
        const char* banco;
        const char* respuesta;
    } casos[] = {
        {"1", "001", "Otro", "1"}, {"2", "009", "Otro", "2"}, {"3", "009", "", "2"}, {"1", " ", "Otro", "3"},
        {"1", "005", "  ", "3"},   {"3", "CAJA1", "", "5"}, // movements booked on it
        {"1", "A\tB", "x", "7"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(actcuentas(c.modo, QString::fromLatin1(c.codigo), QString::fromLatin1(c.banco)),
                  QString::fromLatin1(c.respuesta))
            << c.modo << " " << c.codigo;
    EXPECT_EQ(cuentas(), antes);
    EXPECT_THROW(actcuentas("4", QStringLiteral("001")), db::DbError);
}

TEST_F(CuentasServidorTest, ExpensesAreListedAddedModifiedAndDeleted)
{
    auto lista = [](const char* vendedor, const char* fecha) {
        db::Command c = comandodspgastos(QString::fromLatin1(fecha), QString::fromLatin1(vendedor));
        return filas(c.execute(), {1, 2, 3, 4, 5});
    };
    EXPECT_EQ(lista("00001", "15/03/2026"), QStringList{QStringLiteral("G1|15/03/2026|Papel|25,5|rollos")});
    Gasto g{QStringLiteral("0"),       QStringLiteral("G3"),         QStringLiteral("Agua"),
            QStringLiteral("12,75"),   QStringLiteral("15/03/2026"), QStringLiteral("00001"),
            QStringLiteral("botellon")};
    EXPECT_EQ(actgastos(g).first, QStringLiteral("0"));
    EXPECT_EQ(actgastos(g).first, QStringLiteral("1")); // the seller has that number already
    g.modo = QStringLiteral("1");
    g.monto = QStringLiteral("13,5");
    g.fecha = QStringLiteral("14/03/2026");
    EXPECT_EQ(actgastos(g).first, QStringLiteral("0"));
    EXPECT_EQ(lista("00001", "14/03/2026"),
              (QStringList{QStringLiteral("G2|14/03/2026|Internet|40|"),
                           QStringLiteral("G3|14/03/2026|Agua|13,5|botellon")}));
    // The delete answers the seller's expenses left on that date.
    g = {QStringLiteral("2"),          QStringLiteral(" G3 "),  {}, 0,
         QStringLiteral("14/03/2026"), QStringLiteral("00001"), {}};
    const auto [respuesta, quedan] = actgastos(g);
    EXPECT_EQ(respuesta, QStringLiteral("0"));
    EXPECT_EQ(quedan, QStringList{QStringLiteral("G2|14/03/2026|Internet|40|")});
    EXPECT_EQ(actgastos(g).first, QStringLiteral("2"));
    // The other seller's expense of the same number is left alone.
    EXPECT_EQ(lista("00002", "15/03/2026"), QStringList{QStringLiteral("G1|15/03/2026|Luz|60|")});
}

TEST_F(CuentasServidorTest, ActgastosRefusesWithItsCodesAndChangesNothing)
{
    auto gastos = [this] { return db().rows(QStringLiteral("SELECT * FROM gastosvendedor ORDER BY 1, 2")); };
    const QStringList antes = gastos();
    const struct {
        const char* modo;
        const char* numero;
        const char* monto;
        const char* fecha;
        const char* vendedor;
        const char* respuesta;
    } casos[] = {
        {"1", "G9", "1", "15/03/2026", "00001", "2"},  {"0", " ", "1", "15/03/2026", "00001", "3"},
        {"0", "G9", "-1", "15/03/2026", "00001", "7"}, {"0", "G9", "1", "00/00/0000", "00001", "7"},
        {"0", "G9", "1", "15/03/2026", "00009", "6"},  {"2", "G1", "0", "14/03/2026", "00001", "2"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(actgastos({QString::fromLatin1(c.modo),
                             QString::fromLatin1(c.numero),
                             QStringLiteral("x"),
                             QString::fromLatin1(c.monto),
                             QString::fromLatin1(c.fecha),
                             QString::fromLatin1(c.vendedor),
                             {}})
                      .first,
                  QString::fromLatin1(c.respuesta))
            << c.modo << " " << c.numero << " " << c.vendedor;
    EXPECT_EQ(gastos(), antes);
    EXPECT_THROW(actgastos({QStringLiteral("3"),
                            QStringLiteral("G1"),
                            {},
                            0,
                            QStringLiteral("15/03/2026"),
                            QStringLiteral("00001"),
                            {}}),
                 db::DbError);
    EXPECT_EQ(gastos(), antes);
}

TEST_F(CuentasServidorTest, AnAccountsSummaryBalanceIsTheSignedSumOfItsDetailedRows)
{
    ASSERT_EQ(actmov(movimiento("0", "N6", "1.- Pago Duroz a Vendedor", "70,25")), QStringLiteral("0"));
    ASSERT_EQ(actmov(movimiento("0", "N7", "3.- Pago Couta Prestamo", "20")), QStringLiteral("0"));
    const auto llamada = [](const char* detalle, const char* desde = "", const char* hasta = "") {
        return core::sesion().conexion.execute(db::callText(
            QStringLiteral("RPTcuentamov"),
            {QString::fromLatin1(desde), QString::fromLatin1(hasta), QStringLiteral("01/03/2026"),
             QStringLiteral("15/03/2026"), QString::fromLatin1(detalle)}));
    };
    const QStringList resumen = filas(llamada("0"), {0, 1, 2, 3});
    EXPECT_EQ(resumen,
              (QStringList{QStringLiteral("001|Banco de Venezuela|0102-1|-1050,25"),
                           QStringLiteral("002|Banesco|0134-2|0"), QStringLiteral("CAJ|Caja Vieja|Otro|0"),
                           QStringLiteral("CAJA1|Caja Chica|Efectivo|300")}));
    db::RecordSet detalle = llamada("1");
    QMap<QString, platform::Decimal> sumas;
    QStringList columnas;
    for (detalle.moveFirst(); !detalle.eof(); detalle.moveNext()) {
        columnas << texto(detalle.value(QStringLiteral("vendedor"))) + QLatin1Char('|') +
                        texto(detalle.value(QStringLiteral("nombre_vend"))) + QLatin1Char('|') +
                        texto(detalle.value(QStringLiteral("fecha_mov")));
        const QString cuenta = texto(detalle.field(0).value());
        sumas[cuenta] = sumas.value(cuenta) +
                        *platform::Decimal::parse(texto(detalle.value(QStringLiteral("montocuenta"))),
                                                  QLatin1Char(','), QLatin1Char('.'));
    }
    EXPECT_EQ(columnas.first(), QStringLiteral("00001|AGENCIA NORTE|10/03/2026"));
    for (const QString& fila : resumen) {
        const QStringList c = fila.split(QLatin1Char('|'));
        EXPECT_EQ(regional::toText(QVariant::fromValue(sumas.value(c[0]))), c[3]) << c[0].toStdString();
    }
    // The account range: only 002 to CAJ.
    EXPECT_EQ(filas(llamada("0", "002", "CAJ"), {0}),
              (QStringList{QStringLiteral("002"), QStringLiteral("CAJ")}));
}

TEST_F(CuentasServidorTest, ASellersDetailRowsAddUpToItsSummaryRowEachExpenseCountedOnce)
{
    const auto llamada = [](const char* detalle, const char* desde = "", const char* hasta = "") {
        return core::sesion().conexion.execute(db::callText(
            QStringLiteral("RPTGASTOSALDO"),
            {QString::fromLatin1(desde), QString::fromLatin1(hasta), QStringLiteral("14/03/2026"),
             QStringLiteral("15/03/2026"), QString::fromLatin1(detalle)}));
    };
    // 00001: lottery 1000 on the 14th and 300 + 200 on the 15th; expenses 40
    // and 25,5. 00002: 400 and 60 on the 15th.
    EXPECT_EQ(filas(llamada("1"), {0, 1, 2, 3}), (QStringList{QStringLiteral("00001|14/03/2026|1000|40"),
                                                              QStringLiteral("00001|15/03/2026|500|25,5"),
                                                              QStringLiteral("00002|15/03/2026|400|60")}));
    db::RecordSet resumen = llamada("0");
    EXPECT_EQ(filas(resumen, {0, 1, 2}),
              (QStringList{QStringLiteral("00001|1500|65,5"), QStringLiteral("00002|400|60")}));
    resumen.moveFirst();
    EXPECT_EQ(texto(resumen.value(QStringLiteral("nombre_vend"))), QStringLiteral("AGENCIA NORTE"));
    EXPECT_EQ(filas(llamada("0", "00002", ""), {0}), QStringList{QStringLiteral("00002")});
    EXPECT_EQ(filas(llamada("0", "", "00001"), {0}), QStringList{QStringLiteral("00001")});
    EXPECT_THROW(llamada("2"), db::DbError);
}
