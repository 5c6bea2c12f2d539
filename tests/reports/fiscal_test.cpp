// The fiscal page: tax lines per seller, the grand totals with the net
// profit, and the summary of taxes per taxing body.

#include "golden.h"
#include "paginas.h"
#include "platform/db/dberror.h"
#include "platform/regional.h"
#include "reports/htmlfiscalvendedor.h"

#include <gtest/gtest.h>

using platform::Decimal;
using platform::db::RecordSet;
using testsupport::dinero;
using testsupport::nulo;

namespace {

QString s(const char* texto)
{
    return QString::fromUtf8(texto);
}

const QStringList Nombres = {s("vendedor"),
                             s("texto"),
                             s("c2"),
                             s("c3"),
                             s("venta"),
                             s("comision"),
                             s("premio"),
                             s("total"),
                             s("codigo_junta"),
                             s("descripcion_junta"),
                             s("tasa_junta"),
                             s("impuesto_junta"),
                             s("codigo_operadora"),
                             s("descripcion_operadora"),
                             s("tasa_operadora"),
                             s("impuesto_operadora"),
                             s("codigo_alcaldia"),
                             s("Descripcion_Alcaldia"),
                             s("tasa_alcaldia"),
                             s("impuesto_alcaldia"),
                             s("tasa_venta"),
                             s("impuesto_venta"),
                             s("tasa_premio"),
                             s("impuesto_premio"),
                             s("total_venta"),
                             s("premios")};

struct Ente {
    const char* codigo;
    const char* nombre;
    const char* impuesto;
    const char* tasa = "1.5";
};

struct Fila {
    QVariant vendedor;
    const char* texto;
    const char* resultados[4]; // sales, commission, prizes, total of the seller
    Ente junta, operadora, alcaldia;
    const char* impuestoVenta;
    const char* impuestoPremio;
    const char* venta;
    const char* premios;
};

RecordSet fiscal(const QList<Fila>& filas)
{
    QList<testsupport::CampoPrueba> campos;
    for (int i = 0; i < Nombres.size(); ++i) {
        const bool texto = i <= 3 || i == 8 || i == 9 || i == 12 || i == 13 || i == 16 || i == 17;
        campos.append(
            {Nombres[i], texto ? platform::db::DataType::VarChar : platform::db::DataType::Numeric});
    }
    QList<QVariantList> valores;
    for (const Fila& f : filas) {
        QVariantList v{f.vendedor, s(f.texto), {}, {}};
        for (const char* r : f.resultados)
            v << dinero(r);
        for (const Ente& e : {f.junta, f.operadora, f.alcaldia})
            v << s(e.codigo) << s(e.nombre) << dinero(e.tasa) << dinero(e.impuesto);
        v << dinero("1") << dinero(f.impuestoVenta) << dinero("16") << dinero(f.impuestoPremio)
          << dinero(f.venta) << dinero(f.premios);
        valores.append(v);
    }
    return testsupport::registros(campos, valores);
}

const Ente Junta1{"01", "Junta <Uno>", "5"};
const Ente Operadora1{"10", "Opera & Co", "10"};
const Ente Alcaldia1{"00010", "Alc. Centro", "2.5"};

QList<Fila> dosVendedores()
{
    const char* ana[4] = {"1000", "100", "300", "600"};
    const char* luis[4] = {"200", "20", "500", "-320"};
    return {
        {s("00001"),
         "00001 - Ana",
         {ana[0], ana[1], ana[2], ana[3]},
         Junta1,
         Operadora1,
         Alcaldia1,
         "5",
         "8",
         "500",
         "50"},
        {s("00001"),
         "00001 - Ana",
         {ana[0], ana[1], ana[2], ana[3]},
         {"01", "Junta <Uno>", "3"},
         {"10", "Opera & Co", "6"},
         {"00010", "Alc. Centro", "1.5"},
         "3",
         "0",
         "300",
         "0"},
        {s("00001"),
         "00001 - Ana",
         {ana[0], ana[1], ana[2], ana[3]},
         {"02", "Junta Dos", "1"},
         {"10", "Opera & Co", "2"},
         {"00010", "Alc. Centro", "0.5"},
         "1",
         "1.6",
         "100",
         "10"},
        {s("00002"),
         "00002 - Luis",
         {luis[0], luis[1], luis[2], luis[3]},
         {"02", "Junta Dos", "1"},
         {"20", "Opera Dos", "2"},
         {"00020", "Alc. Norte", "2"},
         "2",
         "80",
         "200",
         "500"},
    };
}

Decimal numero(const QString& texto)
{
    return *platform::regional::parseDecimal(texto);
}

} // namespace

TEST(HtmlFiscalVendedor, TaxLinesPerSellerTotalsOnceAndASummaryThatAddsUp)
{
    RecordSet rs = fiscal(dosVendedores());
    reports::PaginaHtml pagina;
    reports::paginaFiscalVendedor(pagina, rs, s("Vendedor Desde: 00001   HASTA : 00002"), QString(), s("0"),
                                  s("Banca"));
    testsupport::comparaConGolden(pagina.bytes(), s("fiscal.html"));
    EXPECT_TRUE(rs.eof());

    // Ana's three rows: three board and three operator lines, one of each other line.
    EXPECT_EQ(testsupport::lineasCon(pagina, s("Juntas de Beneficencia")), 4);
    EXPECT_EQ(testsupport::lineasCon(pagina, s("Operadoras de Sorteo")), 4);
    EXPECT_EQ(testsupport::lineasCon(pagina, s("Alcaldía")), 2);
    EXPECT_EQ(testsupport::lineasCon(pagina, s(" Total Impuestos Bs. ")), 2);
    // The labels are formatting, the values escaped.
    EXPECT_EQ(testsupport::lineasCon(pagina, s("<font face = 'Arial' size = '1' color = 'black'><center><b> "
                                               "Juntas de Beneficencia </b></center> </font>")),
              4);
    // Two board lines and its summary entry.
    EXPECT_EQ(testsupport::lineasCon(pagina, s("01 - Junta &lt;Uno&gt;")), 3);

    const QStringList montos = testsupport::montosResaltados(pagina);
    // TOTAL GENERAL: each seller once, whatever its count of rows.
    ASSERT_GE(montos.size(), 6);
    EXPECT_EQ(montos.mid(0, 6), QStringList({s("1.200,00"), s("120,00"), s("800,00"), s("280,00"),
                                             s("137,10"), s("Utilidad Neta Total Bs. 142,90")}));
    // The summary: code, kind and amount of each body, in the order met.
    const QStringList resumen = montos.mid(6);
    ASSERT_EQ(resumen.size(), 8 * 3);
    QStringList cuerpos;
    Decimal suma;
    for (qsizetype i = 0; i < resumen.size(); i += 3) {
        cuerpos << resumen[i];
        suma += numero(resumen[i + 2]);
    }
    EXPECT_EQ(cuerpos, QStringList({s("01 - Junta &lt;Uno&gt;"), s("02 - Junta Dos"),
                                    s("10 - Opera &amp; Co"), s("00010 - Alc. Centro"),
                                    s("00001 - SENIAT VENTA"), s("00002 - SENIAT GANANCIA FORTUITA"),
                                    s("20 - Opera Dos"), s("00020 - Alc. Norte")}));
    EXPECT_EQ(suma, numero(s("137,10")));
}

// A row without a seller code is a block of its own: the writer moves past
// it instead of reading it for ever.
TEST(HtmlFiscalVendedor, RowsWithoutASellerCodeAreBlocksOfTheirOwn)
{
    QList<Fila> filas = dosVendedores();
    filas[1].vendedor = nulo();
    filas[2].vendedor = nulo();
    RecordSet rs = fiscal(filas);
    reports::PaginaHtml pagina;
    reports::paginaFiscalVendedor(pagina, rs, s("x"), s("y"), s("1"), s("Banca"));
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(testsupport::lineasCon(pagina, s(" Total Impuestos Bs. ")), 4);
    // Each block counts its first row's results: 1000 three times and 200.
    EXPECT_EQ(testsupport::montosResaltados(pagina).value(0), s("3.200,00"));
}

TEST(HtmlFiscalVendedor, ANullTaxFailsTheWriter)
{
    QList<Fila> filas = dosVendedores();
    RecordSet rs = fiscal(filas);
    rs.moveLast();
    rs.setValue(s("impuesto_premio"), nulo());
    rs.moveFirst();
    reports::PaginaHtml pagina;
    EXPECT_THROW(reports::paginaFiscalVendedor(pagina, rs, s("x"), s("y"), s("1"), s("Banca")),
                 platform::db::DbError);
}

// Rows of one body that differ in name and rate: each board and operator
// line shows its own row's; a seller's municipality line its first row's;
// a summary entry the name of the row that created it, later rows (of the
// same seller or another) adding only their amounts. A tax on a half cent
// shows rounded up.
TEST(HtmlFiscalVendedor, EachLineShowsItsRowAndEachSummaryEntryTheRowThatMadeIt)
{
    QList<Fila> filas = dosVendedores();
    filas[0].junta = {"01", "Junta <Uno>", "66.275", "5.5"};
    filas[1].junta = {"01", "Junta Uno Bis", "3", "2.25"};
    filas[1].operadora = {"10", "Opera Bis", "6", "7.75"};
    filas[1].alcaldia = {"00010", "Alc. Otra", "1.5", "9.5"};
    filas[3].operadora = {"10", "Opera Tres", "2", "4.125"};
    filas[3].alcaldia = {"00010", "Alc. Centro Bis", "2", "3.25"};
    RecordSet rs = fiscal(filas);
    reports::PaginaHtml pagina;
    reports::paginaFiscalVendedor(pagina, rs, s("x"), s("y"), s("0"), s("Banca"));

    // The lines: each board and operator line its own name and rate.
    for (const char* texto : {"01 - Junta &lt;Uno&gt;", "01 - Junta Uno Bis", "10 - Opera Bis",
                              "10 - Opera Tres", "5,5", "2,25", "7,75", "4,125", "66,28"})
        EXPECT_EQ(testsupport::lineasCon(pagina, s(texto)) > 0, true) << texto;
    EXPECT_EQ(testsupport::lineasCon(pagina, s("66,27")), 0) << "a half cent rounds up";
    // Ana's municipality line: her first row's name and rate, not her
    // second's; Luis's his own.
    EXPECT_EQ(testsupport::lineasCon(pagina, s("00010 - Alc. Otra")), 0);
    EXPECT_EQ(testsupport::lineasCon(pagina, s("9,5")), 0);
    EXPECT_EQ(testsupport::lineasCon(pagina, s("00010 - Alc. Centro Bis")), 1);
    EXPECT_EQ(testsupport::lineasCon(pagina, s("3,25")), 1);

    // The summary: the first row's names, every row's amounts.
    const QStringList resumen = testsupport::montosResaltados(pagina).mid(6);
    QStringList entradas;
    for (qsizetype i = 0; i + 2 < resumen.size(); i += 3)
        entradas << resumen[i] + s(" = ") + resumen[i + 2];
    EXPECT_EQ(entradas, QStringList({s("01 - Junta &lt;Uno&gt; = 69,28"), s("02 - Junta Dos = 2,00"),
                                     s("10 - Opera &amp; Co = 20,00"), s("00010 - Alc. Centro = 6,50"),
                                     s("00001 - SENIAT VENTA = 11,00"),
                                     s("00002 - SENIAT GANANCIA FORTUITA = 89,60")}));
}
