// The bank-account statement and the play/expense consolidation pages, in
// their summary and detailed layouts.

#include "golden.h"
#include "paginas.h"
#include "platform/db/dberror.h"
#include "reports/htmlcuentas.h"
#include "reports/htmlgastojugada.h"

#include <gtest/gtest.h>

using testsupport::dinero;
using testsupport::nulo;

namespace {

QString s(const char* texto)
{
    return QString::fromUtf8(texto);
}

platform::db::RecordSet cuentasDetalle(QVariant vendedor)
{
    return testsupport::porPosicion(8, {7},
                                    {{s("001"), s("Banco <Uno>"), s("0102-55"), vendedor, s("  Ana  "),
                                      s("05/03/2024"), s("Depósito"), dinero("1500.5")}},
                                    {{1, s("nombre_banco")},
                                     {2, s("nro_cuenta")},
                                     {3, s("vendedor")},
                                     {4, s("nombre_vend")},
                                     {5, s("fecha_mov")},
                                     {6, s("descri_mov")},
                                     {7, s("montocuenta")}});
}

} // namespace

TEST(HtmlCuentas, TheSummaryLayoutShowsTheBalanceOfEachAccount)
{
    platform::db::RecordSet rs = testsupport::porPosicion(
        4, {3},
        {{s("001"), s("Banco <Uno>"), s("0102-55"), dinero("1234.5")}, {s("002"), s("Caja"), nulo(), nulo()}},
        {{1, s("nombre_banco")}});
    reports::PaginaHtml pagina;
    reports::paginaCuentas(pagina, rs, s("Fecha Desde : 01/03/2024 Hasta: 31/03/2024"), QString(), s("1"),
                           s("0"), s("Banca"));
    testsupport::comparaConGolden(pagina.bytes(), s("cuentas_resumen.html"));
}

TEST(HtmlCuentas, TheDetailedLayoutShowsEachMovement)
{
    platform::db::RecordSet rs = cuentasDetalle(s("  00001 "));
    reports::PaginaHtml pagina;
    reports::paginaCuentas(pagina, rs, s("Fecha Desde : 01/03/2024 Hasta: 31/03/2024"),
                           s("Desde Cuenta: 001 Hasta Cuenta: 002"), s("0"), s("1"), s("Banca"));
    testsupport::comparaConGolden(pagina.bytes(), s("cuentas_detalle.html"));
}

TEST(HtmlCuentas, ANullSellerFailsTheDetailedLayout)
{
    platform::db::RecordSet rs = cuentasDetalle(nulo());
    reports::PaginaHtml pagina;
    EXPECT_THROW(reports::paginaCuentas(pagina, rs, s("x"), QString(), s("0"), s("1"), s("B")),
                 platform::db::DbError);
}

// The flag chooses the layout: "0" per seller, "1" per seller and date,
// any other the dated rows under the undated header.
TEST(HtmlGastoJugada, TheFlagChoosesTheLayout)
{
    struct Caso {
        const char* bandera;
        QVariantList fila;
        QSet<int> importes;
        const char* golden;
    };
    const Caso casos[] = {
        {"0", {s("00001"), dinero("1500"), dinero("200")}, {1, 2}, "gastojugada_resumen.html"},
        {"1",
         {s("00001"), s("05/03/2024"), dinero("1500"), dinero("200")},
         {2, 3},
         "gastojugada_fechas.html"},
        {"2", {s("00001"), s("05/03/2024"), dinero("1500"), nulo()}, {2, 3}, "gastojugada_otra.html"},
    };
    for (const Caso& c : casos) {
        QVariantList fila = c.fila;
        fila << s("Peña & Co");
        const int columnas = int(fila.size());
        platform::db::RecordSet rs = testsupport::porPosicion(columnas, c.importes, {fila},
                                                              {{columnas - 1, s("nombre_vend")}});
        reports::PaginaHtml pagina;
        reports::paginaGastoJugada(pagina, rs, s("Fecha Desde : 01/03/2024 Hasta: 31/03/2024"), QString(),
                                   s("1"), s(c.bandera), s("Banca"));
        testsupport::comparaConGolden(pagina.bytes(), s(c.golden));
    }
}
