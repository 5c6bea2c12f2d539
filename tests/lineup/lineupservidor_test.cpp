// The line-up on the server: the rules of server/README.md on its worked
// example, every movement type against the client's actmem, the daily
// instalments a future date registers once, the history of a seller and the
// older line-up.

#include "datoslineup.h"

#include "platform/db/dberror.h"

using namespace datoslineup;
using platform::Decimal;
using platform::db::DataType;
using platform::db::Direction;
using platform::db::RecordSet;

namespace {

class LineupServidorTest : public testsupport::SessionTest {
protected:
    void siembra(testsupport::TestDatabase& db) override { datoslineup::siembra(db); }

    RecordSet lineup(const QString& fecha) { return dsplup22(conexion(), fecha); }

    QString filaDe(const QStringList& todas, const QString& vendedor)
    {
        for (const QString& f : todas)
            if (f.startsWith(vendedor + u'|'))
                return f;
        return {};
    }

    // A line-up row of `dia` as the history shows it: naming its own date
    // where the line-up names the date before it.
    static QString enHistoria(QString fila, const QString& dia)
    {
        QStringList partes = fila.split(u'|');
        if (partes.size() > 2)
            partes[2] = dia;
        return partes.join(u'|');
    }

    QString cuotas(const QString& fechaSql)
    {
        return db().scalar(
            QStringLiteral("SELECT count(*) || '/' || coalesce(sum(monto_mov), 0)::numeric(18,2)"
                           " FROM movimientos WHERE descri_mov LIKE '5%%' AND fecha_mov = '%1'")
                .arg(fechaSql));
    }
};

const QString Uno = QStringLiteral(
    "00001|AGENCIA UNO|09/03/2026|650.00|450.00|100.00|600.00|450.00|800.00|1250.00");
const QString Dos = QStringLiteral(
    "00002|AGENCIA DOS CON NOMBRE DE CINCUENTA CARACTERES: 50|05/03/2026|90.25|0.00|0.00|0.00|90.25|0.00|"
    "90.25");
const QString Tres = QStringLiteral("00003|AGENCIA TRES||0.00|0.00|0.00|0.00|0.00|0.00|0.00");

} // namespace

TEST_F(LineupServidorTest, TheWorkedExampleInBothSpellings)
{
    EXPECT_EQ(filas(lineup(Hoy)), (QStringList{Uno, Dos, Tres}));

    platform::db::Command cmd(conexion(), QStringLiteral("DSPLUP22"));
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(QStringLiteral("@xfecmov"), DataType::VarChar, Direction::Input, 10);
    cmd.setValue(QStringLiteral("@xfecmov"), Hoy);
    RecordSet rs = cmd.execute();
    EXPECT_EQ(filas(rs), (QStringList{Uno, Dos, Tres}));
    EXPECT_EQ(rs.fieldCount(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(rs.field(i).name().toLower(), core::camposLineup().at(i));

    // The day before: the balance brought forward of 09/03 is 08/03's total.
    EXPECT_EQ(filaDe(filas(lineup(QStringLiteral("09/03/2026"))), QStringLiteral("00001")),
              QStringLiteral("00001|AGENCIA UNO|08/03/2026|300.00|350.00|0.00|-50.00|650.00|950.00|1600.00"));
    // Before anything happened: every seller, all zeros, never NULL.
    for (const QString& f : filas(lineup(QStringLiteral("01/01/2020"))))
        EXPECT_TRUE(f.endsWith(QStringLiteral("||0.00|0.00|0.00|0.00|0.00|0.00|0.00"))) << f.toStdString();
}

TEST_F(LineupServidorTest, RefusesATextThatIsNoDate)
{
    for (const char* fecha : {"31/02/2026", "", "2026-03-10", "10/03/2026' OR '1'='1"})
        EXPECT_THROW(lineup(QLatin1String(fecha)), platform::db::DbError) << fecha;
}

// One movement of each type dated on the line-up's date, then changed in
// amount and type, then deleted: after each step the row actmem leaves in
// memory is the row a fresh DspLup22 gives, and the history row of that
// date is the same row.
TEST_F(LineupServidorTest, EveryMovementTypeLeavesTheRowActmemProduces)
{
    const QStringList tipos = {
        QStringLiteral("0.- Pago Vendedor a Duroz"),
        QStringLiteral("1.- Pago Duroz a Vendedor"),
        QStringLiteral("2.- Prestamo"),
        QStringLiteral("3.- Pago Couta Prestamo"),
        QStringLiteral("4.- Couta diaria Presamo"),
        QStringLiteral("5.- Pago Cuota Diaria"),
    };
    RecordSet servidor = lineup(Hoy);
    core::LineupMemoria memoria;
    memoria.rs = core::copiaLineup(servidor);
    memoria.fecha = HoyFecha;

    // The history lists the dates the seller had something on: none once
    // the movement is deleted.
    auto compara = [&](const QString& paso, bool conHistoria = true) {
        const QString esperado = filaDe(filas(lineup(Hoy)), QStringLiteral("00002"));
        RecordSet rs = memoria.rs.clone();
        ASSERT_TRUE(rs.find(QStringLiteral("codven = '00002'")));
        EXPECT_EQ(fila(rs), esperado) << paso.toStdString();
        RecordSet historia = conexion().execute(
            platform::db::callText(QStringLiteral("historicolup"), {QStringLiteral("00002"), Hoy, Hoy}));
        EXPECT_EQ(filas(historia), conHistoria ? QStringList{enHistoria(esperado, Hoy)} : QStringList{})
            << paso.toStdString();
    };

    for (int t = 0; t < tipos.size(); ++t) {
        const QString nro = QStringLiteral("T%1").arg(t);
        const core::MovimientoLineup agregado{QStringLiteral("00002"), HoyFecha, tipos[t],
                                              *Decimal::parse(QStringLiteral("123.45"))};
        db().exec(
            QStringLiteral("INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, codvendedor)"
                           " VALUES ('%1', '%2', 123.45, '2026-03-10', '00002')")
                .arg(nro, tipos[t]));
        core::actmem(memoria, {}, agregado);
        compara(QStringLiteral("add ") + tipos[t]);

        const core::MovimientoLineup cambiado{QStringLiteral("00002"), HoyFecha, tipos[(t + 1) % 6],
                                              Decimal(77)};
        db().exec(
            QStringLiteral("UPDATE movimientos SET descri_mov = '%2', monto_mov = 77 WHERE nromov = '%1'")
                .arg(nro, cambiado.tipo));
        core::actmem(memoria, agregado, cambiado);
        compara(QStringLiteral("modify ") + tipos[t]);

        db().exec(QStringLiteral("DELETE FROM movimientos WHERE nromov = '%1'").arg(nro));
        core::actmem(memoria, cambiado, {});
        compara(QStringLiteral("delete ") + tipos[t], false);
    }
}

TEST_F(LineupServidorTest, AFutureDateRegistersEachInstalmentOnce)
{
    // A loan of 30 whose daily instalment is 50: one instalment of 30 pays it off.
    db().exec(QStringLiteral(
        "INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, codvendedor) VALUES"
        "  ('P3', '2.- Prestamo', 30, '2026-03-09', '00003'), ('CD00000001', '0.- Pago Vendedor a Duroz', 1,"
        "  '2026-01-01', '00003');"
        "INSERT INTO prestamos (nroprestamo, codvendedor, fecha_prestamo, monto_prestamo, cuota_diaria)"
        " VALUES ('P3', '00003', '2026-03-09', 30, 50);"
        // Granted on the future date itself: its first instalment is due the day after.
        "INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, codvendedor) VALUES"
        "  ('P4', '2.- Prestamo', 100, '2026-03-11', '00002');"
        "INSERT INTO prestamos (nroprestamo, codvendedor, fecha_prestamo, monto_prestamo, cuota_diaria)"
        " VALUES ('P4', '00002', '2026-03-11', 100, 20);"));
    // Today and earlier dates register nothing.
    lineup(Hoy);
    lineup(QStringLiteral("01/03/2026"));
    EXPECT_EQ(cuotas(QStringLiteral("2026-03-11")), QStringLiteral("0/0.00"));
    EXPECT_EQ(cuotas(QStringLiteral("2026-03-10")), QStringLiteral("1/50.00"));

    const QStringList primera = filas(lineup(QStringLiteral("11/03/2026")));
    EXPECT_EQ(cuotas(QStringLiteral("2026-03-11")), QStringLiteral("2/80.00"));
    EXPECT_EQ(filaDe(primera, QStringLiteral("00001")),
              QStringLiteral("00001|AGENCIA UNO|10/03/2026|450.00|50.00|0.00|0.00|450.00|750.00|1200.00"));
    EXPECT_EQ(filaDe(primera, QStringLiteral("00003")),
              QStringLiteral("00003|AGENCIA TRES|09/03/2026|-1.00|30.00|0.00|0.00|-1.00|0.00|-1.00"));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT saldado FROM prestamos WHERE nroprestamo = 'P3'")),
              QStringLiteral("S"));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM cuotasdiarias WHERE nroprestamo = 'P4'")),
              QStringLiteral("0"))
        << "a loan granted on the line-up's date pays no instalment that day";
    // The used document number was skipped.
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM cuotasdiarias WHERE nromov = 'CD00000001'")),
              QStringLiteral("0"));

    // Again, as text and typed: nothing more.
    EXPECT_EQ(filas(lineup(QStringLiteral("11/03/2026"))), primera);
    platform::db::Command cmd(conexion(), QStringLiteral("DSPLUP22"));
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(QStringLiteral("@xfecmov"), DataType::VarChar, Direction::Input, 10);
    cmd.setValue(QStringLiteral("@xfecmov"), QStringLiteral("11/03/2026"));
    EXPECT_EQ(filas(cmd.execute()), primera);
    EXPECT_EQ(cuotas(QStringLiteral("2026-03-11")), QStringLiteral("2/80.00"));

    // The next day: the paid-off loan gives nothing, the other one again,
    // and the loan granted on 11/03 its first instalment.
    lineup(QStringLiteral("12/03/2026"));
    EXPECT_EQ(cuotas(QStringLiteral("2026-03-12")), QStringLiteral("2/70.00"));
    EXPECT_EQ(db().scalar(
                  QStringLiteral("SELECT fecha || ' ' || monto FROM cuotasdiarias WHERE nroprestamo = 'P4'")),
              QStringLiteral("2026-03-12 20.000"));
}

TEST_F(LineupServidorTest, TheHistoryOfASellerOverAPeriod)
{
    const QStringList historia = filas(conexion().execute(platform::db::callText(
        QStringLiteral("historicolup"), {QStringLiteral(" 00001 "), QStringLiteral("01/03/2026"), Hoy})));
    // Each row is the line-up of its date, naming that date itself under
    // "Ultima Fec.": the operator reads which date each row is.
    QStringList esperado;
    for (const char* dia : {"08/03/2026", "09/03/2026", "10/03/2026"})
        esperado << enHistoria(filaDe(filas(lineup(QLatin1String(dia))), QStringLiteral("00001")),
                               QLatin1String(dia));
    EXPECT_EQ(historia, esperado);
    EXPECT_EQ(historia, (QStringList{
                            QStringLiteral("00001|AGENCIA UNO|08/03/2026|0.00|500.00|0.00|200.00|300.00|"
                                           "1000.00|1300.00"),
                            QStringLiteral("00001|AGENCIA UNO|09/03/2026|300.00|350.00|0.00|-50.00|650.00|"
                                           "950.00|1600.00"),
                            QStringLiteral("00001|AGENCIA UNO|10/03/2026|650.00|450.00|100.00|600.00|450.00|"
                                           "800.00|1250.00"),
                        }));

    // A period without activity, an inverted period, a seller with nothing.
    for (const QStringList& argumentos :
         {QStringList{QStringLiteral("00001"), QStringLiteral("01/01/2026"), QStringLiteral("31/01/2026")},
          QStringList{QStringLiteral("00001"), Hoy, QStringLiteral("01/03/2026")},
          QStringList{QStringLiteral("00003"), QStringLiteral("01/03/2026"), Hoy}})
        EXPECT_EQ(conexion()
                      .execute(platform::db::callText(QStringLiteral("historicolup"), argumentos))
                      .recordCount(),
                  0)
            << argumentos.join(u',').toStdString();
}

TEST_F(LineupServidorTest, TheOlderLineUp)
{
    RecordSet rs = conexion().execute(
        platform::db::callText(QStringLiteral("DspLupcap"), {QStringLiteral("09/03/2026")}));
    ASSERT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(rs.fieldCount(), 10);
    EXPECT_EQ(fila(rs),
              QStringLiteral(
                  "00001 - AGENCIA UNO|08/03/2026|300.00|350.00|50.00|50.00|-50.00|650.00|950.00|1600.00"));
    EXPECT_EQ(cuotas(QStringLiteral("2026-03-11")), QStringLiteral("0/0.00"));
}

// What the line-up reads of the daily results follows every change of them.
TEST_F(LineupServidorTest, TheDailySumsFollowTheDailyResults)
{
    const QString suma = QStringLiteral(
        "SELECT coalesce(string_agg(vendedor || ' ' || fecha || ' ' || subtotal, ', '"
        " ORDER BY vendedor, fecha), '') FROM %1");
    const QString directa = suma.arg(QStringLiteral("(SELECT vendedor, fecha, sum(subtotal)::numeric(18,3) "
                                                    "AS subtotal FROM saldosdias GROUP BY 1, 2) x"));
    const QString guardada = suma.arg(QStringLiteral("saldosdias_dia"));
    const char* cambios[] = {
        "INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada, total_venta, subtotal) VALUES"
        " ('00001', '2026-03-10', '001', '2', 10, 10), ('00003', '2026-03-01', '001', '1', 5, 5)",
        "UPDATE saldosdias SET total_venta = total_venta + 1, subtotal = subtotal + 1 WHERE vendedor = "
        "'00001'",
        "UPDATE saldosdias SET fecha = '2026-03-02' WHERE vendedor = '00003'",
        "DELETE FROM saldosdias WHERE vendedor = '00001' AND fecha = '2026-03-09'",
        "DELETE FROM saldosdias WHERE vendedor = '00001' AND tipo_jugada = '2'",
        "TRUNCATE saldosdias",
    };
    EXPECT_EQ(db().scalar(guardada), db().scalar(directa));
    for (const char* cambio : cambios) {
        db().exec(QLatin1String(cambio));
        EXPECT_EQ(db().scalar(guardada), db().scalar(directa)) << cambio;
    }
    EXPECT_EQ(db().scalar(guardada), QString());
}
