// The lists page: four numbers to a row in the layout of the play type.

#include "golden.h"
#include "paginas.h"
#include "platform/db/dberror.h"
#include "reports/htmllistas.h"

#include <gtest/gtest.h>

using testsupport::dinero;
using testsupport::nulo;

namespace {

QString s(const char* texto)
{
    return QString::fromUtf8(texto);
}

// rptlistas: 0 number, 3 digit amount, 4 number amount, 5 special amount,
// 6 special play.
platform::db::RecordSet listas(int filas)
{
    QList<QVariantList> datos;
    for (int i = 1; i <= filas; ++i)
        datos.append({QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')),
                      {},
                      {},
                      dinero("1"),
                      dinero("10"),
                      dinero("100"),
                      i == 2 ? nulo() : QVariant(i == 3 ? s("AB") : s("ACUARIO"))});
    return testsupport::porPosicion(7, {3, 4, 5}, datos);
}

reports::PaginaHtml& escribe(reports::PaginaHtml& pagina, platform::db::RecordSet& rs, const char* tipo)
{
    reports::paginaListas(pagina, rs, s("Vendedor: 00001 - Ana"), s("Para la Loteria: Lotto"),
                          s("Tipo de Jugada: 1 - Triples"), s(tipo), s("Fecha: 15/03/2024"), s("1"),
                          s("Banca"));
    return pagina;
}

} // namespace

TEST(HtmlListas, ThePlayTypeChoosesTheLayoutAndTheAmountColumn)
{
    struct Caso {
        const char* tipo;
        const char* golden;
        const char* total;
    };
    const Caso casos[] = {
        {"1", "listas_pares.html", "90,00"},    {"2", nullptr, "90,00"},  {"5", nullptr, "9,00"},
        {"3", "listas_triples.html", "900,00"}, {"4", nullptr, "900,00"},
    };
    for (const Caso& c : casos) {
        platform::db::RecordSet rs = listas(9);
        reports::PaginaHtml pagina;
        escribe(pagina, rs, c.tipo);
        if (c.golden)
            testsupport::comparaConGolden(pagina.bytes(), s(c.golden));
        EXPECT_EQ(testsupport::lineasCon(pagina, s("TOTAL VENTA   BS: ") + s(c.total)), 1) << c.tipo;
        // Three rows of four, four and one results.
        EXPECT_EQ(testsupport::lineasCon(pagina, s("<tr>")), 4) << c.tipo;
    }
}

TEST(HtmlListas, AnUnknownPlayTypeGivesOnlyTheHeading)
{
    platform::db::RecordSet rs = listas(2);
    reports::PaginaHtml pagina;
    escribe(pagina, rs, "");
    const QStringList l = testsupport::lineasDe(pagina);
    EXPECT_EQ(l.size(), 11);
    EXPECT_EQ(l.last(), s("<p></p>"));
}

TEST(HtmlListas, ANullAmountFailsTheWriter)
{
    platform::db::RecordSet rs = listas(2);
    rs.moveLast();
    rs.setValue(4, nulo());
    rs.moveFirst();
    reports::PaginaHtml pagina;
    EXPECT_THROW(escribe(pagina, rs, "1"), platform::db::DbError);
}

// A lists page for all sellers carries an empty seller line.
TEST(HtmlListas, TheSellerLineIsEmptyForAllSellers)
{
    EXPECT_EQ(reports::lineaVendedorListas(QString()), QString());
    EXPECT_EQ(reports::lineaVendedorListas(s("00001 - Ana   ")), s("Vendedor: 00001 - Ana"));
}
