// The pages of the seller results window: seller totals, date totals,
// lottery totals, group results and the two detailed reports.

#include "golden.h"
#include "paginas.h"
#include "platform/db/dberror.h"
#include "reports/htmldetalladovendedor.h"
#include "reports/htmldetalladovendedorloteria.h"
#include "reports/htmlgrupos.h"
#include "reports/htmlloterias.h"
#include "reports/htmlresumidovendedor.h"
#include "reports/htmltotalesfecha.h"

#include <gtest/gtest.h>

using platform::db::RecordSet;
using testsupport::dinero;
using testsupport::lineasCon;
using testsupport::montosResaltados;
using testsupport::nulo;
using testsupport::porPosicion;

namespace {

const QString Banca = QStringLiteral("Banca & Cía");
const QString Vendedores = QStringLiteral("Vendedor Desde: 00001 - Ana   HASTA : 00009 - Zoe");
const QString Fechas = QStringLiteral("Fecha Desde : 01/03/2024   HASTA : 31/03/2024");

QString s(const char* texto)
{
    return QString::fromUtf8(texto);
}

// Fails with the data layer's WrongType, as a NULL amount that a page adds up does.
template <class F> void fallaConNulo(F escribe)
{
    reports::PaginaHtml pagina;
    try {
        escribe(pagina);
        FAIL() << "no error";
    } catch (const platform::db::DbError& e) {
        EXPECT_EQ(e.number(), platform::db::err::WrongType);
    }
}

// rpt_res_ven_totales: 1 seller, 4-7 sales, commission, prizes, net.
RecordSet totales(const QList<QVariantList>& filas)
{
    return porPosicion(8, {4, 5, 6, 7}, filas);
}

} // namespace

TEST(HtmlResumidoVendedor, OneRowPerSellerAndGrandTotalsCountedOnce)
{
    RecordSet rs = totales({
        {s("00001"),
         s("00001 - Peña <Hijos>"),
         {},
         {},
         dinero("1000"),
         dinero("100"),
         dinero("300.25"),
         dinero("599.75")},
        {s("00002"), s("00002 - Ana"), {}, {}, dinero("0"), dinero("0"), dinero("0"), dinero("0")},
        {s("00003"),
         s("00003 - Luis"),
         {},
         {},
         dinero("1234567.5"),
         dinero("0.004"),
         dinero("2000"),
         dinero("-765432.504")},
    });
    reports::PaginaHtml pagina;
    reports::paginaResumidoVendedor(pagina, rs, Vendedores, QString(), QStringLiteral("1"), Banca);
    testsupport::comparaConGolden(pagina.bytes(), QStringLiteral("resumido_vendedor.html"));
    EXPECT_EQ(montosResaltados(pagina),
              QStringList({s("1.235.567,50"), s("100,00"), s("2.300,25"), s("-764.832,75")}));
    EXPECT_TRUE(rs.eof());
}

TEST(HtmlResumidoVendedor, ANullAmountFailsTheWriter)
{
    fallaConNulo([](reports::PaginaHtml& p) {
        RecordSet rs = totales(
            {{s("00001"), s("Ana"), {}, {}, dinero("1"), nulo(), dinero("1"), dinero("1")}});
        reports::paginaResumidoVendedor(p, rs, Vendedores, Fechas, QStringLiteral("0"), Banca);
    });
}

// Exact decimal sums; a NULL sales value empties its cell and the sales
// grand total from then on while the other totals still show.
TEST(HtmlTotalesFecha, OneRowPerDateAndExactGrandTotals)
{
    RecordSet rs = porPosicion(
        5, {1, 2, 3, 4},
        {{s("01/03/2024"), dinero("0.1"), dinero("0.01"), dinero("0"), dinero("0.09")},
         {s("02/03/2024"), nulo(), dinero("0.02"), dinero("1"), dinero("-1")},
         {s("03/03/2024"), dinero("0.2"), dinero("0.005"), dinero("0"), dinero("0.195")}});
    reports::PaginaHtml pagina;
    reports::paginaTotalesFecha(pagina, rs, QStringLiteral("Desde: 01/03/2024 Hasta: 03/03/2024"),
                                QStringLiteral("0"), Banca);
    testsupport::comparaConGolden(pagina.bytes(), QStringLiteral("totales_fecha.html"));
    EXPECT_EQ(montosResaltados(pagina), QStringList({QString(), s("0,04"), s("1,00"), s("-0,72")}));
}

TEST(HtmlTotalesFecha, AResultAtItsEndGivesZeroTotals)
{
    RecordSet rs = porPosicion(5, {1, 2, 3, 4},
                               {{s("01/03/2024"), dinero("1"), dinero("1"), dinero("1"), dinero("1")}});
    rs.moveNext();
    reports::PaginaHtml pagina;
    reports::paginaTotalesFecha(pagina, rs, QStringLiteral("Desde"), QStringLiteral("0"), Banca);
    EXPECT_EQ(montosResaltados(pagina), QStringList({s("0,00"), s("0,00"), s("0,00"), s("0,00")}));
    EXPECT_EQ(lineasCon(pagina, QStringLiteral("<td")), 15);
}

// rpt_res_ven_loteria: 0 lottery, 5 its name, 2 seller, 6-9 amounts.
TEST(HtmlLoterias, ATableAndSubtotalPerLotteryAndGrandTotalsOfEveryRow)
{
    RecordSet rs = porPosicion(10, {6, 7, 8, 9},
                               {{s("001"),
                                 {},
                                 s("00001 - Ana"),
                                 {},
                                 {},
                                 s("Lotto <Activo>"),
                                 dinero("100"),
                                 dinero("10"),
                                 dinero("50"),
                                 dinero("40")},
                                {s("001"),
                                 {},
                                 s("00002 - Luis"),
                                 {},
                                 {},
                                 s("Lotto <Activo>"),
                                 dinero("200"),
                                 dinero("20"),
                                 dinero("0"),
                                 dinero("180")},
                                {s("002"),
                                 {},
                                 s("00001 - Ana"),
                                 {},
                                 {},
                                 s("Triple"),
                                 dinero("300"),
                                 dinero("30"),
                                 dinero("600"),
                                 dinero("-330")},
                                // The server returned lottery 001 split: it gets a second table.
                                {s("001"),
                                 {},
                                 s("00003 - Zoe"),
                                 {},
                                 {},
                                 s("Lotto <Activo>"),
                                 dinero("1000.5"),
                                 dinero("100.05"),
                                 dinero("0"),
                                 dinero("900.45")}});
    rs.moveLast(); // the writer starts at the first row itself
    reports::PaginaHtml pagina;
    reports::paginaLoterias(pagina, rs, Vendedores, QString(), QStringLiteral("1"), Banca);
    testsupport::comparaConGolden(pagina.bytes(), QStringLiteral("loterias.html"));
    EXPECT_EQ(lineasCon(pagina, QStringLiteral("TOTALES :")), 3);
    EXPECT_EQ(lineasCon(pagina, QStringLiteral("<table border= 1  width")), 2);
    // Subtotals 300/30/50/220, 300/30/600/-330, 1000.5/100.05/0/900.45.
    EXPECT_EQ(montosResaltados(pagina), QStringList({s("1.600,50"), s("160,05"), s("650,00"), s("790,45")}));
}

TEST(HtmlLoterias, ANullAmountFailsTheWriter)
{
    fallaConNulo([](reports::PaginaHtml& p) {
        RecordSet rs = porPosicion(
            10, {6, 7, 8, 9},
            {{s("001"), {}, s("A"), {}, {}, s("L"), dinero("1"), dinero("1"), dinero("1"), nulo()}});
        reports::paginaLoterias(p, rs, Vendedores, Fechas, QStringLiteral("1"), Banca);
    });
}

// rpt_res_ven_GRUPOS: 0 seller, 3-6 amounts, 7 name, 8 group, 9 chief's commission.
namespace {
QVariantList grupo(const char* vendedor, const char* nombre, QVariant g, const char* venta, const char* jefe)
{
    return {s(vendedor), {},        {}, dinero(venta), dinero("10"), dinero("5"),
            dinero("1"), s(nombre), g,  dinero(jefe)};
}
} // namespace

TEST(HtmlGrupos, OnlyRowsOfTheGroupCountAndTheChiefsCommissionComesOffTheGrandTotalOnly)
{
    RecordSet rs = porPosicion(
        10, {3, 4, 5, 6, 9},
        {grupo("00001", "Ana", s("00001"), "100", "2"),
         grupo("00001", "Ana", s("00002"), "9999", "999"),  // another group: nothing
         grupo("00001", "Ana", s("00001 "), "9999", "999"), // trailing blank: nothing
         grupo("00001", "Ana", nulo(), "9999", "999"),      // no group: nothing
         grupo("00002", "Luis", s("00002"), "500", "50"),   // none counted: a row of zeros
         grupo("00003", "Zoe & Co", s("00001"), "300", "3"),
         grupo("00001", "Ana", s("00001"), "50", "1")}); // Ana's rows split: a second row
    reports::PaginaHtml pagina;
    reports::paginaGrupos(pagina, rs, Fechas, QStringLiteral("Grupo: 00001 - Centro"), QStringLiteral("1"),
                          QStringLiteral("00001"), Banca);
    testsupport::comparaConGolden(pagina.bytes(), QStringLiteral("grupos.html"));
    // Sales 450, commission 30, chief 6, prizes 15, total 3 - 6.
    EXPECT_EQ(montosResaltados(pagina),
              QStringList({s("450,00"), s("30,00"), s("6,00"), s("15,00"), s("-3,00")}));
}

TEST(HtmlGrupos, ALastSellerWithoutCountedSalesGetsAnEmptyRow)
{
    RecordSet rs = porPosicion(
        10, {3, 4, 5, 6, 9},
        {grupo("00001", "Ana", s("00001"), "100", "2"), grupo("00002", "Luis", s("00002"), "500", "50")});
    reports::PaginaHtml pagina;
    reports::paginaGrupos(pagina, rs, Fechas, QString(), QStringLiteral("0"), QString(), Banca);
    // The empty group code counts no row: Ana's row of zeros, Luis's empty row.
    const QStringList l = testsupport::lineasDe(pagina);
    const qsizetype ana = l.indexOf(
        QStringLiteral("<td width=\"30%\"><font face = 'Arial' size = '2' color = 'black'>Ana</font></td>"));
    ASSERT_GE(ana, 0);
    EXPECT_EQ(l.mid(ana + 5, 4), QStringList({QStringLiteral("</tr>"), QStringLiteral("<tr>"),
                                              QStringLiteral("</tr>"), QStringLiteral("</table>")}));
    EXPECT_EQ(lineasCon(pagina, QStringLiteral(">0,00</font>")), 4);
}

// rpt_res_ven_totales_fecha: 0 seller, 1 name, 3 date, 4-7 amounts.
TEST(HtmlDetalladoVendedor, HeadingDatesAndSubtotalPerSellerAndGrandTotals)
{
    RecordSet rs = porPosicion(8, {4, 5, 6, 7},
                               {{s("00001"),
                                 s("  Ana <A>  "),
                                 {},
                                 s("01/03/2024"),
                                 dinero("100"),
                                 dinero("10"),
                                 dinero("50"),
                                 dinero("40")},
                                {s("00001"),
                                 s("  Ana <A>  "),
                                 {},
                                 s("02/03/2024"),
                                 dinero("200"),
                                 dinero("20"),
                                 dinero("0"),
                                 dinero("180")},
                                {s("00002"),
                                 s("Luis"),
                                 {},
                                 s("01/03/2024"),
                                 dinero("300"),
                                 dinero("30"),
                                 dinero("400"),
                                 dinero("-130")},
                                {s("00001"),
                                 s("  Ana <A>  "),
                                 {},
                                 s("03/03/2024"),
                                 dinero("1"),
                                 dinero("0.1"),
                                 dinero("0"),
                                 dinero("0.9")}});
    reports::PaginaHtml pagina;
    reports::paginaDetalladoVendedor(pagina, rs, Vendedores, QString(), QStringLiteral("1"), Banca);
    testsupport::comparaConGolden(pagina.bytes(), QStringLiteral("detallado_vendedor.html"));
    // Subtotals 300/30/50/220, 300/30/400/-130, 1/0.1/0/0.9, then the grand totals.
    EXPECT_EQ(montosResaltados(pagina),
              QStringList({s("300,00"), s("30,00"), s("50,00"), s("220,00"), s("300,00"), s("30,00"),
                           s("400,00"), s("-130,00"), s("1,00"), s("0,10"), s("0,00"), s("0,90"), s("601,00"),
                           s("60,10"), s("450,00"), s("90,90")}));
}

// rpt_res_ven_resumido_loteria: 0 seller, 2 name, 4 lottery, 5 play, 6-9 amounts.
TEST(HtmlDetalladoVendedorLoteria, ATablePerSellerWithItsSubtotalAndGrandTotals)
{
    const auto fila = [](const char* vendedor, const char* loteria, const char* venta) {
        return QVariantList{s(vendedor),
                            {},
                            QString(s(vendedor) + QStringLiteral(" nombre")),
                            {},
                            s(loteria),
                            s("T"),
                            dinero(venta),
                            dinero("1"),
                            dinero("2"),
                            dinero("3")};
    };
    RecordSet rs = porPosicion(10, {6, 7, 8, 9},
                               {fila("00001", "Lotto", "10"), fila("00001", "Triple <A>", "20"),
                                fila("00002", "Lotto", "30"), fila("00003", "Lotto", "40"),
                                fila("00003", "Triple <A>", "50")});
    rs.moveNext();
    reports::PaginaHtml pagina;
    reports::paginaDetalladoVendedorLoteria(pagina, rs, Vendedores, QString(), QStringLiteral("0"), Banca);
    testsupport::comparaConGolden(pagina.bytes(), QStringLiteral("detallado_vendedor_loteria.html"));
    EXPECT_EQ(lineasCon(pagina, QStringLiteral("TOTAL Vend :")), 3);
    EXPECT_EQ(lineasCon(pagina, QStringLiteral("<td align=\"center\" width=\"12%\">")), 2);
    EXPECT_EQ(montosResaltados(pagina), QStringList({s("150,00"), s("5,00"), s("10,00"), s("15,00")}));
}
