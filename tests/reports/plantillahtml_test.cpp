#include "platform/db/dberror.h"
#include "qtprint.h"
#include "registros.h"
#include "reports/plantillahtml.h"
#include "reports/tablahtml.h"

#include <gtest/gtest.h>
#include <QBuffer>

using namespace reports;
using platform::db::DataType;
using testsupport::dinero;
using testsupport::nulo;
using testsupport::registros;

namespace {

QStringList lineas(const PaginaHtml& pagina)
{
    QStringList l = pagina.texto().split(QStringLiteral("\r\n"));
    l.removeLast(); // after the last CR LF
    return l;
}

} // namespace

TEST(PlantillaHtml, WidthTextsUseAPointAndFifteenSignificantDigits)
{
    struct Caso {
        double numerador;
        int columnas;
        bool menosUno;
        const char* esperado;
    };
    const Caso casos[] = {
        {100, 4, false, "25%"},
        {100, 8, true, "11.5%"},
        {100, 6, false, "16.6666666666667%"},
        {70, 11, true, "5.36363636363636%"},
        {90, 6, false, "15%"},
        {100, 2, true, "49%"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(anchura(c.numerador, c.columnas, c.menosUno), QLatin1String(c.esperado))
            << c.numerador << "/" << c.columnas;
}

TEST(PlantillaHtml, ValuesAreEscapedAndAmountsFollowTheRegionalSettings)
{
    EXPECT_EQ(escapa(QStringLiteral("A<b> & \"c\" 'd'")),
              QStringLiteral("A&lt;b&gt; &amp; &quot;c&quot; &#39;d&#39;"));
    EXPECT_EQ(escapa(QStringLiteral("Peña")), QStringLiteral("Peña"));

    struct Caso {
        QVariant valor;
        const char* esperado;
    };
    const Caso casos[] = {
        {nulo(), ""},
        {dinero("0"), "0,00"},
        {dinero("1234.5"), "1.234,50"},
        {dinero("-1234567.891"), "-1.234.567,89"},
        {QVariant(qint64(7)), "7,00"},
        {QVariant(0.125), "0,13"},
        {QVariant(QStringLiteral("12,5")), "12,50"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(textoMonto(c.valor), QString::fromUtf8(c.esperado)) << c.valor.toString().toStdString();
    EXPECT_EQ(contenidoMonto(nulo()),
              QStringLiteral("<font face = 'Arial' size = '2' color = 'black'> <b></b></font>"));
    EXPECT_EQ(contenidoValor(QStringLiteral("x<y"), 1),
              QStringLiteral("<font face = 'Arial' size = '1' color = 'black'>x&lt;y</font>"));
}

TEST(PlantillaHtml, AnAmountThatIsNoNumberFailsTheWriter)
{
    try {
        textoMonto(QStringLiteral("doce"));
        FAIL() << "no error";
    } catch (const platform::db::DbError& e) {
        EXPECT_EQ(e.number(), platform::db::err::WrongType);
    }
}

TEST(PlantillaHtml, TheFrameWritesItsLinesInEitherQuoting)
{
    PaginaHtml dobles;
    dobles.principio({QStringLiteral("PRUEBA"), QStringLiteral("La <Banca>"), {QStringLiteral("Linea 1")}});
    dobles.inicioTabla(QStringLiteral("1"), {2, true});
    dobles.celda(QStringLiteral("25%"), QStringLiteral("x"));
    dobles.parrafoTotal(QStringLiteral("TOTAL VENTA   BS: "),
                        *platform::Decimal::parse(QStringLiteral("1500.5")));
    EXPECT_EQ(
        lineas(dobles),
        QStringList({
            QStringLiteral("<html>"),
            QStringLiteral("<head>"),
            QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"),
            QStringLiteral("<title>Quorvelin 2007</title>"),
            QStringLiteral("</head>"),
            QStringLiteral("<body>"),
            QStringLiteral("<address align=\"center\"><span style=\"font-style: normal\"><b>"
                           "Quorvelin 2007  < PRUEBA >La &lt;Banca&gt;</b></span></address>"),
            QStringLiteral("<address align=\"center\"><span style=\"font-style: normal\"><b>"
                           "<font size=\"3\">Linea 1</font></span></b></address>"),
            QStringLiteral("<table border= 1  width=\"100%\">"),
            QStringLiteral("<td width=\"25%\">x</td>"),
            QStringLiteral("<p align=\"center\"><font size=\"3\">TOTAL VENTA   BS: 1.500,50</font></p>"),
        }));

    PaginaHtml simples;
    simples.principio({QStringLiteral("REPORTE DE LINE UP"), QString(), {QString()}, Comillas::Simples});
    simples.inicioTabla(QStringLiteral("0"));
    simples.celdaEncabezado(QStringLiteral("6%"), QStringLiteral("Vendedor      "));
    const QStringList l = lineas(simples);
    EXPECT_EQ(l.mid(6), QStringList({
                            QStringLiteral("<address align='center'><span style='font-style: normal'><b>"
                                           "Quorvelin 2007  < REPORTE DE LINE UP ></b></span></address>"),
                            QStringLiteral("<address align='center'><span style='font-style: normal'><b>"
                                           "<font size='3'></font></span></b></address>"),
                            QStringLiteral("<table border=0 width='100%'>"),
                            QStringLiteral("<td width='6%'><b>Vendedor      </b></td>"),
                        }));
}

TEST(PlantillaHtml, ATableWritesFromTheCurrentRowWithCellsLeftOutAndSums)
{
    platform::db::RecordSet rs = registros(
        {{QStringLiteral("a")}, {QStringLiteral("monto"), DataType::Numeric}},
        {{QStringLiteral("uno"), dinero("1")},
         {QStringLiteral("dos"), dinero("2.5")},
         {QStringLiteral("-"), nulo()},
         {QStringLiteral("tres"), dinero("3")}});
    rs.moveNext(); // the caller left it on the second row
    PaginaHtml pagina;
    pagina.principio({QStringLiteral("T"), QString(), {}});
    Tabla tabla;
    tabla.ancho = QStringLiteral("50%");
    const Celda soloConGuion = [](const Registro& r) -> std::optional<QString> {
        if (textoValor(r.value(0)) == QLatin1String("-"))
            return std::nullopt;
        return contenidoValor(r.value(0));
    };
    tabla.columnas = {{QStringLiteral("A"), soloConGuion}, {QStringLiteral("M"), celdaMonto(1)}};
    const Sumando sinTres = [](const Registro& r) -> std::optional<platform::Decimal> {
        if (textoValor(r.value(0)) == QLatin1String("tres"))
            return std::nullopt;
        return montoOCero(r.value(1));
    };
    tabla.sumas = {{QStringLiteral("S1: "), sumaDe(1)}, {QStringLiteral("S2: "), sinTres}};
    EXPECT_EQ(escribeTabla(pagina, tabla, rs, QStringLiteral("0")), 3);
    EXPECT_TRUE(rs.eof());
    const QStringList l = lineas(pagina).mid(7);
    const QString f = QStringLiteral("<font face = 'Arial' size = '2' color = 'black'>");
    EXPECT_EQ(l, QStringList({
                     QStringLiteral("<table border=0 width=\"100%\">"),
                     QStringLiteral("<tr>"),
                     QStringLiteral("<td width=\"50%\"><b>A</b></td>"),
                     QStringLiteral("<td width=\"50%\"><b>M</b></td>"),
                     QStringLiteral("</tr>"),
                     QStringLiteral("<tr>"),
                     QStringLiteral("<td width=\"50%\">") + f + QStringLiteral("dos</font></td>"),
                     QStringLiteral("<td width=\"50%\">") + f + QStringLiteral(" <b>2,50</b></font></td>"),
                     QStringLiteral("</tr>"),
                     QStringLiteral("<tr>"),
                     QStringLiteral("<td width=\"50%\">") + f + QStringLiteral(" <b></b></font></td>"),
                     QStringLiteral("</tr>"),
                     QStringLiteral("<tr>"),
                     QStringLiteral("<td width=\"50%\">") + f + QStringLiteral("tres</font></td>"),
                     QStringLiteral("<td width=\"50%\">") + f + QStringLiteral(" <b>3,00</b></font></td>"),
                     QStringLiteral("</tr>"),
                     QStringLiteral("</table>"),
                     QStringLiteral("<p></p>"),
                     QStringLiteral("<p align=\"center\"><font size=\"3\">S1: 5,50</font></p>"),
                     QStringLiteral("<p align=\"center\"><font size=\"3\">S2: 2,50</font></p>"),
                 }));
}

// A page for the viewer goes to its file as it grows: the file holds the
// very bytes of the same page kept in memory, across many buffer fills.
TEST(PlantillaHtml, APageWrittenToItsFileAsItGrowsIsTheSamePage)
{
    const auto escribe = [](PaginaHtml& pagina) {
        pagina.principio({QStringLiteral("T"), QStringLiteral("Peña"), {QStringLiteral("x")}});
        pagina.inicioTabla(QStringLiteral("1"));
        for (int i = 0; i < 20000; ++i) {
            pagina.inicioFila();
            pagina.celda(QStringLiteral("50%"), contenidoTexto(QStringLiteral("fila ñ %1").arg(i)));
            pagina.finFila();
        }
        pagina.finTabla();
        pagina.fin();
    };
    PaginaHtml enMemoria;
    escribe(enMemoria);
    QBuffer archivo;
    archivo.open(QIODevice::WriteOnly);
    PaginaHtml enArchivo(archivo);
    escribe(enArchivo);
    enArchivo.termina();
    EXPECT_GT(archivo.data().size(), 1024 * 1024);
    EXPECT_EQ(archivo.data(), enMemoria.bytes());

    QBuffer cerrado; // refuses every byte
    PaginaHtml fallida(cerrado);
    fallida.principio({QStringLiteral("T"), QString(), {}});
    EXPECT_THROW(fallida.termina(), std::runtime_error);
}
