#include "core/acceso.h"
#include "reports/form15.h"
#include "reports/form39.h"
#include "platform/ui/navegador/navegador.h"
#include "reports/registro.h"
#include "reports/reportespuntoventa.h"
#include "core/sesion.h"
#include "datosticket.h"
#include "messagerecorder.h"
#include "platform/db/dberror.h"
#include "platform/ui/windowregistry.h"
#include "registros.h"
#include "reports/htmlmovimientos.h"
#include "reportwindows/form23.h"
#include "reportwindows/registro.h"
#include "sessiontest.h"
#include "testdb.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using platform::db::DataType;
using platform::db::RecordSet;
using platform::ui::windowRegistry;
using testsupport::dinero;

namespace {

RecordSet movimientos(int filas)
{
    QList<QVariantList> datos;
    for (int i = 1; i <= filas; ++i)
        datos.append({QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0')),
                      i == 1 ? QStringLiteral("Peña & <Hijos>") : QStringLiteral("Vendedor %1").arg(i),
                      QDate(2024, 3, 5), QStringLiteral("Movimiento %1").arg(i, 3, 10, QLatin1Char('0')),
                      dinero("1500.5")});
    return testsupport::registros({{QStringLiteral("vendedor")},
                                   {QStringLiteral("nombre_vend")},
                                   {QStringLiteral("fecha"), DataType::Date},
                                   {QStringLiteral("movimiento")},
                                   {QStringLiteral("monto"), DataType::Numeric}},
                                  datos);
}

RecordSet puntoventa()
{
    return testsupport::registros(
        {{QStringLiteral("nroticket")},
         {QStringLiteral("monto"), DataType::Numeric},
         {QStringLiteral("hora")},
         {QStringLiteral("usuario")},
         {QStringLiteral("estado")},
         {QStringLiteral("premiado")},
         {QStringLiteral("premio"), DataType::Numeric},
         {QStringLiteral("pagado")}},
        {{QStringLiteral("0000000001"), dinero("10"), QStringLiteral("10:00:00"), QStringLiteral("U01"),
          QStringLiteral("ACT"), QStringLiteral("N"), QVariant(), QStringLiteral("N")}});
}

// The text of a PDF, through pdftotext.
QString textoPdf(const QString& pdf, const QStringList& opciones = {})
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), opciones + QStringList{pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int paginasPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(60000);
    for (const QString& linea : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (linea.startsWith(QLatin1String("Pages:")))
            return linea.mid(6).trimmed().toInt();
    }
    return 0;
}

class Form15Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(carpeta_.isValid());
        qputenv("DUROZ_HOME", carpeta_.path().toUtf8());
        windowRegistry().clear();
        reports::registerWindows(windowRegistry());
        reportwindows::registerWindows(windowRegistry());
        reports::Form15::imprimeEnArchivo(pdf());
        core::sesion().nombrebanca = QStringLiteral("Banca");
    }

    void TearDown() override
    {
        windowRegistry().clear();
        reports::Form15::imprimeEnArchivo(QString());
        core::sesion() = core::Sesion();
        qunsetenv("DUROZ_HOME");
    }

    QString pagina() const { return carpeta_.filePath(QStringLiteral("0001.html")); }
    QString pdf() const { return carpeta_.filePath(QStringLiteral("impreso.pdf")); }

    static reports::Form15* visor()
    {
        return dynamic_cast<reports::Form15*>(windowRegistry().find(QStringLiteral("Form15")));
    }

    static void despacha()
    {
        platform::ui::doEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir carpeta_;
    testsupport::MessageRecorder cajas_;
};

} // namespace

TEST_F(Form15Test, ShowsThePagePrintsItAndDeletesItOnClosing)
{
    RecordSet rs = movimientos(150);
    reports::htmlmovimientos(rs, QStringLiteral("Fecha Desde : 05/03/2024"), QString(), QStringLiteral("1"));
    QPointer<reports::Form15> v = visor();
    ASSERT_TRUE(v);
    EXPECT_TRUE(v->isVisible());
    EXPECT_TRUE(v->VERTICKET1->isHidden());
    EXPECT_TRUE(QFile::exists(pagina()));
    EXPECT_GT(v->WebBrowser1->altoPagina(), 150 * 10);
    EXPECT_TRUE(v->WebBrowser1->textoPlano().contains(
        QStringLiteral("00001-Peña & <Hijos>\tMovimiento 001\t05/03/2024\t1.500,50")));

    v->Command1->click();
    ASSERT_TRUE(QFile::exists(pdf()));
    EXPECT_GE(paginasPdf(pdf()), 2);
    const QString impreso = textoPdf(pdf());
    EXPECT_TRUE(impreso.contains(QStringLiteral("Quorvelin 2007 < MOVIMIENTOS ADMINISTRATIVOS >Banca")));
    EXPECT_TRUE(impreso.contains(QStringLiteral("00001-Peña & <Hijos>")));
    // Every row once: none lost or cut in two between pages.
    for (int i = 1; i <= 150; ++i)
        EXPECT_EQ(impreso.count(QStringLiteral("Movimiento %1").arg(i, 3, 10, QLatin1Char('0'))), 1) << i;
    EXPECT_TRUE(cajas_.boxes().isEmpty());

    v->Command2->click();
    despacha();
    EXPECT_FALSE(v);
    EXPECT_FALSE(QFile::exists(pagina()));
}

TEST_F(Form15Test, ALaterReportReplacesThePageAndTheTicketFrameStaysOnUntilClosing)
{
    RecordSet rs = movimientos(2);
    reports::htmlmovimientos(rs, QStringLiteral("Primero"), QString(), QStringLiteral("0"));
    reports::Form15* primero = visor();
    ASSERT_TRUE(primero);

    RecordSet ventas = puntoventa();
    reports::reportepuntoventa(ventas, QStringLiteral("Segundo"), QString(), QStringLiteral("0"));
    EXPECT_EQ(visor(), primero);
    EXPECT_TRUE(primero->WebBrowser1->textoPlano().contains(QStringLiteral("REPORTE DE PUNTO DE VENTA")));
    EXPECT_FALSE(primero->WebBrowser1->textoPlano().contains(QStringLiteral("MOVIMIENTOS")));
    EXPECT_TRUE(primero->VERTICKET1->isVisibleTo(primero));
    EXPECT_TRUE(QFile(pagina()).open(QIODevice::ReadOnly));

    rs = movimientos(2);
    reports::htmlmovimientos(rs, QStringLiteral("Tercero"), QString(), QStringLiteral("0"));
    EXPECT_TRUE(primero->VERTICKET1->isVisibleTo(primero));

    // Esc closes the viewer; the next one starts with the frame hidden.
    QTest::keyClick(primero->windowHandle(), Qt::Key_Escape);
    despacha();
    EXPECT_EQ(visor(), nullptr);
    EXPECT_FALSE(QFile::exists(pagina()));
    rs = movimientos(2);
    reports::htmlmovimientos(rs, QStringLiteral("Cuarto"), QString(), QStringLiteral("0"));
    ASSERT_TRUE(visor());
    EXPECT_TRUE(visor()->VERTICKET1->isHidden());

    RecordSet caducados = testsupport::registros(
        {{QStringLiteral("t")},
         {QStringLiteral("u")},
         {QStringLiteral("f")},
         {QStringLiteral("h")},
         {QStringLiteral("m"), DataType::Numeric},
         {QStringLiteral("p"), DataType::Numeric}},
        {{QStringLiteral("1"), QStringLiteral("U"), QStringLiteral("05/03/2024"), QStringLiteral("10:00:00"),
          dinero("1"), dinero("2")}});
    reports::reportecaducados(caducados, QStringLiteral("Quinto"), QString(), QStringLiteral("1"));
    EXPECT_TRUE(visor()->VERTICKET1->isVisibleTo(visor()));
}

// A writer that fails (here on an amount that is no number) leaves the page
// shown before as it was, and no half page nor temporary file behind.
TEST_F(Form15Test, AWriterThatFailsLeavesThePreviousPage)
{
    RecordSet rs = movimientos(3);
    reports::htmlmovimientos(rs, QStringLiteral("Primero"), QString(), QStringLiteral("0"));
    QFile archivo(pagina());
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    const QByteArray antes = archivo.readAll();
    archivo.close();

    RecordSet malo = testsupport::registros(
        {{QStringLiteral("vendedor")},
         {QStringLiteral("nombre_vend")},
         {QStringLiteral("fecha")},
         {QStringLiteral("movimiento")},
         {QStringLiteral("monto")}},
        {{QStringLiteral("00001"), QStringLiteral("Ana"), QStringLiteral("05/03/2024"),
          QStringLiteral("Abono"), QStringLiteral("doce")}});
    EXPECT_THROW(reports::htmlmovimientos(malo, QStringLiteral("Segundo"), QString(), QStringLiteral("0")),
                 platform::db::DbError);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    EXPECT_EQ(archivo.readAll(), antes);
    EXPECT_EQ(QDir(carpeta_.path()).entryList(QDir::Files), QStringList({QStringLiteral("0001.html")}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

namespace {

class Form15Ticket : public Form15Test {
protected:
    void SetUp() override
    {
        REQUIRE_TEST_CLUSTER();
        Form15Test::SetUp();
        db_ = std::make_unique<testsupport::TestDatabase>();
        db_->setServerClock(QStringLiteral("2024-03-05 08:00:00"));
        db_->exec(QString::fromUtf8(testsupport::CatalogoTickets));
        testsupport::vendeTicket(*db_, QStringLiteral("00001"), QStringLiteral("0000000123"),
                                 QStringLiteral("ACT"), {{"001", "1", "123", "5"}});
        testsupport::vendeTicket(*db_, QStringLiteral("00002"), QStringLiteral("0000000123"),
                                 QStringLiteral("ACT"), {{"001", "1", "777", "5"}}, QStringLiteral("U02"));
        testsupport::conectaSesion(*db_);
        core::Sesion& s = core::sesion();
        s.nombrebanca = QStringLiteral("Banca");
        core::cargalistascompartidas(s.conexion);
        RecordSet ventas = puntoventa();
        reports::reportepuntoventa(ventas, QStringLiteral("Ventas"), QString(), QStringLiteral("0"));
    }

    // Types the number and presses Enter; the lines of the ticket window
    // that opens (closed again with its "Regresar").
    QStringList consulta(const QString& numero)
    {
        reports::Form15* v = visor();
        v->Text1->setText(numero);
        v->Text1->setFocus();
        QStringList lineas;
        QTimer::singleShot(0, [&lineas] {
            auto* ticket = dynamic_cast<reports::Form39*>(windowRegistry().find(QStringLiteral("Form39")));
            if (!ticket)
                return;
            EXPECT_TRUE(ticket->isModal());
            lineas = ticket->lineas();
            ticket->Command2->click();
        });
        QTest::keyClick(v->windowHandle(), Qt::Key_Return);
        despacha();
        return lineas;
    }

    std::unique_ptr<testsupport::TestDatabase> db_;
};

} // namespace

// Form23 was never opened: the look-up loads it hidden and takes the server
// date and the first seller of its list.
TEST_F(Form15Ticket, TheLookUpUsesTheDateAndSellerOfThePointOfSaleWindow)
{
    const QStringList lineas = consulta(QStringLiteral(" 123 "));
    EXPECT_EQ(visor()->Text1->text(), QStringLiteral("0000000123"));
    ASSERT_GE(lineas.size(), 8);
    EXPECT_EQ(lineas.mid(0, 5),
              QStringList({QStringLiteral("<< Quorvelin 2007 >>"), QStringLiteral("00001 - CENTRO UNO"),
                           QStringLiteral("Ticket: 0000000123"), QStringLiteral("U01"),
                           QStringLiteral("05/03/2024   10:15:30")}));
    EXPECT_EQ(lineas[7], QStringLiteral("123 x 5,00 - "));
    auto* puntoventa = dynamic_cast<reportwindows::Form23*>(windowRegistry().find(QStringLiteral("Form23")));
    ASSERT_TRUE(puntoventa);
    EXPECT_FALSE(puntoventa->isVisible());
    EXPECT_EQ(puntoventa->Hastas->date(), QDate(2024, 3, 5));
    // The two sellers, then the window's own all-sellers entry.
    EXPECT_EQ(puntoventa->Combo1->count(), 3);
    EXPECT_EQ(puntoventa->Combo1->itemText(2), reportwindows::Form23::TodosLosVendedores);

    // The seller chosen in Form23 decides which ticket is shown.
    puntoventa->Combo1->setCurrentIndex(1);
    EXPECT_EQ(consulta(QStringLiteral("123")).value(7), QStringLiteral("777 x 5,00 - "));
    EXPECT_TRUE(cajas_.boxes().isEmpty());
}

TEST_F(Form15Ticket, ATicketThatDoesNotExistIsReported)
{
    for (const QString& numero : {QStringLiteral("999"), QString(21, QLatin1Char('1'))}) {
        cajas_.clear();
        EXPECT_TRUE(consulta(numero).isEmpty());
        ASSERT_EQ(cajas_.boxes().size(), 1) << numero.toStdString();
        EXPECT_EQ(cajas_.boxes()[0].prompt,
                  QStringLiteral("El Ticket que Ingreso No Existe verifique por favor..."));
        EXPECT_EQ(cajas_.boxes()[0].style, 16);
        EXPECT_EQ(cajas_.boxes()[0].title,
                  QStringLiteral("Quorvelin 2007 - BACK OFFICE *** ERROR DE PARAMETROS"));
        EXPECT_EQ(core::sesion().caja.contextoayuda, 1000);
        ASSERT_TRUE(visor());
        EXPECT_TRUE(visor()->isVisible());
    }
    EXPECT_EQ(visor()->Text1->text(), QString(21, QLatin1Char('1')));
}

TEST_F(Form15Ticket, TheTotalsPageCarriesTheServerDateAndLeavesTheTicketFrameAlone)
{
    RecordSet totales = testsupport::registros(
        {{QStringLiteral("punto")}, {QStringLiteral("total"), DataType::Numeric}},
        {{QStringLiteral("00001"), dinero("10")}});
    reports::reportetotalespuntoventa(totales, QStringLiteral("Totales"), QString(), QStringLiteral("0"));
    EXPECT_TRUE(visor()->WebBrowser1->textoPlano().contains(
        QStringLiteral("FECHA DE IMPRESION: 05/03/2024 - 08:00:00")));
    EXPECT_EQ(core::sesion().fechaactual, QStringLiteral("05/03/2024"));
    EXPECT_TRUE(visor()->VERTICKET1->isVisibleTo(visor()));
}
