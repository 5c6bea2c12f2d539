// The line-up page: single quotes, every column after the seller code in
// its order, plain numbers and a totals row.

#include "golden.h"
#include "paginas.h"
#include "reports/htmllineup.h"

#include <gtest/gtest.h>

using testsupport::dinero;
using testsupport::nulo;

namespace {

QString s(const char* texto)
{
    return QString::fromUtf8(texto);
}

QVariantList vendedor(const char* codigo, QVariant nombre, const char* saldo)
{
    return {s(codigo),      nombre,       s("14/03/2024"), dinero(saldo), dinero("10"),
            dinero("0.25"), dinero("-3"), dinero("1"),     dinero("2"),   dinero("3")};
}

} // namespace

TEST(HtmlLineUp, EveryColumnInItsOrderWithPlainNumbersAndTotals)
{
    platform::db::RecordSet rs = platform::db::RecordSet(testsupport::porPosicion(
        10, {3, 4, 5, 6, 7, 8, 9},
        {vendedor("00001", s("Peña <Hijos>"), "1500.5"), vendedor("00002", nulo(), "-2000")}));
    reports::PaginaHtml pagina;
    reports::paginaLineUp(pagina, rs, s("ADMIN"), s("Fecha Desde : 15/03/2024"), s("1"), s("Banca"));
    testsupport::comparaConGolden(pagina.bytes(), s("lineup.html"));
    EXPECT_EQ(testsupport::lineasCon(pagina, s("<td width='6%'>")), 9 * 4);
    EXPECT_EQ(testsupport::lineasCon(pagina, s("-499,5</font>")), 1);
}

// An eleventh column is shown but not summed; the width follows the count.
TEST(HtmlLineUp, AnEleventhColumnIsShownAndTheWidthFollows)
{
    QVariantList fila = vendedor("00001", s("Ana"), "1");
    fila << s("extra");
    platform::db::RecordSet rs = testsupport::porPosicion(11, {3, 4, 5, 6, 7, 8, 9}, {fila});
    reports::PaginaHtml pagina;
    reports::paginaLineUp(pagina, rs, s("ADMIN"), QString(), s("0"), s("Banca"));
    const QString celda = s("<td width='5.36363636363636%'>");
    EXPECT_EQ(testsupport::lineasCon(pagina, celda), 9 + 10 + 9);
    EXPECT_EQ(testsupport::lineasCon(pagina, s(">extra</font>")), 1);
}
