#include "platform/ui/navegador/documento.h"
#include "platform/ui/navegador/navegador.h"
#include "qtprint.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

using platform::ui::navegador::Alineacion;
using platform::ui::navegador::Documento;
using platform::ui::navegador::Navegador;

TEST(Navegador, PagesAreReadAsBrowsersReadThem)
{
    struct Caso {
        const char* html;
        const char* texto;
    };
    const Caso casos[] = {
        // Entities decoded; blanks collapse; leading and trailing blanks go.
        {"<p>  a &lt;b&gt;   &amp;\r\n c &#65;&#x42;&quot;&#39; </p>", "a <b> & c AB\"'\n"},
        // A "<" that opens no tag is text, as in the title line.
        {"<address><b>Quorvelin 2007  < MOVIMIENTOS >Banca</b></address>",
         "Quorvelin 2007 < MOVIMIENTOS >Banca\n"},
        // Rows and cells; text between cells is dropped.
        {"<table border=1><tr> <td width=\"50%\"> x </td>\r\n<td>y</td></tr> "
         "<tr><td>z</td></tr></table>",
         "x\ty\nz\n"},
        // Scripts, styles, comments and the title are not shown.
        {"<head><title>T</title><style>p{}</style></head><script>alert('<p>no</p>')</script>"
         "<!-- <p>no</p> --><p>si</p>",
         "si\n"},
        {"<p>a<br>b</p><p></p>", "a\nb\n\n"},
        // Unclosed elements end with the page.
        {"<b>abierto<table><tr><td>celda", "abierto\ncelda\n"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(Documento::desdeHtml(QString::fromUtf8(c.html)).textoPlano(), QString::fromUtf8(c.texto))
            << c.html;
}

TEST(Navegador, StylesFollowTheMarkupOfTheReportPages)
{
    const Documento d = Documento::desdeHtml(QStringLiteral(
        "<address align=\"center\"><span style=\"font-style: normal\"><b><font size=\"3\">Fecha"
        "</font></span></b></address><address>cursiva</address>"
        "<table><tr><td width=\"11.5%\"><font face = 'Arial' size = '1' color = "
        "'black'>chica</font></td>"
        "<td width='50%'><p align=\"center\"><font size='2'> "
        "<b>1,00</b></font></td></tr></table>"));
    ASSERT_EQ(d.parrafos.size(), 2u);
    EXPECT_EQ(d.parrafos[0].alineacion, Alineacion::Centro);
    const auto estilo = [&d](std::uint32_t tramo) { return d.estilos[d.tramos[tramo].estilo]; };
    const std::uint32_t fecha = d.parrafos[0].tramos.primero;
    EXPECT_EQ(d.textoDe(d.tramos[fecha]), QStringLiteral("Fecha"));
    EXPECT_TRUE(estilo(fecha).negrita);
    EXPECT_FALSE(estilo(fecha).cursiva); // the span's normal style wins over <address>
    EXPECT_EQ(estilo(fecha).tamano, 3);
    EXPECT_TRUE(estilo(d.parrafos[1].tramos.primero).cursiva); // the closed span ended there
    EXPECT_FALSE(estilo(d.parrafos[1].tramos.primero).negrita);

    ASSERT_EQ(d.celdas.size(), 2u);
    EXPECT_FLOAT_EQ(d.celdas[0].ancho, 11.5f);
    EXPECT_EQ(estilo(d.celdas[0].tramos.primero).tamano, 1);
    EXPECT_EQ(d.celdas[1].alineacion, Alineacion::Centro);
    EXPECT_FLOAT_EQ(d.celdas[1].ancho, 50.f);
    EXPECT_EQ(d.textoDe(d.celdas[1].tramos), QStringLiteral("1,00"));
    EXPECT_TRUE(estilo(d.celdas[1].tramos.primero).negrita);
}

// A <center> inside a cell centres the cell's text, as in a browser; so do
// <p align="center"> and the cell's own align. The tax labels and the
// summary title of the fiscal page are written this way.
TEST(Navegador, ACenterInsideACellCentresItsText)
{
    struct Caso {
        const char* celda;
        Alineacion alineacion;
    };
    const Caso casos[] = {
        {"<td width='10%'><font size='2'><center><b> Alcald\u00eda </b></center> </font></td>",
         Alineacion::Centro},
        {"<td width='10%'><b><center>TABLA RESUMEN</center></b></td>", Alineacion::Centro},
        {"<td><center>a</center>b</td>", Alineacion::Centro},
        {"<td><p align='center'>a</p></td>", Alineacion::Centro},
        {"<td align='right'>a</td>", Alineacion::Derecha},
        {"<td><center align='right'>a</center></td>", Alineacion::Centro},
        {"<td><b>a</b></td>", Alineacion::Izquierda},
        {"<th>a</th>", Alineacion::Centro},
    };
    for (const Caso& c : casos) {
        const QString html = QStringLiteral("<table><tr>") + QString::fromUtf8(c.celda) +
                             QStringLiteral("<td>otra</td></tr></table>");
        const Documento d = Documento::desdeHtml(html);
        ASSERT_EQ(d.celdas.size(), 2u) << c.celda;
        EXPECT_EQ(d.celdas[0].alineacion, c.alineacion) << c.celda;
        EXPECT_EQ(d.celdas[1].alineacion, Alineacion::Izquierda) << c.celda << ": the next cell";
    }
    // Outside a table it centres its paragraph; what follows it does not.
    const Documento d = Documento::desdeHtml(QStringLiteral("<center>titulo</center><p>texto</p>"));
    ASSERT_EQ(d.parrafos.size(), 2u);
    EXPECT_EQ(d.parrafos[0].alineacion, Alineacion::Centro);
    EXPECT_EQ(d.parrafos[1].alineacion, Alineacion::Izquierda);
}

// Drawn, a centred cell's text stands in the middle of its cell, a plain
// one at its left edge.
TEST(Navegador, ACentredCellIsDrawnInTheMiddleOfItsCell)
{
    QTemporaryDir carpeta;
    const auto centroDeTinta = [&carpeta](const QString& celda) {
        const QString pagina = carpeta.filePath(QStringLiteral("0001.html"));
        QFile archivo(pagina);
        EXPECT_TRUE(archivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
        archivo.write(
            (QStringLiteral("<table border=0 width='100%'><tr>") + celda + QStringLiteral("</tr></table>"))
                .toUtf8());
        archivo.close();
        Navegador navegador;
        navegador.resize(800, 200);
        navegador.show();
        EXPECT_TRUE(navegador.navega(pagina));
        const QImage imagen = navegador.viewport()->grab().toImage();
        qint64 suma = 0;
        qint64 puntos = 0;
        for (int y = 0; y < imagen.height(); ++y)
            for (int x = 0; x < imagen.width(); ++x)
                if (qGray(imagen.pixel(x, y)) < 128) {
                    suma += x;
                    ++puntos;
                }
        EXPECT_GT(puntos, 0) << celda.toStdString();
        return std::pair{puntos ? double(suma) / double(puntos) : -1.0, imagen.width()};
    };
    const auto [centrada, ancho] = centroDeTinta(
        QStringLiteral("<td width='100%'><b><center>TABLA RESUMEN</center></b></td>"));
    EXPECT_NEAR(centrada, ancho / 2.0, ancho / 20.0);
    const auto [izquierda,
                ancho2] = centroDeTinta(QStringLiteral("<td width='100%'><b>TABLA RESUMEN</b></td>"));
    EXPECT_LT(izquierda, ancho2 / 5.0);
}

TEST(Navegador, NarrowColumnsWrapTheirTextAndAMissingPageLeavesTheBrowserEmpty)
{
    QTemporaryDir carpeta;
    const QString pagina = carpeta.filePath(QStringLiteral("0001.html"));
    QFile archivo(pagina);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    QString html = QStringLiteral("<table border=1 width=\"100%\">");
    for (int i = 0; i < 20; ++i)
        html += QStringLiteral("<tr><td width=\"40%\">un texto largo que no cabe en una columna "
                               "estrecha</td><td width=\"60%\">%1</td></tr>")
                    .arg(i);
    archivo.write((html + QStringLiteral("</table>")).toUtf8());
    archivo.close();

    Navegador navegador;
    navegador.resize(1200, 600);
    navegador.show();
    ASSERT_TRUE(navegador.navega(pagina));
    const int ancho = navegador.altoPagina();
    navegador.resize(300, 600); // one line in a wide window, three or more here
    const int estrecho = navegador.altoPagina();
    EXPECT_GT(estrecho, ancho * 5 / 2);

    EXPECT_FALSE(navegador.navega(carpeta.filePath(QStringLiteral("no.html"))));
    EXPECT_FALSE(navegador.tienePagina());
    EXPECT_EQ(navegador.altoPagina(), 0);
    QPrinter impresora;
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(carpeta.filePath(QStringLiteral("x.pdf")));
    EXPECT_FALSE(navegador.imprime(impresora));
}
