#include "golden.h"
#include "registros.h"
#include "reports/htmlmovimientos.h"

#include <gtest/gtest.h>
#include <QDate>

using platform::db::DataType;
using platform::db::RecordSet;
using testsupport::dinero;
using testsupport::nulo;

namespace {

RecordSet movimientos(const QList<QVariantList>& filas)
{
    return testsupport::registros({{QStringLiteral("vendedor")},
                                   {QStringLiteral("nombre_vend")},
                                   {QStringLiteral("fecha"), DataType::Date},
                                   {QStringLiteral("movimiento")},
                                   {QStringLiteral("monto"), DataType::Numeric}},
                                  filas);
}

} // namespace

// Border "1", an empty second header line (left out), a name with markup
// characters (escaped), accents (UTF-8), a NULL amount (empty cell), a
// zero and a negative amount.
TEST(HtmlMovimientos, RowsWithBorderAndOneHeaderLine)
{
    RecordSet rs = movimientos({
        {QStringLiteral("00001"), QStringLiteral("Peña & <Hijos>"), QDate(2024, 3, 5),
         QStringLiteral("Préstamo"), dinero("1500.5")},
        {QStringLiteral("00002"), QStringLiteral("Ana"), QDate(2024, 3, 6), QStringLiteral("Abono"), nulo()},
        {QStringLiteral("00003"), QStringLiteral("José"), QDate(2024, 3, 7), QStringLiteral("Cobro"),
         dinero("0")},
        {QStringLiteral("00004"), nulo(), QDate(2024, 3, 8), QStringLiteral("Ajuste"),
         dinero("-1234567.891")},
    });
    reports::PaginaHtml pagina;
    reports::paginaMovimientos(pagina, rs, QStringLiteral("Fecha Desde : 01/03/2024 Hasta: 31/03/2024"),
                               QString(), QStringLiteral("1"), QStringLiteral("Banca Ñ & Cía"));
    testsupport::comparaConGolden(pagina.bytes(), QStringLiteral("movimientos_filas.html"));
    EXPECT_TRUE(rs.eof());
}

// Border "0", a second header line, a result set already at its end: the
// table has its header row only and the page no totals.
TEST(HtmlMovimientos, AResultAtItsEndGivesTheHeaderRowOnly)
{
    RecordSet rs = movimientos({{QStringLiteral("00001"), QStringLiteral("Ana"), QDate(2024, 3, 5),
                                 QStringLiteral("Abono"), dinero("10")}});
    rs.moveNext();
    reports::PaginaHtml pagina;
    reports::paginaMovimientos(pagina, rs, QStringLiteral("Fecha Desde : 01/03/2024 Hasta: 31/03/2024"),
                               QStringLiteral("Vendedor: 00001"), QStringLiteral("0"),
                               QStringLiteral("Banca"));
    testsupport::comparaConGolden(pagina.bytes(), QStringLiteral("movimientos_vacio.html"));
}
