#include "reports/reportespuntoventa.h"
#include "golden.h"
#include "registros.h"

#include <gtest/gtest.h>
#include <QDate>
#include <QTime>

using platform::db::DataType;
using platform::db::RecordSet;
using testsupport::dinero;
using testsupport::nulo;

namespace {

const QString Linea1 = QStringLiteral("Fecha Desde : 01/03/2024 Hasta: 02/03/2024");

} // namespace

// An active ticket prized and paid; a cancelled one (shown, left out of the
// totals); one neither prized nor paid (empty Premiado cell, no Pagado
// cell); an unknown state (no Estado cell: its later cells move left); NULL
// amounts (empty cells, counted as 0); an empty second header line.
TEST(ReportesPuntoVenta, PointOfSalePage)
{
    RecordSet rs = testsupport::registros(
        {{QStringLiteral("nroticket")},
         {QStringLiteral("monto"), DataType::Numeric},
         {QStringLiteral("hora"), DataType::Time},
         {QStringLiteral("usuario")},
         {QStringLiteral("estado")},
         {QStringLiteral("premiado")},
         {QStringLiteral("premio"), DataType::Numeric},
         {QStringLiteral("pagado")}},
        {{QStringLiteral("0000000001"), dinero("100"), QTime(9, 5, 7), QStringLiteral("U01"),
          QStringLiteral("ACT"), QStringLiteral("S"), dinero("7000"), QStringLiteral("S")},
         {QStringLiteral("0000000002"), dinero("50.5"), QTime(10, 0), QStringLiteral("U01"),
          QStringLiteral("ELI"), QStringLiteral("N"), nulo(), QStringLiteral("N")},
         {QStringLiteral("0000000003"), dinero("1234.567"), QTime(11, 30, 59), QStringLiteral("U<2>"),
          QStringLiteral("ACT"), QStringLiteral("N"), nulo(), QStringLiteral("N")},
         {QStringLiteral("0000000004"), dinero("3"), QTime(12, 0), QStringLiteral("U02"),
          QStringLiteral("XYZ"), QStringLiteral("S"), dinero("9"), QStringLiteral("S")},
         {QStringLiteral("0000000005"), nulo(), QTime(23, 59, 59), QStringLiteral("U02"),
          QStringLiteral("ACT"), QStringLiteral("S"), dinero("0.5"), QStringLiteral("N")}});
    reports::PaginaHtml pagina;
    reports::paginaPuntoVenta(pagina, rs, Linea1, QString(), QStringLiteral("1"), QStringLiteral("Banca"));
    testsupport::comparaConGolden(pagina.bytes(), QStringLiteral("puntoventa.html"));
}

// Twelve sale points: the page ends with their count; a NULL total counts
// as 0; the print date line follows the header lines.
TEST(ReportesPuntoVenta, TotalsPerSalePointPage)
{
    QList<QVariantList> filas;
    for (int i = 1; i <= 12; ++i)
        filas.append({QStringLiteral("%1 - Centro %1").arg(i, 5, 10, QLatin1Char('0')),
                      i == 7 ? nulo() : dinero(QByteArray::number(i * 1000.25, 'f', 2).constData())});
    RecordSet rs = testsupport::registros(
        {{QStringLiteral("puntoventa")}, {QStringLiteral("total"), DataType::Numeric}}, filas);
    reports::PaginaHtml pagina;
    reports::paginaTotalesPuntoVenta(pagina, rs, Linea1, QString(), QStringLiteral("0"),
                                     QStringLiteral("Banca"), QStringLiteral("15/03/2024"),
                                     QStringLiteral("18:30:00 "));
    testsupport::comparaConGolden(pagina.bytes(), QStringLiteral("totalespuntoventa.html"));
}

TEST(ReportesPuntoVenta, ExpiredTicketsPage)
{
    RecordSet rs = testsupport::registros({{QStringLiteral("nroticket")},
                                           {QStringLiteral("usuario")},
                                           {QStringLiteral("fecha"), DataType::Date},
                                           {QStringLiteral("hora"), DataType::Time},
                                           {QStringLiteral("monto"), DataType::Numeric},
                                           {QStringLiteral("premio"), DataType::Numeric}},
                                          {{QStringLiteral("0000000010"), QStringLiteral("U01"),
                                            QDate(2024, 1, 2), QTime(8, 0), dinero("20"), dinero("1400")},
                                           {QStringLiteral("0000000011"), QStringLiteral("U02"),
                                            QDate(2024, 1, 3), QTime(9, 15, 30), dinero("5.25"), nulo()}});
    reports::PaginaHtml pagina;
    reports::paginaCaducados(pagina, rs, Linea1, QStringLiteral("Vendedor: *****"), QStringLiteral("1"),
                             QStringLiteral("Banca"));
    testsupport::comparaConGolden(pagina.bytes(), QStringLiteral("caducados.html"));
}
