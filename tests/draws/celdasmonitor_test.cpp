// The live monitor's layout as pure functions: which amount a row stands
// for, the text of its cell, how cells fill the lines, and the total, in one
// table of cases.

#include "draws/celdasmonitor.h"

#include <gtest/gtest.h>

using draws::FilaMonitor;
using platform::Decimal;

namespace {

Decimal d(const char* texto)
{
    return *Decimal::parse(QLatin1String(texto));
}

// A normal row, a digit row ("**"), a special row.
FilaMonitor normal(const char* numero, const char* monto)
{
    return {QLatin1String(numero), d(monto), Decimal(), Decimal(), Decimal(), QString()};
}
FilaMonitor digito(const char* numero, const char* monto)
{
    return {QLatin1String(numero), Decimal(), Decimal(), d(monto), Decimal(), QString()};
}
FilaMonitor especial(const char* numero, const char* monto, const char* desc, const char* montoDigito = "0")
{
    return {QLatin1String(numero), Decimal(), d(monto), Decimal(), d(montoDigito), QLatin1String(desc)};
}

const QString T = QStringLiteral("\t");

} // namespace

TEST(CeldasMonitorTest, CellsOfEachKindOfRow)
{
    struct Caso {
        FilaMonitor fila;
        QString celda; // empty: no cell
        const char* porque;
    };
    const Caso casos[] = {
        {normal("123", "10"), QStringLiteral("123 -> \t\t10,00   "), "a normal cell"},
        {normal(" 12 ", "1500.5"), QStringLiteral("12 -> \t\t1.500,50   "),
         "trimmed; 1500.5 keeps its decimals"},
        {normal("*5", "3"), QStringLiteral("*5 -> \t\t3,00   "),
         "a number beginning with * stays as it came"},
        {normal("123", "123456"), QStringLiteral("123 -> \t\t123.456,00   "), "a large amount"},
        {digito("**7", "6"), QStringLiteral("**7 -> \t\t6,00   "), "a digit takes xMonto_Digito"},
        {especial(" 45 ", "4", " ARIES "), QStringLiteral("45  -> 4,00\tARI"),
         "special: trimmed, one blank after"},
        {especial("**5", "2", "TAURO", "2.25"), QStringLiteral("**5 -> 2,25\tTAU"),
         "a special digit: Monto_Digito"},
        {normal("123", "0"), QString(), "amount 0: no cell"},
        {normal("123", "-1"), QString(), "a negative amount: no cell"},
        {digito("**7", "0"), QString(), "a digit whose digit amount is 0"},
        {FilaMonitor{QStringLiteral("9"), Decimal(), Decimal(), Decimal(), Decimal(), QString()}, QString(),
         "NULL amounts count as 0"},
    };
    for (const Caso& c : casos) {
        const auto celda = draws::celdaMonitor(c.fila);
        EXPECT_EQ(celda ? celda->texto : QString(), c.celda) << c.porque;
    }
}

TEST(CeldasMonitorTest, LinesOfCellsAndTheTotal)
{
    const QList<FilaMonitor> cinco = {normal("1", "1"), normal("2", "2"), normal("3", "3"), normal("4", "4"),
                                      normal("5", "5")};
    const auto c = [](const char* n, const char* m) -> QString {
        return QLatin1String(n) + QStringLiteral(" -> \t\t") + QLatin1String(m) + QStringLiteral("   ");
    };
    struct Caso {
        QList<FilaMonitor> filas;
        int columnas;
        QStringList lineas;
        const char* total;
        const char* porque;
    };
    const Caso casos[] = {
        {cinco,
         2,
         {c("1", "1,00") + T + QLatin1Char(' ') + c("2", "2,00") + T + QLatin1Char(' '),
          c("3", "3,00") + T + c("4", "4,00") + T + QLatin1Char(' '), c("5", "5,00") + T},
         "15",
         "five cells, two a line: 2, 2, 1"},
        {cinco.mid(0, 2), 1, {c("1", "1,00") + T + QLatin1Char(' '), c("2", "2,00") + T}, "3", "one a line"},
        {cinco.mid(0, 2),
         0,
         {QString(), c("1", "1,00") + T, c("2", "2,00") + T},
         "3",
         "0 columns: an empty first line"},
        {{normal("1", "0"), normal("2", "0")}, 3, {QString()}, "0", "no amount: one empty line"},
        {{especial("45", "4", "ARIES"), normal("12", "1")},
         5,
         {QStringLiteral("45  -> 4,00\tARI") + T + c("12", "1,00") + T + QLatin1Char(' ')},
         "5",
         "a special cell gets no blank after its tab"},
    };
    for (const Caso& k : casos) {
        const draws::DisposicionMonitor disp = draws::disponeMonitor(k.filas, k.columnas);
        EXPECT_EQ(disp.lineas, k.lineas) << k.porque;
        EXPECT_EQ(disp.total, d(k.total)) << k.porque;
    }
}

TEST(CeldasMonitorTest, TotalsBarNamesTheType)
{
    const std::pair<const char*, const char*> casos[] = {
        {"1", "1.500,50 - Triples"},
        {"2", "1.500,50 - Terminales"},
        {"3", "1.500,50 - Ter. Especial"},
        {"4", "1.500,50 - Trip. Especial"},
        {"5", "1.500,50 - Digito"},
        {"6", "1.500,50 - "},
        {"", "1.500,50 - "},
    };
    for (const auto& [tipo, texto] : casos)
        EXPECT_EQ(draws::textoTotalMonitor(d("1500.5"), QLatin1String(tipo)), QString::fromUtf8(texto))
            << tipo;
}
