// The server side of the live monitor: monitoronline's five play types
// split a lottery's sales of a date with no play in two types, only active
// tickets count, and the number, amount and seller filters narrow the rows.

#include "datossorteos.h"
#include "draws/celdasmonitor.h"
#include "llamadascontrol.h"

#include "platform/db/dberror.h"

using namespace datossorteos;
using llamadascontrol::filas;
using llamadascontrol::monitoronline;
using platform::Decimal;

namespace {

const QStringList Columnas = {QStringLiteral("Numero_normal"),  QStringLiteral("xMonto_Normal"),
                              QStringLiteral("xMontoespecial"), QStringLiteral("xMonto_Digito"),
                              QStringLiteral("Monto_Digito"),   QStringLiteral("descjugada")};

class MonitorServidorTest : public ConBase {
protected:
    void SetUp() override
    {
        ConBase::SetUp();
        if (HasFatalFailure())
            return;
        const QString t1 = QStringLiteral("T1");
        const auto j = [](const char* lot, const char* num, const char* monto, const char* esp = "",
                          const char* det = "") {
            return Jugada{QLatin1String(lot), QLatin1String(num), QLatin1String(monto), QLatin1String(esp),
                          QLatin1String(det)};
        };
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("1"),
               {j("001", "123", "10"), j("001", "23", "10"), j("001", "7", "5"),
                j("001", "345", "10", "T1", "01"), j("001", "45", "4", "T1", "01"),
                j("001", "45", "3", "T1", "02"), j("001", "5", "2", "T1", "01"), j("014", "123", "50")});
        ticket(*db_, QStringLiteral("00001"), QStringLiteral("1"),
               {j("001", "123", "20.5"), j("001", "56", "6"), j("001", "7", "1")});
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("2"),
               {j("001", "123", "100"), j("001", "23", "100")}, QStringLiteral("S2"), true);
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("3"), {j("001", "123", "70")},
               QStringLiteral("S3"), false, QStringLiteral("'2026-03-06'"));
    }

    QStringList monitor(const QString& tipo, const QString& numero = QString(),
                        const QString& monto = QString(), const QString& vendedor = QString())
    {
        platform::db::RecordSet rs = monitoronline(conexion(), Fecha, tipo, QStringLiteral("001"), numero,
                                                   monto, vendedor);
        return filas(rs, Columnas);
    }

    Decimal total(const QString& tipo, const QString& vendedor = QString())
    {
        platform::db::RecordSet rs = monitoronline(conexion(), Fecha, tipo, QStringLiteral("001"), QString(),
                                                   QString(), vendedor);
        Decimal suma;
        if (rs.recordCount() == 0)
            return suma;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            suma += draws::importeFila(draws::leeFilaMonitor(rs));
        return suma;
    }

    Decimal ventas(const QString& vendedor = QString())
    {
        const QString filtro = vendedor.isEmpty() ? QString()
                                                  : QStringLiteral(" AND p.codvendedor = '%1'").arg(vendedor);
        const QStringList r = db_->rows(
            QStringLiteral("SELECT sum(p.monto) FROM jugadasticket p JOIN tickets k"
                           " USING (codvendedor, nroticket) WHERE k.anulado = 'N'"
                           " AND p.cod_lot = '001' AND p.fechaticket = %1%2")
                .arg(FechaSql, filtro));
        return *Decimal::parse(r.value(0));
    }
};

const QStringList Tipos = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                           QStringLiteral("5")};

} // namespace

TEST_F(MonitorServidorTest, TheFiveTypesAddUpToTheSalesOfActiveTickets)
{
    for (const QString& vendedor : {QString(), QStringLiteral("00000"), QStringLiteral("00001")}) {
        SCOPED_TRACE(vendedor.toStdString());
        Decimal suma;
        for (const QString& tipo : Tipos)
            suma += total(tipo, vendedor);
        EXPECT_EQ(suma.normalized().toString(), ventas(vendedor).normalized().toString());
    }
    for (const QString& tipo : Tipos) {
        EXPECT_EQ((total(tipo, QStringLiteral("00000")) + total(tipo, QStringLiteral("00001")))
                      .normalized()
                      .toString(),
                  total(tipo).normalized().toString())
            << "the sellers' shares of type " << tipo.toStdString();
    }
}

TEST_F(MonitorServidorTest, EachTypeAnswersItsRows)
{
    struct Caso {
        const char* tipo;
        QStringList filas;
    };
    const Caso casos[] = {
        {"1", {QStringLiteral("123|30,5|0|0|0|")}},
        {"2", {QStringLiteral("23|10|0|0|0|"), QStringLiteral("56|6|0|0|0|")}},
        {"3", {QStringLiteral("45|0|4|0|0|ARIES"), QStringLiteral("45|0|3|0|0|TAURO")}},
        {"4", {QStringLiteral("345|0|10|0|0|ARIES")}},
        {"5", {QStringLiteral("**5|0|2|0|2|ARIES"), QStringLiteral("**7|0|0|6|0|")}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(monitor(QLatin1String(c.tipo)), c.filas) << "type " << c.tipo;
}

TEST_F(MonitorServidorTest, FiltersNarrowTheRows)
{
    struct Caso {
        const char* tipo;
        const char* numero;
        const char* monto;
        const char* vendedor;
        QStringList numeros;
        const char* porque;
    };
    const Caso casos[] = {
        {"2", "23", "", "", {QStringLiteral("23")}, "one number"},
        {"2", "*6", "", "", {QStringLiteral("56")}, "* stands for any figure"},
        {"2", "**", "", "", {QStringLiteral("23"), QStringLiteral("56")}, "every terminal"},
        {"5", "**7", "", "", {QStringLiteral("**7")}, "a digit as shown"},
        {"1", "12", "", "", {}, "a shorter number matches no triple"},
        {"2", "", "7", "", {QStringLiteral("23")}, "at least this amount"},
        {"2", "", "6,0", "", {QStringLiteral("23"), QStringLiteral("56")}, "the amount takes a comma"},
        {"2", "", "", "00001", {QStringLiteral("56")}, "one seller"},
        {"1", "", "", "00001", {QStringLiteral("123")}, "one seller"},
        {"1", "", "", "00002", {}, "a seller who sold nothing"},
    };
    for (const Caso& c : casos) {
        QStringList numeros;
        for (const QString& fila : monitor(QLatin1String(c.tipo), QLatin1String(c.numero),
                                           QLatin1String(c.monto), QLatin1String(c.vendedor)))
            numeros << fila.section(QLatin1Char('|'), 0, 0);
        EXPECT_EQ(numeros, c.numeros) << c.porque;
    }
}

TEST_F(MonitorServidorTest, RefusesWhatItCannotRead)
{
    for (const auto& [tipo, numero, monto] :
         {std::tuple{"6", "", ""}, std::tuple{"", "", ""}, std::tuple{"1", "1'2", ""},
          std::tuple{"1", "", "abc"}, std::tuple{"1", "", "-3"}}) {
        EXPECT_THROW(monitor(QLatin1String(tipo), QLatin1String(numero), QLatin1String(monto)),
                     platform::db::DbError)
            << tipo << " " << numero << " " << monto;
    }
}
