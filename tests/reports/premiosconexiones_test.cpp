// The prizes-per-number and connections pages.

#include "golden.h"
#include "paginas.h"
#include "platform/db/dberror.h"
#include "reports/htmlconexiones.h"
#include "reports/htmlpremiosnumero.h"

#include <gtest/gtest.h>

using testsupport::dinero;
using testsupport::nulo;

namespace {

QString s(const char* texto)
{
    return QString::fromUtf8(texto);
}

} // namespace

// Its own title; prizes of 100 and 250.5 and a NULL prize (counted as 0).
TEST(HtmlPremiosNumero, OneRowPerPrizeAndTheirTotal)
{
    platform::db::RecordSet rs = testsupport::porPosicion(
        7, {4, 5, 6},
        {{s("00001"), s("Ana <A>"), {}, s("123"), dinero("5"), dinero("100"), dinero("0")},
         {s("00002"), s("Luis"), {}, s("123"), dinero("2.5"), dinero("250.5"), dinero("1000")},
         {s("00003"), s("Zoe"), {}, s("123"), nulo(), nulo(), nulo()}},
        {{1, s("nombre_vend")}});
    reports::PaginaHtml pagina;
    reports::paginaPremiosNumero(pagina, rs,
                                 s("Reporte de Premios por El Número: 123 De la Fecha: 15/03/2024"),
                                 s("Loteria: Lotto"), s("1"), s("Banca"));
    testsupport::comparaConGolden(pagina.bytes(), s("premios_numero.html"));
    EXPECT_EQ(testsupport::lineasCon(pagina, s("MOVIMIENTOS ADMINISTRATIVOS")), 0);
    EXPECT_EQ(testsupport::lineasCon(pagina, s("TOTAL PREMIOS BS: 350,50")), 1);
}

TEST(HtmlConexiones, ConnectionsPerSellerAndTheirTotal)
{
    platform::db::RecordSet rs = testsupport::porPosicion(
        5, {4},
        {{s("00001"), s("Ana & Co"), {}, {}, dinero("3")}, {s("00002"), s("Luis"), {}, {}, dinero("4")}},
        {{1, s("nombre_vend")}});
    reports::PaginaHtml pagina;
    reports::paginaConexiones(pagina, rs, s("Reporte de Conexiones Fecha: 15/03/2024 Hora: 10:00:00 "),
                              s("0"), s("Banca"));
    testsupport::comparaConGolden(pagina.bytes(), s("conexiones.html"));
    EXPECT_EQ(testsupport::lineasCon(pagina, s("TOTAL CONEXIONES: 7,00")), 1);
}

TEST(HtmlConexiones, ANullCountFailsTheWriter)
{
    platform::db::RecordSet rs = testsupport::porPosicion(5, {4}, {{s("00001"), s("Ana"), {}, {}, nulo()}},
                                                          {{1, s("nombre_vend")}});
    reports::PaginaHtml pagina;
    EXPECT_THROW(reports::paginaConexiones(pagina, rs, s("x"), s("0"), s("Banca")), platform::db::DbError);
}
