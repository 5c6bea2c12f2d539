// The monthly summary chart on the real server: its lists, its check, the
// month codes, the figures drawn (those of the daily results), each of the
// eleven chart types drawn as that type, and printing to a PDF file.

#include "datosreportes.h"

#include "capturas.h"
#include "reportwindows/form29.h"
#include "reportwindows/grafico.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

using namespace datosreportes;
using reportwindows::Form29;
using reportwindows::GraficoResumen;

namespace {

class GraficoTest : public ConReportes {
protected:
    void SetUp() override
    {
        ConReportes::SetUp();
        if (HasFatalFailure())
            return;
        v_ = abre<Form29>("Form29");
        ASSERT_TRUE(v_);
    }

    void TearDown() override
    {
        Form29::imprimeEnArchivo(QString());
        ConReportes::TearDown();
    }

    void marca(QListWidget* lista, const QList<int>& filas)
    {
        for (int i = 0; i < lista->count(); ++i)
            lista->item(i)->setCheckState(filas.contains(i) ? Qt::Checked : Qt::Unchecked);
    }

    Form29* v_ = nullptr;
};

} // namespace

TEST_F(GraficoTest, ItOpensOnTheServersYearWithTheChiefsAndNothingTicked)
{
    EXPECT_EQ(v_->Combo1->currentText(), s("2026"));
    EXPECT_EQ(v_->Combo1->count(), 996);
    EXPECT_EQ(v_->Combo4->currentText(), s("Barras 2D"));
    EXPECT_EQ(v_->Combo4->count(), 11);
    EXPECT_EQ(v_->List1->count(), 6);
    EXPECT_EQ(v_->List2->count(), 12);
    EXPECT_EQ(v_->Combo2->count(), 4); // 00001 belongs to a group
    EXPECT_EQ(v_->Combo2->itemText(0), s("00000 - AGENCIA 00000"));
    EXPECT_TRUE(v_->Combo2->currentText().isEmpty());
    EXPECT_FALSE(v_->XPButton3->isEnabled());
    EXPECT_FALSE(v_->MSChart1->isVisible());
}

TEST_F(GraficoTest, WithoutACategoryItOnlyAsksForOne)
{
    v_->Command1->click();
    EXPECT_EQ(rec_->prompts(), QStringList{s("Debe seleccionar por lo menos una categoria a graficar!")});
    EXPECT_EQ(rec_->boxes()[0].style, 16);
    EXPECT_FALSE(v_->XPButton3->isEnabled());
    EXPECT_FALSE(v_->MSChart1->isVisible());
}

TEST_F(GraficoTest, TheMonthCodesFollowTheTickedMonths)
{
    EXPECT_EQ(v_->codigosMeses(), s("123456789ABC"));
    marca(v_->List2, {0, 2, 9, 11});
    EXPECT_EQ(v_->codigosMeses(), s("13AC"));
}

TEST_F(GraficoTest, TheFiguresDrawnAreTheDailyResultsOfTheMonth)
{
    marca(v_->List1, {1, 5});
    marca(v_->List2, {2, 3});
    v_->Command1->click();
    EXPECT_TRUE(rec_->prompts().isEmpty()) << rec_->prompts().join(s("|")).toStdString();
    EXPECT_TRUE(v_->XPButton3->isEnabled());
    const GraficoResumen::Datos& d = v_->MSChart1->datos();
    EXPECT_EQ(d.categorias, (QStringList{s("Mar"), s("Abr")}));
    ASSERT_EQ(d.series.size(), 2);
    EXPECT_EQ(d.series[0].leyenda, s("Premios Repartidos"));
    EXPECT_EQ(d.series[1].leyenda, s("Utilidad/Perdida"));
    EXPECT_DOUBLE_EQ(
        d.series[0].valores[0],
        db_->scalar(s("SELECT sum(premios) FROM saldosdias WHERE fecha < '2026-04-01'")).toDouble());
    EXPECT_DOUBLE_EQ(d.series[1].valores[1], -30.0);
    const double premiosMarzo = d.series[0].valores[0];
    EXPECT_EQ(v_->MSChart1->clase(), s("QBarSeries"));

    // A year with no figures keeps the drawing, in the type now chosen.
    v_->Combo1->setEditText(s("20x6"));
    v_->Combo4->setEditText(s("Lineas 2D"));
    v_->Command1->click();
    EXPECT_TRUE(rec_->prompts().isEmpty());
    EXPECT_EQ(v_->MSChart1->datos().categorias, (QStringList{s("Mar"), s("Abr")}));
    EXPECT_EQ(v_->MSChart1->clase(), s("QLineSeries"));

    // A quote typed into a seller box is a value like any other: the range
    // from "0'" takes in every seller.
    v_->Combo1->setEditText(s("2026"));
    v_->Combo2->setEditText(s("0'--"));
    v_->Command1->click();
    EXPECT_TRUE(rec_->prompts().isEmpty()) << rec_->prompts().join(s("|")).toStdString();
    EXPECT_DOUBLE_EQ(v_->MSChart1->datos().series[0].valores[0], premiosMarzo);
}

TEST_F(GraficoTest, EachTypeIsDrawnAsThatTypeAndPrintsToAPdf)
{
    marca(v_->List1, {0, 1, 2, 3});
    const QList<std::pair<QString, QString>> clases = {
        {s("Barras 3D"), s("Q3DBars")},      {s("Barras 2D"), s("QBarSeries")},
        {s("Lineas 3D"), s("Q3DSurface")},   {s("Lineas 2D"), s("QLineSeries")},
        {s("Area 3D"), s("Q3DSurface")},     {s("Area 2D"), s("QAreaSeries")},
        {s("Paso 3D"), s("Q3DBars")},        {s("Paso 2D"), s("QLineSeries (escalonada)")},
        {s("Combinacion 3D"), s("Q3DBars")}, {s("Combinacion 2D"), s("QBarSeries+QLineSeries")},
        {s("Pastel 2D"), s("QPieSeries")},
    };
    ASSERT_TRUE(GraficoResumen::hayOpenGL()) << "the virtual screen offers no OpenGL";
    v_->resize(1000, 700);
    const QStringList meses = {s("Ene"), s("Feb"), s("Mar"), s("Abr"), s("May"), s("Jun"),
                               s("Jul"), s("Ago"), s("Sep"), s("Oct"), s("Nov"), s("Dic")};
    const QStringList series = {s("Ventas"), s("Premios Repartidos"), s("Comisión Vendedores"), s("Saldos")};
    for (int i = 0; i < clases.size(); ++i) {
        v_->Combo4->setEditText(clases[i].first);
        v_->Command1->click();
        EXPECT_EQ(v_->MSChart1->tipo(), Form29::TiposGrafico[i].second);
        EXPECT_EQ(v_->MSChart1->clase(), clases[i].second) << clases[i].first.toStdString();
        // Each category carries its month; in 3-D each series its name.
        const bool pastel = v_->MSChart1->tipo() == GraficoResumen::Pastel2D;
        EXPECT_EQ(v_->MSChart1->etiquetasCategorias(), pastel ? QStringList() : meses)
            << clases[i].first.toStdString();
        EXPECT_EQ(v_->MSChart1->etiquetasSeries(),
                  GraficoResumen::es3D(v_->MSChart1->tipo()) ? series : QStringList())
            << clases[i].first.toStdString();
        const QImage imagen = v_->MSChart1->imagen();
        EXPECT_FALSE(imagen.isNull()) << clases[i].first.toStdString();
        const QString nombre = s("Form29-") +
                               QString(clases[i].first).replace(QLatin1Char(' '), QLatin1Char('_'));
        EXPECT_FALSE(testsupport::saveImage(imagen, nombre).isEmpty());
    }
    EXPECT_FALSE(testsupport::saveScreenshot(v_, s("Form29")).isEmpty());
    // A type typed by hand that names none keeps the one drawn.
    v_->Combo4->setEditText(s("Barras 4D"));
    v_->Command1->click();
    EXPECT_EQ(v_->MSChart1->tipo(), int(GraficoResumen::Pastel2D));

    for (const char* tipo : {"Barras 2D", "Barras 3D"}) {
        const QString pdf = carpeta_.filePath(s(tipo).replace(QLatin1Char(' '), QLatin1Char('_')) +
                                              s(".pdf"));
        Form29::imprimeEnArchivo(pdf);
        v_->Combo4->setEditText(s(tipo));
        v_->Command1->click();
        v_->XPButton3->click();
        QFile archivo(pdf);
        ASSERT_TRUE(archivo.open(QIODevice::ReadOnly)) << tipo;
        EXPECT_TRUE(archivo.read(4) == "%PDF");
        EXPECT_GT(QFileInfo(pdf).size(), 5000) << tipo;
    }
    EXPECT_TRUE(rec_->prompts().isEmpty()) << rec_->prompts().join(s("|")).toStdString();
}
